#pragma once

#include <QStringList>

// The encoder window for a screenshot: lists the drives of the ripping library (the caller
// points $TAVRO_CDRIP_INI at a disc image), encodes one track into the file given, then writes
// the window's geometry ("WxH+X+Y") into the ready file and stays open until it is killed.
class EncoderShot {
public:
    // args: TRACK-ROW OUT.mp3 READY-FILE; runs the application's event loop.
    static int run(const QStringList &args);
};
