#pragma once

#include <QStringList>

class QWidget;
class ShotStage;

// The windows that play or record, caught while they do, through the stage's real sound service
// and media component (a sound server must run).
class SoundWindowShots {
public:
    // args: N FILE...: the main window with the files as its play list, playing the Nth (from 1).
    static QWidget *player(ShotStage &stage, const QStringList &args);
    // args: none or "-": the CD player playing the first drive of $TAVRO_CDRIP_INI.
    static QWidget *cdplayer(ShotStage &stage, const QStringList &args);
    // args: FILE ATTACHMENT CUT MERGED: the cutter playing FILE, with the middle half of it cut
    // into CUT, and the merger after joining FILE and ATTACHMENT into MERGED.
    static QWidget *cutmerge(ShotStage &stage, const QStringList &args);
    // args: OUT: the voice recorder recording for OUT.
    static QWidget *recorder(ShotStage &stage, const QStringList &args);
};
