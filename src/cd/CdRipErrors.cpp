#include "CdRipErrors.h"

#include "CdRipLibrary.h"
#include "RaisedError.h"

namespace {
constexpr int kErrorBase = 29500;

QString libraryDescription(int code)
{
    switch (code) {
    case CR_ERROR: return QStringLiteral("CDRip Error");
    case CR_FILE_OPEN_ERROR: return QStringLiteral("CDRip File Open Error");
    case CR_JITTER_ERROR: return QStringLiteral("CDRip Jitter Error");
    default: return {};
    }
}

QString classDescription(int code)
{
    switch (code) {
    case 1: return QStringLiteral("CDRip Not Initialised.");
    case 7: return QStringLiteral("Failed to create memory buffer to read CD to.");
    default: return {};
    }
}
} // namespace

void CdRipErrors::RaiseRipError(const QString &source, int code, bool isLibraryCode)
{
    if (code == 0 || (isLibraryCode && code == CR_RANGE_DONE))
        return;
    throw RaisedError(kErrorBase + code, RaisedError::sourceFor(source),
                      isLibraryCode ? libraryDescription(code) : classDescription(code));
}
