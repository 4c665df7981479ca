#include "FolderPickerDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ChameleonButton.h"
#include "DirTree.h"

FolderPickerDialog::FolderPickerDialog(QWidget *editor) : QDialog(editor)
{
    setObjectName(QStringLiteral("Form2A"));
    setWindowTitle(QStringLiteral("Change Directory"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    m_tree = new DirTree(this);
    m_tree->setObjectName(QStringLiteral("DirTree1"));
    connect(m_tree, &DirTree::PathChanged, this, [this] {
        emit FolderChosen(m_tree->Path());
        accept();
    });
    auto *cancel = new ChameleonButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setMinimumWidth(88);
    connect(cancel, &ChameleonButton::Click, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);
    resize(280, editor ? editor->height() : 420);
}

void FolderPickerDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeBesideEditor();
}

void FolderPickerDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    placeBesideEditor();
}

void FolderPickerDialog::placeBesideEditor()
{
    if (const QWidget *editor = parentWidget())
        move(editor->frameGeometry().right() + 1, editor->frameGeometry().top());
}

#include "moc_FolderPickerDialog.cpp"
