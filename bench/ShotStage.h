#pragma once

#include <functional>

#include <QString>

#include "Mp3MediaComponent.h"
#include "Playlist.h"
#include "ScriptedFileDialog.h"
#include "SoundCommandService.h"

class QWidget;

// What one screenshot's window works with: a play list, the process's sound service and media
// component, made as src/app/main.cpp makes them, and file dialogs answered from queues. Once the
// window is in shape its rectangle on the screen, in device pixels ("WIDTHxHEIGHT+X+Y"), goes to
// the ready file.
class ShotStage {
public:
    explicit ShotStage(QString readyFile);

    Playlist &playlist() { return m_playlist; }
    SoundCommandService &sound() { return m_sound; }
    Mp3MediaComponent &media() { return m_media; }
    ScriptedFileDialog &fileDialog() { return m_fileDialog; }

    // Runs action once done() holds, asking every 100 ms from the next event-loop turn on.
    void when(std::function<bool()> done, std::function<void()> action);
    // Writes the window's rectangle once done() holds and the window has had time to repaint.
    void readyWhen(QWidget *window, std::function<bool()> done);
    void readyNow(QWidget *window);

private:
    void writeGeometry(const QWidget &window) const;

    QString m_readyFile;
    Playlist m_playlist;
    SoundCommandService m_sound;
    Mp3MediaComponent m_media;
    ScriptedFileDialog m_fileDialog;
};
