#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A test with a folder of its own whose "tmp" subfolder is $TMPDIR while it runs, so the files a
// job leaves behind, temporary ones included, can be counted.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(path("tmp")));
        qputenv("TMPDIR", QFile::encodeName(path("tmp")));
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Every file in the folder and in its temporary folder, hidden ones included.
    QStringList leftovers() const
    {
        const auto filter = QDir::Files | QDir::Hidden;
        return QDir(m_dir.path()).entryList(filter) + QDir(path("tmp")).entryList(filter);
    }

    QTemporaryDir m_dir;
};
