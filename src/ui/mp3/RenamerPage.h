#pragma once

#include <QWidget>

class ChameleonButton;
class FileListBox;
class QButtonGroup;
class QCheckBox;
class QListWidget;
class WorkingFolderBox;

// The tags editor's "RENAMER" page: renames the selected MP3 file, or every one listed, after its
// tag (TagRenamer) with the pattern the arrangement and separator choices make (RenameChoices);
// "Attach Time(00:00)" adds the play time. Every attempt is logged in lv. The RENAME buttons
// wait until an arrangement is chosen, so no rename runs without a pattern.
class RenamerPage : public QWidget {
    Q_OBJECT
public:
    explicit RenamerPage(QWidget *parent = nullptr);

    // Makes `folder` the page's folder; the file list follows.
    void setFolder(const QString &folder);
    void renameSelected();
    void renameAll();

signals:
    void changeDirectoryRequested();

private:
    QWidget *buildFolderColumn();
    QWidget *buildChoices();
    QButtonGroup *addChoiceGroup(QWidget *box, const QStringList &captions, const char *name);
    QString pattern() const;
    void enableRenaming();
    void log(const QString &line, bool renamed);

    WorkingFolderBox *m_folder = nullptr;
    FileListBox *m_fileList = nullptr;
    QButtonGroup *m_arrangements = nullptr;
    QButtonGroup *m_separators = nullptr;
    QCheckBox *m_attachTime = nullptr;
    ChameleonButton *m_renameSelected = nullptr;
    ChameleonButton *m_renameAll = nullptr;
    QListWidget *m_lv = nullptr;
};
