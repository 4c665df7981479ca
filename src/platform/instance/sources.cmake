tavro_folder(tavro_platform platform/instance
    InstanceLock.cpp InstanceLock.h
)
