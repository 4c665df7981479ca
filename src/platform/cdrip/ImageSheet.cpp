#include "ImageSheet.h"

#include <QFileInfo>

#include "CueSheet.h"
#include "TocSheet.h"

bool ImageSheet::read(const QString &imagePath)
{
    const QString suffix = QFileInfo(imagePath).suffix().toLower();
    if (suffix == QLatin1String("cue"))
        return readWith<CueSheet>(imagePath);
    if (suffix == QLatin1String("toc"))
        return readWith<TocSheet>(imagePath);
    m_tracks = SheetTracks();
    m_problem = suffix == QLatin1String("nrg")
                    ? QStringLiteral("NRG images are not read, as their layout cannot be checked "
                                     "first; convert it to a CUE/BIN image")
                    : QStringLiteral("not a disc image (a .cue or .toc sheet)");
    return false;
}

template <typename Reader> bool ImageSheet::readWith(const QString &path)
{
    Reader reader;
    const bool ok = reader.read(path);
    m_tracks = reader.tracks();
    m_problem = reader.problem();
    return ok;
}
