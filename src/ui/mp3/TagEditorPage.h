#pragma once

#include <QWidget>

#include "Mp3FileRecord.h"

class DirListBox;
class DriveListBox;
class FileListBox;
class QComboBox;
class QLabel;
class QLineEdit;
class WorkingFolderBox;

// The tags editor's "ID3" page: drive, folder and MP3 file lists; a click on a file (or a move
// to it with the keys) shows its tag in six boxes (with the year and genre choice lists) and its
// header in nine lines; "Update" and "Change ID3" write the six boxes into the file shown last.
class TagEditorPage : public QWidget {
    Q_OBJECT
public:
    explicit TagEditorPage(QWidget *parent = nullptr);

    // Shows the file `path`: reads it through a fresh record (so nothing of an earlier file
    // shows), fills the boxes, the choice lists and the header lines.
    void GetMP3Info(const QString &path);
    // Writes the six boxes, in order, to the file shown last; says so when it could not.
    void writeid3();
    // Makes `folder` the page's folder: drive, folder and file lists follow.
    void setFolder(const QString &folder);

signals:
    void changeDirectoryRequested();

private:
    QWidget *buildFolderColumn();
    QWidget *buildTagColumn();
    QWidget *buildTagFields();
    QWidget *buildInfoBox();
    QComboBox *addChoiceList(int index, const QString &list);
    void showChoice(QComboBox *choices, const QString &value);
    // The drive list, the file list and the folder box follow the folder list.
    void followFolder();

    Mp3FileRecord m_record;
    WorkingFolderBox *m_folder = nullptr;
    DriveListBox *m_drive1 = nullptr;
    DirListBox *m_dir1 = nullptr;
    FileListBox *m_fileList = nullptr;
    QList<QLineEdit *> m_txt1; // title, artist, album, year, comment, genre
    QList<QComboBox *> m_cmb;  // years, genres
    QList<QLabel *> m_lbl1;    // the nine header lines
};
