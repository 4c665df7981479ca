#pragma once

#include <QList>
#include <QWidget>

class InfoReport;
class Playlist;
class QGridLayout;
class QLabel;

// "MP3 File Information": the frame header, ID3v1 tag and validity of the play list's selected
// entry, read through both header readers (InfoReport, as tavro-cli info shows them). It only
// reads the file. Its Close button is the only way out (the frame's close box is off).
class Mp3InfoWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the selected entry of `playlist`, which is only read while the window is made.
    explicit Mp3InfoWindow(const Playlist &playlist, QWidget *parent = nullptr);

private:
    QWidget *buildHeaderBox(const QStringList &captions);
    QWidget *buildTagBox(const QStringList &captions);
    QWidget *buildSide(const QStringList &captions);
    // The caption and value labels of line `index` in `grid` at `row`.
    void addLine(QGridLayout *grid, int row, int index, const QString &caption);
    void showReport(const InfoReport &report);

    QList<QLabel *> m_values;
};
