#pragma once

#include <QPixmap>
#include <QWidget>

// A strip in which one line of text slides sideways. Moving it shifts the pixels already drawn
// and paints only the uncovered column, so a text that moves thirty times a second stays cheap.
class ScrollingText : public QWidget {
    Q_OBJECT
public:
    explicit ScrollingText(QWidget *parent = nullptr);

    void setText(const QString &text);
    void setTextColor(const QColor &color);
    int textWidth() const { return m_picture.width(); }
    // Puts the text's left edge at x pixels from the strip's left edge.
    void moveTextTo(int x);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Laying out text is what costs; it is drawn once into a picture that each step shifts.
    void render();

    QString m_text;
    QPixmap m_picture;
    int m_x = 0;
};
