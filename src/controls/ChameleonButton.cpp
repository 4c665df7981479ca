#include "ChameleonButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "ButtonCanvas.h"
#include "ButtonCaption.h"
#include "ButtonColors.h"
#include "ButtonFrameLook.h"
#include "ButtonGlossLook.h"
#include "ButtonLayout.h"
#include "ButtonPicture.h"
#include "ButtonShape.h"
#include "ButtonState.h"

ChameleonButton::ChameleonButton(const QString &caption, QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCaption(caption);
    connect(this, &QAbstractButton::clicked, this, &ChameleonButton::onClicked);
}

void ChameleonButton::setCaption(const QString &caption)
{
    setText(caption);
    setShortcut(ButtonCaption(caption).shortcut());
}

void ChameleonButton::setSettings(const ButtonSettings &settings)
{
    m_settings = settings;
    setMask(ButtonShape::region(m_settings.type, width(), height()));
    applyPointer();
    updateGeometry();
    redraw(true);
}

void ChameleonButton::setValue(bool value)
{
    m_value = value;
    if (m_settings.checkBoxBehaviour)
        redraw(false);
}

void ChameleonButton::setDefaultMark(bool mark)
{
    m_defaultMark = mark;
    redraw(true);
}

void ChameleonButton::refresh()
{
    setUpdatesEnabled(true);
    redraw(true);
}

void ChameleonButton::DisableRefresh() { setUpdatesEnabled(false); }

QSize ChameleonButton::sizeHint() const
{
    // What a QPushButton with this caption asks for, so laid-out windows keep their sizes.
    QStyleOptionButton option;
    option.initFrom(this);
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, ButtonCaption(Caption()).marked());
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, text, this);
}

void ChameleonButton::onClicked()
{
    if (m_settings.checkBoxBehaviour)
        m_value = !m_value;
    redraw(true);
    emit Click();
}

void ChameleonButton::setHovered(bool hovered)
{
    if (m_hovered == hovered)
        return;
    m_hovered = hovered;
    redraw(false);
    emit hovered ? MouseOver() : MouseOut();
}

ChameleonButton::Drawn ChameleonButton::wanted() const
{
    return {isDown() || (m_settings.checkBoxBehaviour && m_value), m_hovered, hasFocus(), text()};
}

void ChameleonButton::redraw(bool force)
{
    if (force || wanted() != m_drawn)
        update();
}

void ChameleonButton::applyPointer()
{
    if (m_settings.handPointer)
        setCursor(Qt::PointingHandCursor);
    else if (m_settings.mousePointer == 99 && !m_settings.mouseIcon.isNull())
        setCursor(QCursor(m_settings.mouseIcon));
    else
        unsetCursor();
}

void ChameleonButton::paintEvent(QPaintEvent *)
{
    m_drawn = wanted();
    const int type = m_settings.type;
    ButtonState state;
    state.pressed = m_drawn.pressed;
    state.hovered = m_hovered;
    state.enabled = isEnabled();
    state.defaultMark = m_defaultMark;
    state.showFocusRect = m_settings.showFocusRect;
    state.focusMark = m_settings.showFocusRect && (m_drawn.focused || m_defaultMark);
    const QWidget *container = parentWidget() ? parentWidget() : this;
    const ButtonColors colors =
        ButtonColors::make(m_settings, m_hovered, palette(), container->palette());

    QFont captionFont = font();
    if (type == 14 && m_defaultMark)
        captionFont.setBold(true);
    const ButtonCaption caption(m_drawn.caption);
    const QPixmap &source = m_hovered && !m_settings.pictureOver.isNull()
                                ? m_settings.pictureOver
                                : m_settings.pictureNormal;
    const QPixmap picture =
        ButtonPicture::prepare(source, m_settings.maskColor, m_settings.useMaskColor,
                               m_settings.useGreyscale && !m_hovered);
    const ButtonLayout layout =
        ButtonLayout::make(type, size(), QFontMetrics(captionFont), caption.marked(),
                           picture.deviceIndependentSize().toSize(), m_settings.picturePosition);

    // The frame is drawn in logical pixels and scaled up without smoothing: at 200 % every
    // one-pixel line is two device pixels wide and no colour is blended into its neighbour, and
    // at 125 % or 150 % a line is one or two device pixels but still unblended. The caption and
    // picture are drawn afterwards at the screen's own resolution so the text stays sharp.
    ButtonCanvas canvas(size());
    if (type != 11)
        canvas.fill(colors.face);
    if (type == 3)
        ButtonGlossLook::draw(canvas, colors, state);
    else
        ButtonFrameLook::draw(type, canvas, colors, state);
    if (m_settings.showFocusRect && (m_drawn.focused || (type == 2 && m_defaultMark)))
        canvas.dottedBox(layout.captionRect, colors.text);

    QPainter painter(this);
    painter.drawImage(rect(), canvas.image());
    // The frame's outline stays clear of a caption too long for the button.
    painter.setClipRect(rect().adjusted(1, 1, -1, -1));
    const int shift = state.pressed ? 1 : 0;
    if (!picture.isNull())
        painter.drawPixmap(layout.pictureRect.topLeft() + QPoint(shift, shift), picture);
    painter.setFont(captionFont);
    caption.draw(painter, layout.textRect, colors,
                 {m_hovered ? m_settings.foreOver : colors.text, layout.textFlags, state.enabled,
                  state.pressed, m_settings.specialEffect});
}

void ChameleonButton::resizeEvent(QResizeEvent *event)
{
    QAbstractButton::resizeEvent(event);
    setMask(ButtonShape::region(m_settings.type, width(), height()));
}

void ChameleonButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    setHovered(true);
}

void ChameleonButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    setHovered(false);
}

void ChameleonButton::mouseMoveEvent(QMouseEvent *event)
{
    // While a press holds the mouse, the window system reports no leaving: the pointer's place
    // decides the hover look (the pressed look itself follows in QAbstractButton).
    QAbstractButton::mouseMoveEvent(event);
    setHovered(hitButton(event->position().toPoint()));
}

void ChameleonButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: focusNextPrevChild(false); break;
    case Qt::Key_Right:
    case Qt::Key_Down: focusNextPrevChild(true); break;
    default: QAbstractButton::keyPressEvent(event); break;
    }
}

#include "moc_ChameleonButton.cpp"
