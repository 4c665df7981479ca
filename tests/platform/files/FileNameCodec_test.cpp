#include <gtest/gtest.h>

#include "FileNameCodec.h"

using namespace Qt::Literals::StringLiterals;

namespace {
QString escaped(std::initializer_list<char16_t> units)
{
    QString text;
    for (const char16_t unit : units)
        text.append(QChar(unit));
    return text;
}
} // namespace

TEST(FileNameCodecTest, DecodesValidUtf8AsQtDoesAndEscapesEveryOtherByte)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"ASCII", "/music/a b.mp3", QStringLiteral("/music/a b.mp3")},
        {"two, three and four bytes", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb5",
         QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x8e\xb5")},
        {"Latin-1", "caf\xe9.mp3", u"caf"_s + escaped({0xDCE9}) + u".mp3"_s},
        {"lone 0xff", "\xff\xfe bad", escaped({0xDCFF, 0xDCFE}) + u" bad"_s},
        {"truncated at the end", "a\xe2\x82", u"a"_s + escaped({0xDCE2, 0xDC82})},
        {"truncated before ASCII", "\xc3x", escaped({0xDCC3}) + u"x"_s},
        {"stray continuation", "\x80", escaped({0xDC80})},
        {"overlong slash", "\xc0\xaf", escaped({0xDCC0, 0xDCAF})},
        {"overlong three bytes", "\xe0\x80\xaf", escaped({0xDCE0, 0xDC80, 0xDCAF})},
        {"surrogate U+D800 as UTF-8", "\xed\xa0\x80", escaped({0xDCED, 0xDCA0, 0xDC80})},
        {"escape U+DCFF as UTF-8", "\xed\xb3\xbf", escaped({0xDCED, 0xDCB3, 0xDCBF})},
        {"past U+10FFFF", "\xf4\x90\x80\x80", escaped({0xDCF4, 0xDC90, 0xDC80, 0xDC80})},
        {"U+10080, whose low half looks like an escape", "\xf0\x90\x82\x80",
         QString::fromUtf8("\xf0\x90\x82\x80")},
        {"U+10FFFF itself", "\xf4\x8f\xbf\xbf", QString::fromUtf8("\xf4\x8f\xbf\xbf")},
    };
    for (const auto &c : cases) {
        const QString text = FileNameCodec::decode(c.bytes);
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_EQ(FileNameCodec::encode(text), c.bytes) << c.name;
    }
}

TEST(FileNameCodecTest, EveryHighByteComesBackAloneAndInsideValidText)
{
    for (int byte = 0x80; byte <= 0xff; ++byte) {
        const QByteArray bytes = "\xc3\xa9" + QByteArray(1, char(byte)) + "\xf0\x9f\x8e\xb5";
        EXPECT_EQ(FileNameCodec::encode(FileNameCodec::decode(bytes)), bytes) << byte;
    }
}

TEST(FileNameCodecTest, ShowsEscapedBytesAsReplacementCharactersAndKeepsPairs)
{
    const QString text = FileNameCodec::decode("\xff\xfe caf\xc3\xa9 \xf0\x90\x82\x80");
    EXPECT_EQ(FileNameCodec::display(text),
              QString::fromUtf8("\xef\xbf\xbd\xef\xbf\xbd caf\xc3\xa9 "
                                "\xf0\x90\x82\x80"));
    // A stray surrogate no decoded name holds is written as U+FFFD, never as broken UTF-8.
    EXPECT_EQ(FileNameCodec::encode(escaped({0xD800}) + u"x"_s), "\xef\xbf\xbdx");
}

TEST(FileNameCodecTest, FileUrlsCarryThePathsOwnBytes)
{
    const QString path = FileNameCodec::decode("/m\xfc/50% #1?.mp3");
    const QString url = FileNameCodec::toFileUrl(path);
    EXPECT_EQ(url, u"file:///m%FC/50%25%20%231%3F.mp3"_s);
    EXPECT_EQ(FileNameCodec::fromFileUrl(QUrl(url)), path);
    EXPECT_EQ(FileNameCodec::fromFileUrl(QUrl(u"http://host/a.mp3"_s)), QString());
}
