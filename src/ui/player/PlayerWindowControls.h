#pragma once

#include <map>

#include <QColor>
#include <QRect>
#include <QString>

class ChameleonButton;
class PathStrip;
class QLabel;
class QListWidget;
class QSlider;
class QWidget;
class ScrollingText;
class SeekBar;
class TitleLabel;

// Lays out the main window's controls on it: captions, tooltips, designer names (as object
// names) and places. PlayerWindow wires them; nothing here reacts to anything.
class PlayerWindowControls {
public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kWidth = 7095 / kTwipsPerPixel;  // 473 pixels
    static constexpr int kHeight = 4455 / kTwipsPerPixel; // 297 pixels

    explicit PlayerWindowControls(QWidget &form);

    ChameleonButton *button(int number) const;
    QLabel *value(const QString &name) const { return values.at(name); }
    static void setTextColor(QWidget *widget, const QColor &color);

    TitleLabel *title = nullptr;    // Label1
    TitleLabel *minimise = nullptr; // Label2
    TitleLabel *exit = nullptr;     // Label3
    TitleLabel *time = nullptr;     // Label27
    QLabel *date = nullptr;         // Label30
    QListWidget *list = nullptr;    // List1
    PathStrip *pathStrip = nullptr; // Picture1
    SeekBar *seekBar = nullptr;     // P1
    QSlider *slider1 = nullptr;
    QSlider *slider2 = nullptr;
    QSlider *slider3 = nullptr;
    ScrollingText *credit = nullptr; // Label24
    std::map<int, ChameleonButton *> buttons;
    std::map<QString, QLabel *> values; // the value labels the engine fills, by designer name

private:
    QLabel *addLabel(const char *name, const QString &caption, const QRect &geometry,
                     const QString &tooltip = QString());
    void buildTitleLine();
    void buildPlaylistAndValues();
    void buildPlaybackControls();
    void buildButtons();
    void buildFooter();

    QWidget &m_form;
};
