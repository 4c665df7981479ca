tavro_folder(tavro_core cutmerge
    GeneralDecimal.cpp GeneralDecimal.h
    Mp3Cutter.cpp Mp3Cutter.h
    Mp3Merger.cpp Mp3Merger.h
    PieceCopy.cpp PieceCopy.h
)
