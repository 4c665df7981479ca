#pragma once

#include <QString>

#include "SheetTracks.h"

// The checked tracks of a disc image, read by the sheet reader its extension names: ".cue"
// (CueSheet) or ".toc" (TocSheet). Any other image, NRG among them, is refused: the image library
// would trust a layout nothing here has checked.
class ImageSheet {
public:
    bool read(const QString &imagePath);

    // The BIN the sheet names, as an absolute path.
    const QString &binPath() const { return m_tracks.binPath(); }
    // The checked sheet as CUE, naming binName as its file.
    QByteArray text(const QByteArray &binName) const { return m_tracks.cueText(binName); }
    // Why the last read failed, in words to follow "<image>: ".
    const QString &problem() const { return m_problem; }

private:
    template <typename Reader> bool readWith(const QString &path);

    SheetTracks m_tracks;
    QString m_problem;
};
