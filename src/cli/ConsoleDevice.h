#pragma once

#include <QByteArray>
#include <QIODevice>

class QTextStream;

// Standard output or error of tavro-cli. File names in the text a command writes carry the bytes
// of names that are not UTF-8 (FileNameCodec); this device turns the text back into bytes, so
// such a name prints as its own bytes, as ls does into a pipe, instead of as U+FFFD. The stream
// hands the text over unconverted (as UTF-16) for that.
class ConsoleDevice : public QIODevice {
public:
    explicit ConsoleDevice(int fd);

    // Opens the device and makes stream write through it.
    void attach(QTextStream &stream);

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    int m_fd;
    QByteArray m_pending; // an odd byte, or a high surrogate whose partner comes next
};
