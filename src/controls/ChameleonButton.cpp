#include "ChameleonButton.h"

ChameleonButton::ChameleonButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setStyleSheet(QStringLiteral(
        "ChameleonButton { color: rgb(0,0,255); border: 1px solid rgb(0,60,115); border-radius: "
        "3px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(240,240,255), stop:1 "
        "rgb(212,212,230)); }"
        "ChameleonButton:hover { border: 1px solid rgb(255,178,49); }"
        "ChameleonButton:pressed { background: rgb(200,200,215); padding-left: 1px; padding-top: "
        "1px; }"
        "ChameleonButton:disabled { color: rgb(150,150,150); border-color: rgb(160,160,160);"
        " background: rgb(216,216,216); }"));
    connect(this, &QPushButton::clicked, this, &ChameleonButton::Click);
}
