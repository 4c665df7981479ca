#include <algorithm>
#include <cstdio>

#include <dirent.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CliRun.h"
#include "FileNameCodec.h"
#include "M3uFile.h"
#include "RegularFile.h"
#include "TestDisc.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

// File names as the file system's bytes: names that are not UTF-8 work in every command and
// come out as their own bytes; names with line breaks keep search's lines and play lists whole.
namespace {
class FileNamesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = QFile::encodeName(m_dir.path());
        ASSERT_TRUE(TestMedia::makeMp3(m_dir.filePath(u"tone.source"_s), 2));
    }
    // A copy of the tone under exactly these name bytes, made with POSIX calls.
    QByteArray place(const QByteArray &name)
    {
        const QByteArray path = m_folder + '/' + name;
        const QByteArray tone = TestMedia::readFile(m_dir.filePath(u"tone.source"_s));
        FILE *file = std::fopen(path.constData(), "wb");
        EXPECT_TRUE(file && std::fwrite(tone.data(), 1, tone.size(), file) == size_t(tone.size()));
        if (file)
            std::fclose(file);
        return path;
    }
    QByteArray sizeText() const
    {
        const qint64 size = RegularFile::sizeOf(m_dir.filePath(u"tone.source"_s));
        return QByteArray::number(size / 1048576.0, 'f', 2) + " MB";
    }

    QTemporaryDir m_dir;
    QByteArray m_folder;
};
} // namespace

TEST_F(FileNamesTest, NamesThatAreNotUtf8WorkInEveryCommandAndPrintAsTheirBytes)
{
    for (const QByteArray &name : {QByteArray("\xff\xfe bad.mp3"), QByteArray("caf\xe9.mp3")}) {
        const QByteArray path = place(name);
        CliRun run = CliRun::runBytes({"info", path});
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_TRUE(run.out.contains("File Name :")) << run.out.constData();
        EXPECT_TRUE(run.out.contains(name.chopped(4))) << run.out.constData();
        // JSON stays valid UTF-8: a byte that is not UTF-8 is an escaped lone surrogate.
        run = CliRun::runBytes({"info", "--json", path});
        QByteArray escaped;
        for (const char byte : name)
            escaped += quint8(byte) < 0x80 ? QByteArray(1, byte)
                                           : "\\udc" + QByteArray::number(quint8(byte), 16);
        EXPECT_TRUE(QUtf8StringView(run.out).isValidUtf8()) << run.out.constData();
        EXPECT_TRUE(run.out.contains(escaped)) << run.out.constData();

        run = CliRun::runBytes({"tag", path, "--title", "Song"});
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        const RegularFile tagged(FileNameCodec::decode(path));
        ASSERT_TRUE(tagged.isOpen()) << name.constData();
        EXPECT_EQ(tagged.readAt(tagged.size() - 128, 7), "TAGSong");

        run = CliRun::runBytes({"rename", "--pattern", "%n", path});
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(run.out, path + " renamed to " + m_folder + "/Song.mp3\n");
        EXPECT_FALSE(RegularFile::exists(FileNameCodec::decode(path)));
        ASSERT_TRUE(QFile::remove(m_dir.filePath(u"Song.mp3"_s)));
    }
}

TEST_F(FileNamesTest, InputAndOutputNamedWithBytesThatAreNotUtf8KeepExactlyThoseNames)
{
    const QByteArray wav = m_folder + "/tone \xff.wav";
    ASSERT_TRUE(TestMedia::makeWav(m_dir.filePath(u"made.wav"_s), 1));
    ASSERT_EQ(::rename(QFile::encodeName(m_dir.filePath(u"made.wav"_s)).constData(), wav), 0);
    const QByteArray out = m_folder + "/out \xe9.mp3";
    const CliRun run = CliRun::runBytes({"encode", wav, out});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_GT(RegularFile::sizeOf(FileNameCodec::decode(out)), 0);
    // QDir leaves out a name it cannot re-encode: the folder is read as bytes.
    QList<QByteArray> names;
    DIR *dir = ::opendir(m_folder.constData());
    while (const dirent *entry = dir ? ::readdir(dir) : nullptr)
        if (const QByteArray name(entry->d_name); name != "." && name != "..")
            names << name;
    if (dir)
        ::closedir(dir);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (QList<QByteArray>{"out \xe9.mp3", "tone \xff.wav", "tone.source"}));
}

