#include "ReadOnlyDisk.h"

#include "TestMedia.h"

ReadOnlyDisk::~ReadOnlyDisk()
{
    if (m_attached)
        TestMedia::run(QStringLiteral("umount"), {m_dir.path()});
}

bool ReadOnlyDisk::mount()
{
    m_attached = TestMedia::run(QStringLiteral("mount"),
                                {"-t", "tmpfs", "-o", "size=1m", "tmpfs", m_dir.path()}) == 0;
    return m_attached;
}

bool ReadOnlyDisk::remountReadOnly()
{
    return TestMedia::run(QStringLiteral("mount"), {"-o", "remount,ro", m_dir.path()}) == 0;
}
