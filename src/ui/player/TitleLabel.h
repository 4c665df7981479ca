#pragma once

#include <QLabel>

// A label that reports presses and clicks: the title line and clock (drag the window), and the
// minimise and exit marks.
class TitleLabel : public QLabel {
    Q_OBJECT
public:
    explicit TitleLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void pressed(QPoint globalPosition);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
