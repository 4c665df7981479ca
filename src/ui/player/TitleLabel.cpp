#include "TitleLabel.h"

#include <QMouseEvent>

TitleLabel::TitleLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void TitleLabel::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->globalPosition().toPoint());
    event->accept(); // handled here, so the window below does not start a second drag
}

void TitleLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

#include "moc_TitleLabel.cpp"
