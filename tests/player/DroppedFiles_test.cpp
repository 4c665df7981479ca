#include <cstdio>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "DroppedFiles.h"
#include "FileNameCodec.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

namespace {
class DroppedFilesTest : public ::testing::Test {
protected:
    DroppedFilesTest()
    {
        QDir(dir.path()).mkpath(u"folder/below"_s);
        for (const char *name : {"one.mp3", "LOUD.MP3", "notes.txt", "list.m3u", "folder/b.mp3",
                                 "folder/A.mp3", "folder/c.wav", "folder/below/deep.mp3"})
            TestMedia::writeFile(path(QLatin1String(name)), "x");
        TestMedia::writeFile(path(u"list.m3u"_s), "/m/first.mp3\r\n/m/second.mp3\n");
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    QUrl url(const QString &name) const { return QUrl::fromLocalFile(path(name)); }

    QTemporaryDir dir;
};
} // namespace

// A drop adds its files in its own order: an .mp3 itself, a play list's entries, a folder's
// .mp3 files by name (not those below it); anything else adds nothing.
TEST_F(DroppedFilesTest, EachKindAddsItsEntriesInTheDropsOrder)
{
    const DroppedFiles drop({url(u"notes.txt"_s), url(u"folder"_s), url(u"list.m3u"_s),
                             QUrl(u"https://example.org/remote.mp3"_s), url(u"gone.mp3"_s),
                             url(u"LOUD.MP3"_s), url(u"one.mp3"_s)});
    EXPECT_TRUE(drop.isUsable());
    EXPECT_EQ(drop.entries(),
              (QStringList{path(u"folder/A.mp3"_s), path(u"folder/b.mp3"_s), u"/m/first.mp3"_s,
                           u"/m/second.mp3"_s, path(u"LOUD.MP3"_s), path(u"one.mp3"_s)}));
}

TEST_F(DroppedFilesTest, ADropOfNothingUsableIsRefused)
{
    for (const QList<QUrl> &urls :
         {QList<QUrl>{}, QList<QUrl>{url(u"notes.txt"_s), url(u"gone.mp3"_s)},
          QList<QUrl>{QUrl(u"https://example.org/remote.mp3"_s), QUrl(u"mp3"_s)}})
        EXPECT_FALSE(DroppedFiles(urls).isUsable());
}

// A file manager sends a name that is not UTF-8 percent-encoded byte by byte.
TEST_F(DroppedFilesTest, ANameThatIsNotUtf8KeepsItsBytes)
{
    const QByteArray name = QFile::encodeName(dir.path()) + "/caf\xe9.mp3";
    std::FILE *file = std::fopen(name.constData(), "w"); // QFile would re-encode the name
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    const QUrl url(u"file://"_s + QString::fromLatin1(name.toPercentEncoding("/")));
    EXPECT_EQ(DroppedFiles::localPath(url), FileNameCodec::decode(name));
    EXPECT_EQ(DroppedFiles({url}).entries(), QStringList{FileNameCodec::decode(name)});
}
