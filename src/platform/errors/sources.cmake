tavro_folder(tavro_platform platform/errors
    StepRunner.h
)
