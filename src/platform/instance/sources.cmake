# The hand-over between copies runs over a local socket (Qt Network). Found here, and global, as
# only this folder needs it and every target that links the platform layer must see it.
find_package(Qt6 REQUIRED COMPONENTS Network GLOBAL)
tavro_folder(tavro_platform platform/instance
    InstanceClient.cpp InstanceClient.h
    InstanceLock.cpp InstanceLock.h
    InstanceMessage.cpp InstanceMessage.h
    InstanceServer.cpp InstanceServer.h
)
target_link_libraries(tavro_platform PRIVATE Qt6::Network)
