#pragma once

#include <memory>

#include <QFile>
#include <QString>

// The MP3 encoder's output: one buffer the encoder fills, written to a new file on request.
// Failures raise RaisedError 29870 + code.
class Mp3Writer {
public:
    Mp3Writer() = default;
    Mp3Writer(const Mp3Writer &) = delete;
    Mp3Writer &operator=(const Mp3Writer &) = delete;

    QString Filename() const { return m_filename; }
    // Closes any open file, keeps the name, makes the buffer if there is none yet and creates
    // the file. An existing file is never replaced: creating it fails instead.
    void setFilename(const QString &name);
    // A new zero-filled buffer; when it cannot be made the size becomes 0.
    void setBufferSize(qint64 bytes);
    unsigned char *BufferPointer() { return m_buffer.get(); }
    // Writes the first n bytes of the buffer to the file; returns the count written.
    qint64 WriteBufferToFile(qint64 n);
    void CloseFile();

private:
    void OpenFile(const QString &name);
    void AllocateBuffer(qint64 size);
    static void raise(int code, const QString &operation);

    QString m_filename;
    QFile m_file;
    qint64 m_bufferSize = 8192;
    std::unique_ptr<unsigned char[]> m_buffer;
};
