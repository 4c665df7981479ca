#pragma once

#include <QAbstractButton>

#include "ButtonSettings.h"

// The owner-drawn push button of every window. It draws one of fourteen looks (type 3 in this
// program) in one of four colour schemes, tracks the mouse for its hover look, and can act as a
// two-state button. A left click, Space or the access key (Alt and the letter after the first
// single "&" of the caption) raises Click; click() does too, as for any Qt button.
class ChameleonButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ChameleonButton(const QString &caption = QString(), QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString &caption);

    const ButtonSettings &settings() const { return m_settings; }
    // Rebuilds the shape, pointer and access key and redraws.
    void setSettings(const ButtonSettings &settings);

    // The state of a check-box button; a button whose Value is on is drawn pressed.
    bool Value() const { return m_value; }
    void setValue(bool value);

    // The container's mark of its default button (type 2 and 3 draw it, type 14 goes bold).
    void setDefaultMark(bool mark);

    static QString Version() { return QStringLiteral("2.0.6"); }

    // Recomputes and redraws, and lets drawing happen again after DisableRefresh.
    void refresh();
    // No drawing until refresh().
    void DisableRefresh();

    QSize sizeHint() const override;

signals:
    void Click();
    void MouseOver();
    void MouseOut();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Drawn {
        bool pressed = false;
        bool hovered = false;
        bool focused = false;
        QString caption;
        bool operator==(const Drawn &) const = default;
    };

    void onClicked();
    void setHovered(bool hovered);
    Drawn wanted() const;
    // Redraw: skipped when the look would stay as last drawn, unless forced.
    void redraw(bool force);
    void applyPointer();

    ButtonSettings m_settings;
    bool m_value = false;
    bool m_defaultMark = false;
    bool m_hovered = false;
    Drawn m_drawn;
};
