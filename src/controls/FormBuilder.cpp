#include "FormBuilder.h"

#include <QLabel>

#include "ChameleonButton.h"

QLabel *FormBuilder::label(const char *name, const QString &caption, const QRect &geometry,
                           const QString &tooltip) const
{
    auto *label = new QLabel(caption, &m_form);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setToolTip(tooltip);
    return label;
}

ChameleonButton *FormBuilder::button(const char *name, const QString &caption,
                                     const QString &tooltip, const QRect &geometry) const
{
    auto *button = new ChameleonButton(caption, &m_form);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tooltip);
    button->setGeometry(geometry);
    return button;
}

void FormBuilder::markAction(ChameleonButton *button)
{
    ButtonSettings settings = button->settings();
    settings.foreColor = settings.foreOver = QColor(255, 0, 0);
    button->setSettings(settings);
}

void FormBuilder::setBold(QWidget *widget, int pointSize)
{
    QFont font = widget->font();
    font.setBold(true);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    widget->setFont(font);
}

void FormBuilder::setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}
