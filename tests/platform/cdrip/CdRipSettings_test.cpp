#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CdRipSettings.h"
#include "TestMedia.h"

namespace {
class CdRipSettingsTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

CdRipSettings loaded(const QString &file)
{
    CdRipSettings settings;
    EXPECT_TRUE(settings.load(file));
    return settings;
}
} // namespace

TEST_F(CdRipSettingsTest, MissingFileIsCreatedWithDefaultsWhereTheEnvironmentPoints)
{
    const QString file = path(QStringLiteral("config/tavro/cdrip.ini"));
    qputenv("TAVRO_CDRIP_INI", QFile::encodeName(file));
    EXPECT_EQ(CdRipSettings::defaultPath(), file);
    qunsetenv("TAVRO_CDRIP_INI");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(QStringLiteral("xdg"))));
    EXPECT_EQ(CdRipSettings::defaultPath(), path(QStringLiteral("xdg/tavro/cdrip.ini")));

    const CdRipSettings created = loaded(file);
    ASSERT_TRUE(QFile::exists(file));
    const CdRipSettings reread = loaded(file);
    for (const CdRipSettings &s : {created, reread}) {
        EXPECT_TRUE(s.scanDevices);
        EXPECT_TRUE(s.images.isEmpty());
        EXPECT_EQ(s.readSectors, 26);
        EXPECT_EQ(s.rippingMethod, 0);
        EXPECT_EQ(s.retries, 20);
        EXPECT_EQ(s.cdSpeed, 0);
    }
}

TEST_F(CdRipSettingsTest, ReadsWhatItCanAndIgnoresTheRest)
{
    const QString file = path(QStringLiteral("cdrip.ini"));
    TestMedia::writeFile(
        file,
        QByteArray("; comment\n[drives]\n ScanDevices = 0 \n"
                   "[Images]\n# comment\n/discs/a.cue\nsub/b.cue\n\n"
                   "[Ripping]\nReadSectors=5000\nRetries=abc\nRippingMethod=1 ; plain\nCDSpeed=-3\n"
                   "junk line without equals\n=7\n[Other]\nReadSectors=3\n") +
            QByteArray("\x00\xff\xfe binary\r\n", 13));
    const CdRipSettings s = loaded(file);
    EXPECT_FALSE(s.scanDevices);
    EXPECT_EQ(s.images,
              (QStringList{QStringLiteral("/discs/a.cue"), path(QStringLiteral("sub/b.cue"))}));
    EXPECT_EQ(s.readSectors, 200) << "clamped";
    EXPECT_EQ(s.retries, 20) << "not a number: default kept";
    EXPECT_EQ(s.rippingMethod, 1);
    EXPECT_EQ(s.cdSpeed, 0);
}

TEST_F(CdRipSettingsTest, SavedSettingsReadBackAndUnreadablePathsFail)
{
    CdRipSettings s;
    s.scanDevices = false;
    s.images = {path(QStringLiteral("one.cue")), path(QStringLiteral("two words.cue"))};
    s.readSectors = 7;
    s.rippingMethod = 1;
    s.retries = 3;
    s.cdSpeed = 8;
    ASSERT_TRUE(s.save(path(QStringLiteral("saved.ini"))));
    const CdRipSettings back = loaded(path(QStringLiteral("saved.ini")));
    EXPECT_EQ(back.images, s.images);
    EXPECT_EQ(back.readSectors, 7);
    EXPECT_EQ(back.rippingMethod, 1);
    EXPECT_EQ(back.retries, 3);
    EXPECT_EQ(back.cdSpeed, 8);
    EXPECT_FALSE(back.scanDevices);

    CdRipSettings folder;
    EXPECT_FALSE(folder.load(m_dir.path())) << "a folder is not a settings file";
    EXPECT_FALSE(s.save(path(QStringLiteral("missing/dir/x.ini"))));
}
