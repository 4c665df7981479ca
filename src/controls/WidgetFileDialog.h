#pragma once

#include "FileDialog.h"

// The real file dialog: QFileDialog over the active window.
class WidgetFileDialog : public FileDialog {
public:
    QString showOpen(const QString &filter, const QString &fileName) override;
    QString showSave(const QString &filter, const QString &fileName) override;

    // "MP3 Files (*.mp3)|*.mp3|M3U Playlist (*.m3u)|*.m3u" -> "MP3 Files (*.mp3);;M3U Playlist
    // (*.m3u)"
    static QString toQtFilter(const QString &filter);
};
