#pragma once

#include <QByteArray>
#include <QString>

// A new file that has no name until it is complete, so that no crash (SIGKILL, a full file size
// limit, a power cut) can leave a half-written file behind: an O_TMPFILE made in the folder it
// will be linked into. Where the file system has no O_TMPFILE, a hidden ".NAME.PID.part" stands
// in; the next file made for that name removes those of processes that have died.
class UnnamedFile {
public:
    enum class Use {
        Output,  // the path is the file's final name; linkAs() gives it that name
        Scratch, // the path is a folder; the file never gets a name and goes when closed
    };

    explicit UnnamedFile(const QString &path, Use use = Use::Output);
    ~UnnamedFile();
    UnnamedFile(const UnnamedFile &) = delete;
    UnnamedFile &operator=(const UnnamedFile &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }
    // A name that opens this same file again for as long as this object lives.
    QString path() const;
    // Whether path is the path() of an open UnnamedFile: a file that exists already, which a
    // writer that never overwrites anything may still open and fill.
    static bool isOpenUnnamed(const QString &path);
    // Gives the file its final name: replacing an existing entry (atomically) only when replace
    // is set and that entry is a regular file. False when that fails; the file then stays
    // unnamed and goes with this object.
    bool linkAs(bool replace);

    // ".NAME.PID.part" beside target, the hidden name of a part of this process.
    static QByteArray partName(const QByteArray &target);
    // Removes target's hidden part files whose process has ended, this process's number too (a
    // file of that name was left by an earlier process that had it).
    static void removeStaleParts(const QByteArray &target);

private:
    bool openStandIn(const QByteArray &target);
    void hold();
    bool moveStandIn(const QByteArray &target, bool replace);

    QByteArray m_target;
    QByteArray m_standIn; // the fallback's hidden name, until it is moved
    int m_fd = -1;
};
