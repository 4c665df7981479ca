#include "PartFile.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

#include "FileEntry.h"
#include "FileNameCodec.h"
#include "RegularFile.h"
#include "UnnamedFile.h"

PartFile::PartFile(const QString &target) : m_target(target)
{
    QString part = target;
    const QString shown = FileNameCodec::display(target);
    if (shown != target) {
        // Writers open the part through Qt, which would turn a name that is not UTF-8 into
        // another one: such a part takes the shown form of the name, in the folder reached by
        // descriptor.
        const qsizetype slash = target.lastIndexOf(QLatin1Char('/'));
        const QByteArray folder =
            slash < 0 ? QByteArray(".") : FileNameCodec::encode(target.left(qMax(slash, 1)));
        m_folder = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (m_folder >= 0)
            part = QStringLiteral("/proc/self/fd/%1/").arg(m_folder) + shown.mid(slash + 1);
    }
    const QByteArray bytes = FileNameCodec::encode(part);
    UnnamedFile::removeStaleParts(bytes);
    m_path = FileNameCodec::decode(UnnamedFile::partName(bytes));
}

PartFile::~PartFile()
{
    ::unlink(FileNameCodec::encode(m_path).constData());
    if (m_folder >= 0)
        ::close(m_folder);
}

bool PartFile::commit(bool replace)
{
    // Only a regular file is ever replaced: never a device, a pipe or a folder of that name.
    const FileEntry::Kind target = FileEntry::kind(m_target);
    const bool moved =
        replace ? (target == FileEntry::Kind::Missing || target == FileEntry::Kind::File) &&
                      std::rename(FileNameCodec::encode(m_path).constData(),
                                  FileNameCodec::encode(m_target).constData()) == 0
                : RegularFile::renameNoReplace(m_path, m_target);
    if (!moved)
        ::unlink(FileNameCodec::encode(m_path).constData());
    return moved;
}
