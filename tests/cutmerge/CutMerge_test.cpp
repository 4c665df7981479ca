#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "GeneralDecimal.h"
#include "Mp3Cutter.h"
#include "Mp3Merger.h"
#include "PieceCopy.h"
#include "TestMedia.h"

namespace {
// Bytes that differ from their neighbours, so a copy off by one byte shows.
QByteArray pattern(qint64 length, int seed = 0)
{
    QByteArray bytes(length, '\0');
    for (qint64 i = 0; i < length; ++i)
        bytes[i] = char((i * 7 + seed) % 251);
    return bytes;
}

class CutMergeTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString write(const QString &name, const QByteArray &bytes) const
    {
        EXPECT_TRUE(TestMedia::writeFile(path(name), bytes));
        return path(name);
    }
    static QByteArray read(const QString &file) { return TestMedia::readFile(file); }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }
    // Runs a merge and returns the progress values it reported.
    static QList<int> merge(Mp3Merger &merger, const QString &base, const QString &attachment,
                            const QString &output, bool expected = true)
    {
        QList<int> values;
        QObject::connect(&merger, &Mp3Merger::progress, [&](int value) { values << value; });
        EXPECT_EQ(merger.merge(base, attachment, output, true), expected);
        return values;
    }

    QTemporaryDir m_dir;
};
} // namespace

TEST(GeneralDecimalTest, WritesUpToFifteenSignificantDigits)
{
    const QList<std::pair<double, const char *>> cases = {
        {4800000.0 / 1024 / 1024, "4.57763671875"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3.0, "0.333333333333333"},
        {1e15, "1E+15"},
        {0.00001, "1E-05"},
        {0.0, "0"}};
    for (const auto &[value, text] : cases)
        EXPECT_EQ(GeneralDecimal::of(value), QLatin1String(text)) << value;
}

TEST(Mp3CutterTest, ByteRateRuleGivesTheSpan)
{
    using Span = Mp3Cutter::Span;
    const QList<std::tuple<qint64, qint32, qint32, qint32, Span>> cases = {
        {4800000, 240, 30, 90, {599999, 1200000}}, // 20000 bytes a second
        {4800000, 240, 0, 90, {0, 1800000}},       // from the start: e bytes from offset 0
        {5, 2, 1, 3, {1, 6}},                      // 2.5 -> 2 and 7.5 -> 8: halves to even
        {3000000000, 300, 250, 290, {2499999999, 400000000}}, // past 32-bit offsets
    };
    for (const auto &[length, duration, begin, end, span] : cases)
        EXPECT_EQ(Mp3Cutter::span(length, duration, begin, end), span) << length << ' ' << begin;
}

TEST_F(CutMergeTest, CutCopiesTheSpanOverAnyFileOfThatNameOrItsOwnInput)
{
    const QByteArray data = pattern(4800000);
    const QString in = write("in.mp3", data);
    const Mp3Cutter::Span span = Mp3Cutter::span(data.size(), 240, 30, 90);
    const QString longer = write("longer.mp3", pattern(6000000, 3));
    for (const QString &out : {path("new.mp3"), longer}) {
        Mp3Cutter cutter;
        ASSERT_TRUE(cutter.cut(in, span, out, true)) << qPrintable(out);
        EXPECT_TRUE(read(out) == data.mid(599999, 1200000)) << qPrintable(out);
    }
    Mp3Cutter onItself;
    ASSERT_TRUE(onItself.cut(in, {10, 5}, in, true));
    EXPECT_EQ(read(in), data.mid(10, 5));
    Mp3Cutter pastTheEnd; // marks of a longer earlier file: the rest reads as zeros
    ASSERT_TRUE(pastTheEnd.cut(in, {3, 4}, path("tail.mp3"), true));
    EXPECT_EQ(read(path("tail.mp3")), data.mid(13, 2) + QByteArray(2, '\0')); // in is 5 bytes now
    EXPECT_EQ(files(), (QStringList{"in.mp3", "longer.mp3", "new.mp3", "tail.mp3"}));
}

TEST_F(CutMergeTest, AFailedOrCancelledJobLeavesTheOutputAsItWas)
{
    const QString in = write("in.mp3", pattern(3 * PieceCopy::kPieceBytes));
    const QString kept = write("kept.mp3", "keep me");
    Mp3Cutter missing;
    EXPECT_FALSE(missing.cut(path("gone.mp3"), {0, 10}, kept, true));
    Mp3Cutter folder;
    EXPECT_FALSE(folder.cut(m_dir.path(), {0, 10}, kept, true));
    Mp3Cutter noFolder;
    EXPECT_FALSE(noFolder.cut(in, {0, 10}, path("none/out.mp3"), true));
    Mp3Cutter notReplacing;
    EXPECT_FALSE(notReplacing.cut(in, {0, 10}, kept, false));
    Mp3Cutter cancelled;
    QObject::connect(&cancelled, &Mp3Cutter::progress, [&] { cancelled.cancel(); });
    EXPECT_FALSE(cancelled.cut(in, {0, 2 * PieceCopy::kPieceBytes}, kept, true));

    Mp3Merger noAttachment;
    EXPECT_EQ(merge(noAttachment, in, path("gone.mp3"), kept, false), QList<int>{10});
    Mp3Merger stopped;
    QObject::connect(&stopped, &Mp3Merger::progress, [&](int value) {
        if (value > 20)
            stopped.cancel();
    });
    EXPECT_EQ(merge(stopped, in, in, kept, false), (QList<int>{10, 20, 33}));
    EXPECT_EQ(read(kept), QByteArray("keep me"));
    EXPECT_EQ(files(), (QStringList{"in.mp3", "kept.mp3"})) << "no part file left behind";
}

TEST_F(CutMergeTest, MergeJoinsTheFilesWithTheProgressSteps)
{
    const QByteArray base = pattern(2500000), attachment = pattern(700000, 5);
    const QString longer = write("longer.mp3", pattern(4000000, 9));
    Mp3Merger merger; // 3 + 1 pieces: a step of 20
    EXPECT_EQ(merge(merger, write("base.mp3", base), write("att.mp3", attachment), longer),
              (QList<int>{10, 20, 40, 60, 80, 100, 100}));
    EXPECT_TRUE(read(longer) == base + attachment);

    const QList<std::tuple<QByteArray, QByteArray, QList<int>>> cases = {
        {"small", "files", {10, 20, 60, 100, 100}},
        {pattern(PieceCopy::kPieceBytes), "", {10, 20, 60, 100, 100}}, // no remainder piece
    };
    for (const auto &[first, second, progress] : cases) {
        Mp3Merger pair;
        EXPECT_EQ(merge(pair, write("a.mp3", first), write("b.mp3", second), path("ab.mp3")),
                  progress);
        EXPECT_TRUE(read(path("ab.mp3")) == first + second);
    }
    Mp3Merger ontoItsBase; // the base is read whole before it is replaced
    merge(ontoItsBase, path("base.mp3"), path("att.mp3"), path("base.mp3"));
    EXPECT_TRUE(read(path("base.mp3")) == base + attachment);
}
