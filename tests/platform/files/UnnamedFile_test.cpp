#include <csignal>
#include <functional>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CdRipSettings.h"
#include "M3uFile.h"
#include "SavedFile.h"
#include "TestMedia.h"
#include "TmpfsDisk.h"
#include "UnnamedFile.h"

using namespace Qt::Literals::StringLiterals;

namespace {
class UnnamedFileTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // A process number that belonged to a process which has ended.
    static pid_t endedProcess()
    {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return child;
    }

    QTemporaryDir m_dir;
};
} // namespace

TEST_F(UnnamedFileTest, AProcessKilledMidWriteLeavesNothingInTheFolder)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const QString target = path(u"out.mp3"_s);
    const pid_t child = ::fork();
    if (child == 0) {
        UnnamedFile file(target);
        const QByteArray chunk(1 << 20, 'x');
        const bool written =
            file.isOpen() && ::write(file.descriptor(), chunk.data(), chunk.size()) == chunk.size();
        ::write(ready[1], written ? "y" : "n", 1);
        ::pause();
        ::_exit(0);
    }
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    EXPECT_EQ(answer, 'y');
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_TRUE(entries().isEmpty()) << qPrintable(entries().join(u','));
}

TEST_F(UnnamedFileTest, TakesItsNameOnlyWhereItMayAndOtherwiseLeavesNoTrace)
{
    QDir(m_dir.path()).mkdir(u"folder"_s);
    TestMedia::writeFile(path(u"old"_s), "old");
    const struct {
        const char *name;
        QString target;
        bool replace;
        bool linked;
        QByteArray after; // the target's content afterwards
    } cases[] = {
        {"new name", path(u"new"_s), false, true, "new"},
        {"existing file kept", path(u"old"_s), false, false, "old"},
        {"existing file replaced", path(u"old"_s), true, true, "new"},
        {"a folder is never replaced", path(u"folder"_s), true, false, {}},
    };
    for (const auto &c : cases) {
        TestMedia::writeFile(path(u"old"_s), "old");
        QFile::remove(path(u"new"_s));
        {
            UnnamedFile file(c.target);
            ASSERT_TRUE(file.isOpen()) << c.name;
            ASSERT_EQ(::write(file.descriptor(), "new", 3), 3);
            EXPECT_EQ(file.linkAs(c.replace), c.linked) << c.name;
        }
        EXPECT_EQ(TestMedia::readFile(c.target), c.after) << c.name;
        QStringList expected{u"folder"_s, u"old"_s};
        if (c.target == path(u"new"_s))
            expected.insert(1, u"new"_s);
        EXPECT_EQ(entries(), expected) << c.name;
    }
}

TEST_F(UnnamedFileTest, AScratchFileIsReadableByItsPathAndNeverNamed)
{
    UnnamedFile scratch(m_dir.path(), UnnamedFile::Use::Scratch);
    ASSERT_TRUE(scratch.isOpen());
    ASSERT_EQ(::write(scratch.descriptor(), "wave", 4), 4);
    EXPECT_EQ(TestMedia::readFile(scratch.path()), "wave");
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(UnnamedFileTest, StandInPartsOfEndedProcessesOnlyAreRemoved)
{
    const QString ended = path(u".out.mp3.%1.part"_s.arg(endedProcess()));
    const QString living = path(u".out.mp3.1.part"_s); // init never ends
    const QString other = path(u".other.mp3.%1.part"_s.arg(endedProcess()));
    for (const QString &file : {ended, living, other})
        TestMedia::writeFile(file, "left");
    UnnamedFile::removeStaleParts(QFile::encodeName(path(u"out.mp3"_s)));
    EXPECT_EQ(entries(), (QStringList{QFileInfo(other).fileName(), QFileInfo(living).fileName()}));
}

TEST_F(UnnamedFileTest, OnlyThePathOfAnOpenUnnamedFileCountsAsOne)
{
    QString held;
    {
        const UnnamedFile file(path(u"out.mp3"_s));
        held = file.path();
        EXPECT_TRUE(UnnamedFile::isOpenUnnamed(held));
        EXPECT_FALSE(UnnamedFile::isOpenUnnamed(u"/proc/self/fd/0"_s));
        EXPECT_FALSE(UnnamedFile::isOpenUnnamed(path(u"out.mp3"_s)));
    }
    EXPECT_FALSE(UnnamedFile::isOpenUnnamed(held));
}

TEST_F(UnnamedFileTest, SavedFileWritesThroughALinkAndKeepsThePermissions)
{
    const QString real = path(u"real.list"_s);
    TestMedia::writeFile(real, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(real, path(u"link.list"_s)));
    ASSERT_TRUE(SavedFile::write(path(u"link.list"_s), "new"));
    EXPECT_EQ(QFileInfo(path(u"link.list"_s)).symLinkTarget(), real);
    EXPECT_EQ(TestMedia::readFile(real), "new");
    struct stat info {};
    ::stat(QFile::encodeName(real).constData(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(SavedFileTest, AFullDiskKeepsTheOldFileAndSaysSo)
{
    const TmpfsDisk disk("64k");
    if (!disk.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    disk.fillUp();
    const QString old = disk.path(u"old"_s);
    const QStringList longList(100, u"/some/long/path/to/a/file/name.mp3"_s);
    CdRipSettings settings;
    settings.images = longList;
    const std::pair<const char *, std::function<bool()>> writers[] = {
        {"bytes", [&] { return SavedFile::write(old, QByteArray(8000, 'x')); }},
        {"play list", [&] { return M3uFile::SavePlaylist(old, longList); }},
        {"ripping settings", [&] { return settings.save(old); }},
    };
    for (const auto &[name, save] : writers) {
        EXPECT_FALSE(save()) << name;
        EXPECT_EQ(TestMedia::readFile(old), "old content\n") << name;
        EXPECT_EQ(QDir(disk.path({})).count(), 4u) << name; // ., .., old, filler
    }
    QFile::remove(disk.path(u"filler"_s));
    EXPECT_TRUE(SavedFile::write(old, "new\n"));
    EXPECT_EQ(TestMedia::readFile(old), "new\n");
}
