#include "Form2A.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "controls/DirTree.h"
#include "controls/chameleonButton.h"

Form2A::Form2A(QWidget *editor) : QDialog(editor)
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
    auto *cancel = new chameleonButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setMinimumWidth(88);
    connect(cancel, &chameleonButton::Click, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);
    resize(280, editor ? editor->height() : 420);
}

void Form2A::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeBesideEditor();
}

void Form2A::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    placeBesideEditor();
}

void Form2A::placeBesideEditor()
{
    if (const QWidget *editor = parentWidget())
        move(editor->frameGeometry().right() + 1, editor->frameGeometry().top());
}
