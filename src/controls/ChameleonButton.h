#pragma once

#include <QPushButton>

// The program's push button. Windows use only this interface: Caption, enabled state, tooltip
// and the Click signal.
class ChameleonButton : public QPushButton {
    Q_OBJECT
public:
    explicit ChameleonButton(const QString &caption = QString(), QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

signals:
    // Raised for a left click (or Space) on an enabled button.
    void Click();
};
