tavro_folder(tavro_cli_commands cli
    CliCommand.h
    AssociateCommand.cpp AssociateCommand.h
    CdCommand.cpp CdCommand.h
    CliArguments.cpp CliArguments.h
    CliDisc.cpp CliDisc.h
    CliFrontEnd.cpp CliFrontEnd.h
    CliRegistry.cpp CliRegistry.h
    ConsoleDevice.cpp ConsoleDevice.h
    ConsoleProgressBar.cpp ConsoleProgressBar.h
    CutCommand.cpp CutCommand.h
    EncodeCommand.cpp EncodeCommand.h
    EncoderCliOptions.cpp EncoderCliOptions.h
    FileProblem.cpp FileProblem.h
    InfoCommand.cpp InfoCommand.h
    InterruptGuard.cpp InterruptGuard.h
    MergeCommand.cpp MergeCommand.h
    RenameCommand.cpp RenameCommand.h
    RecordCommand.cpp RecordCommand.h
    RipCommand.cpp RipCommand.h
    RmtagCommand.cpp RmtagCommand.h
    SearchCommand.cpp SearchCommand.h
    TagCommand.cpp TagCommand.h
    TocCommand.cpp TocCommand.h
)
