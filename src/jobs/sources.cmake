tavro_folder(tavro_core jobs
    WorkerRun.cpp WorkerRun.h
)
