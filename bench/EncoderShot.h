#pragma once

#include <QStringList>

class QWidget;
class ShotStage;

// The CD-to-MP3 encoder for a screenshot: lists the drives of the ripping library (the caller
// points $TAVRO_CDRIP_INI at a disc image) and encodes one track into the file given.
class EncoderShot {
public:
    // args: TRACK-ROW OUT.mp3 (OUT must not exist: the run refuses to replace it).
    static QWidget *make(ShotStage &stage, const QStringList &args);
};
