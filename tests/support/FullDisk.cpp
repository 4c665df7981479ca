#include "FullDisk.h"

#include <QFile>

#include "TestMedia.h"

FullDisk::FullDisk()
{
    m_mounted = TestMedia::run(QStringLiteral("mount"),
                               {"-t", "tmpfs", "-o", "size=64k", "tmpfs", m_dir.path()}) == 0;
    if (!m_mounted)
        return;
    TestMedia::writeFile(path(QStringLiteral("old")), "old content\n");
    QFile filler(path(QStringLiteral("filler")));
    filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    while (filler.write(QByteArray(1024, 'z')) == 1024) {
    }
}

FullDisk::~FullDisk()
{
    if (m_mounted)
        TestMedia::run(QStringLiteral("umount"), {m_dir.path()});
}
