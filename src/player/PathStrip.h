#pragma once

#include <QWidget>

// The strip in which the playing file's path scrolls from right to left, 40 twips per step.
class PathStrip : public QWidget {
    Q_OBJECT
public:
    explicit PathStrip(QWidget *parent = nullptr);

    void setText(const QString &text);
    // One step of the scroll: moves the drawing position and redraws when a pixel changed.
    void scroll();
    int positionTwips() const { return m_twips; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    int m_twips = 0;     // kept for the window's lifetime, starting at 0
    bool m_blue = false; // the colour set after a step applies from the next one
    int m_drawnPixel = 0;
};
