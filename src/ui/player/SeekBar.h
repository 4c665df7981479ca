#pragma once

#include <QWidget>

// The seek bar: its width stands for the track's duration, and a marker shows the position.
// Pressing on it asks for that position. It repaints only when the marker moves a pixel.
class SeekBar : public QWidget {
    Q_OBJECT
public:
    explicit SeekBar(QWidget *parent = nullptr);

    // scale: seconds across the whole width (the duration); marker: seconds from the left.
    void show(double scale, double marker);

signals:
    void seekRequested(double seconds);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    double m_scale = 0.0;
    int m_markerPixel = 0;
};
