#pragma once

#include <QWidget>

// The tool windows' progress bar: a box with a single-line border holding one blue bar that
// fills Value / Max of it (nothing for a negative Value, all of it beyond Max). Repaints only
// when a pixel changes, so callers may set Value for every chunk of work.
class ProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent = nullptr);

    float Max() const { return m_max; }
    // 0 and values that are not numbers are ignored, so a caller that divides by a total of 0
    // keeps the earlier maximum.
    void setMax(float value);
    float Value() const { return m_value; }
    void setValue(float value);

    // The bar in widget pixels: inside the border, as high as the box.
    QRect barRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    template <typename Change> void changeScale(Change change);

    float m_max = 1.0f;
    float m_value = 0.0f;
};