TEST_F(FileNamesTest, SearchListsTheBytesAndThePlayListKeepsThemBothWays)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"music"_s));
    const QByteArray bad = place("music/\xff\xfe bad.mp3");
    const QByteArray latin = place("music/caf\xe9.mp3");
    const QByteArray list = m_folder + "/found.m3u";
    const CliRun run = CliRun::runBytes({"search", m_folder + "/music", "--m3u", list});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QByteArray rows = run.out;
    EXPECT_TRUE(rows.startsWith("caf\xe9.mp3\t" + m_folder + "/music\t")) << rows.constData();
    EXPECT_TRUE(rows.contains("\n\xff\xfe bad.mp3\t")) << rows.constData();
    EXPECT_EQ(rows.count("\t0:2\n"), 2) << rows.constData(); // measured, not 0:0
    const QByteArray saved = TestMedia::readFile(QFile::decodeName(list));
    EXPECT_EQ(saved, latin + "\r\n" + bad + "\r\n");

    QStringList paths;
    ASSERT_TRUE(M3uFile::OpenPlaylist(FileNameCodec::decode(list), paths));
    ASSERT_EQ(paths.size(), 2);
    EXPECT_TRUE(RegularFile(paths[0]).isOpen());
    EXPECT_TRUE(RegularFile(paths[1]).isOpen());
    const QString copy = FileNameCodec::decode(m_folder + "/copy \xe9.m3u");
    ASSERT_TRUE(M3uFile::SavePlaylist(copy, paths));
    EXPECT_EQ(RegularFile(copy).readAt(0, int(saved.size() + 1)), saved + '\0');
}

TEST_F(FileNamesTest, LineBreaksAndTabsAreEscapedInSearchAndRefusedInAPlayList)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"odd\tfolder"_s));
    place("odd\tfolder/new\nline.mp3");
    place("odd\tfolder/back\\slash.mp3");
    place("odd\tfolder/tab\t\xe9.mp3");
    const QByteArray list = m_folder + "/found.m3u";
    const CliRun run = CliRun::runBytes({"search", m_folder + "/odd\tfolder", "--m3u", list});
    EXPECT_EQ(run.exitCode, 1);
    const QByteArray folder = m_folder + "/odd\\tfolder";
    const QByteArray rest = '\t' + sizeText() + "\t0:2\n";
    EXPECT_EQ(run.out, "back\\slash.mp3\t" + folder + rest + "new\\nline.mp3\t" + folder + rest +
                           "tab\\t\xe9.mp3\t" + folder + rest);
    EXPECT_TRUE(run.err.endsWith("tavro-cli search: cannot write " + list +
                                 ": a play list line cannot hold the line break in " + folder +
                                 "/new\\nline.mp3\n"))
        << run.err.constData();
    EXPECT_FALSE(QFile::exists(QFile::decodeName(list)));
    EXPECT_FALSE(M3uFile::SavePlaylist(m_dir.filePath(u"list.m3u"_s), {u"/a\rb.mp3"_s}));
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"list.m3u"_s)));
}

TEST_F(FileNamesTest, ADiscImageAndTheBinItNamesMayHaveNamesThatAreNotUtf8)
{
    ASSERT_TRUE(TestDisc::write(m_dir.filePath(u"made.cue"_s), {{75 * 2, 440}}));
    const QByteArray bin = "disc \xe9.bin";
    ASSERT_EQ(::rename(QFile::encodeName(m_dir.filePath(u"made.bin"_s)).constData(),
                       m_folder + '/' + bin),
              0);
    const QByteArray cue = m_folder + "/disc \xe9.cue";
    FILE *file = std::fopen(cue.constData(), "wb");
    ASSERT_TRUE(file);
    std::fputs("FILE \"" + bin + "\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n", file);
    std::fclose(file);
    const CliRun run = CliRun::runBytes({"toc", cue});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.startsWith("Drive: " + cue + '\n')) << run.out.constData();
}
