#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "ExpectRaised.h"
#include "Mp3Writer.h"
#include "TestMedia.h"

TEST(Mp3WriterTest, RaisesItsNumberedErrors)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("song.mp3"));
    TestMedia::writeFile(existing, "a good file");
    Mp3Writer writer;
    expectRaised([&] { writer.WriteBufferToFile(8193); }, 29873, "tavro.WriteBufferToFile",
                 "Cannot write more data than is available in the buffer");
    expectRaised([&] { writer.WriteBufferToFile(10); }, 29874, "tavro.WriteBufferToFile",
                 "File not open for writing");
    // An existing file is never truncated.
    expectRaised([&] { writer.setFilename(existing); }, 29872, "tavro.OpenFile",
                 "Unable to open file for writing");
    EXPECT_EQ(TestMedia::readFile(existing), QByteArray("a good file"));
    expectRaised([&] { writer.setFilename(QString()); }, 29872, "tavro.OpenFile",
                 "Unable to open file for writing");
    expectRaised([&] { writer.setBufferSize(-1); }, 29871, "tavro.AllocateBuffer",
                 "Unable to allocate output buffer for writing");
    EXPECT_EQ(writer.BufferPointer(), nullptr);
    expectRaised([&] { writer.WriteBufferToFile(1); }, 29873, "tavro.WriteBufferToFile",
                 "Cannot write more data than is available in the buffer");
}
