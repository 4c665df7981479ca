#include "WorkingFolderBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ChameleonButton.h"

WorkingFolderBox::WorkingFolderBox(int index, QWidget *parent) : QWidget(parent)
{
    auto *caption = new QLabel(QStringLiteral("Current Working Directory:"), this);
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("txtPath_%1").arg(index));
    m_path->setReadOnly(true);
    auto *change = new ChameleonButton(QStringLiteral("Change Directory"), this);
    change->setObjectName(QStringLiteral("cmd_%1").arg(index));
    connect(change, &ChameleonButton::Click, this, &WorkingFolderBox::changeRequested);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(m_path, 1, 0);
    grid->addWidget(change, 2, 0, Qt::AlignRight);
}

void WorkingFolderBox::setFolder(const QString &folder)
{
    m_path->setText(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
    m_path->setToolTip(m_path->text());
}

#include "moc_WorkingFolderBox.cpp"
