#pragma once

#include <QString>

class ChameleonButton;
class QColor;
class QLabel;
class QRect;
class QWidget;

// Makes a window's controls at fixed places: each with its object name (the designer's name),
// caption, place and tooltip.
class FormBuilder {
public:
    explicit FormBuilder(QWidget &form) : m_form(form) {}

    QLabel *label(const char *name, const QString &caption, const QRect &geometry,
                  const QString &tooltip = {}) const;
    ChameleonButton *button(const char *name, const QString &caption, const QString &tooltip,
                            const QRect &geometry) const;

    // A tool window's button that starts its job: the caption in red instead of blue.
    static void markAction(ChameleonButton *button);
    // pointSize 0 keeps the size.
    static void setBold(QWidget *widget, int pointSize = 0);
    static void setTextColor(QWidget *widget, const QColor &color);

private:
    QWidget &m_form;
};
