#include <cstdio>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "DroppedFiles.h"
#include "FileNameCodec.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

// Which entries each kind adds, and in which order: PlaylistDrop_test. Here, what does not count
// as a usable file, and a name that is not UTF-8, which a file manager sends percent-encoded byte
// by byte.
TEST(DroppedFilesTest, OnlyLocalFilesCountAndNamesKeepTheirBytes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"folder/below"_s));
    for (const char *name : {"LOUD.MP3", "folder/below/deep.mp3"})
        ASSERT_TRUE(TestMedia::writeFile(dir.filePath(QLatin1String(name)), "x"));
    const QByteArray latin = QFile::encodeName(dir.path()) + "/caf\xe9.mp3";
    std::FILE *file = std::fopen(latin.constData(), "w"); // QFile would re-encode the name
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    const QUrl latinUrl(u"file://"_s + QString::fromLatin1(latin.toPercentEncoding("/")));
    const QList<QUrl> unusable = {QUrl(u"https://example.org/remote.mp3"_s),
                                  QUrl::fromLocalFile(dir.filePath(u"gone.mp3"_s))};

    EXPECT_FALSE(DroppedFiles(unusable).isUsable());
    const auto local = [&](const char *name) {
        return QUrl::fromLocalFile(dir.filePath(QLatin1String(name)));
    };
    // The folder holds no .mp3 file of its own, only one below.
    EXPECT_EQ(DroppedFiles(unusable + QList<QUrl>{latinUrl, local("LOUD.MP3"), local("folder")})
                  .entries(),
              (QStringList{FileNameCodec::decode(latin), dir.filePath(u"LOUD.MP3"_s)}));
}
