#pragma once

#include <QWidget>

class QLineEdit;

// "Current Working Directory:" with the page's folder (shown, not typed: the page's file list
// always lists that folder) and a "Change Directory" button.
class WorkingFolderBox : public QWidget {
    Q_OBJECT
public:
    // `index` names the button and the box as the editor numbers them (cmd_<index>).
    WorkingFolderBox(int index, QWidget *parent = nullptr);

    // Shows the folder, ending in "/".
    void setFolder(const QString &folder);

signals:
    void changeRequested();

private:
    QLineEdit *m_path = nullptr;
};
