#include "PartFile.h"

#include <cstdio>

#include <unistd.h>

#include "FileEntry.h"
#include "FileNameCodec.h"
#include "RegularFile.h"
#include "UnnamedFile.h"

PartFile::PartFile(const QString &target) : m_target(target)
{
    const QByteArray bytes = FileNameCodec::encode(target);
    UnnamedFile::removeStaleParts(bytes);
    m_path = FileNameCodec::decode(UnnamedFile::partName(bytes));
}

PartFile::~PartFile() { ::unlink(FileNameCodec::encode(m_path).constData()); }

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
