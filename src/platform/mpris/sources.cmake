tavro_folder(tavro_platform platform/mpris
    MprisPlayerAdaptor.cpp MprisPlayerAdaptor.h
    MprisRootAdaptor.cpp MprisRootAdaptor.h
    MprisService.cpp MprisService.h
    MprisTarget.cpp MprisTarget.h
)
