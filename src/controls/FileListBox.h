#pragma once

#include <QListWidget>
#include <QRegularExpression>

// The file list: the files of one folder that match Pattern, sorted by name without regard to
// case, hidden files left out (see FolderListing).
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr);

    QString Path() const { return m_path; }
    void setPath(const QString &folder);
    // Wildcards separated by ";", matched without regard to case ("*.mp3" lists a.MP3 too).
    // The default "*" lists every file.
    void setPattern(const QString &pattern);

private:
    bool matches(const QString &name) const;
    void refresh();

    QString m_path;
    QList<QRegularExpression> m_wildcards;
};
