#include "TmpfsDisk.h"

#include <QFile>

#include "TestMedia.h"

TmpfsDisk::TmpfsDisk(const char *size)
{
    m_mounted = TestMedia::run("mount", {"-t", "tmpfs", "-o", QStringLiteral("size=") + size,
                                         "tmpfs", m_dir.path()}) == 0;
}

TmpfsDisk::~TmpfsDisk()
{
    if (m_mounted)
        TestMedia::run("umount", {m_dir.path()});
}

void TmpfsDisk::fillUp() const
{
    TestMedia::writeFile(path("old"), "old content\n");
    QFile filler(path("filler"));
    filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    while (filler.write(QByteArray(1024, 'z')) == 1024) {
    }
}

bool TmpfsDisk::makeReadOnly() const
{
    return TestMedia::run("mount", {"-o", "remount,ro", m_dir.path()}) == 0;
}
