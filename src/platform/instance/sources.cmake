tavro_folder(tavro_platform platform/instance
    InstanceClient.cpp InstanceClient.h
    InstanceLock.cpp InstanceLock.h
    InstanceMessage.cpp InstanceMessage.h
    InstanceServer.cpp InstanceServer.h
)
