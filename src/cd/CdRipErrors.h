#pragma once

#include <QString>

// The CD classes' one error routine.
namespace CdRipErrors {
// Raises RaisedError 29500 + code with the source "tavro." + source and the description of the
// code: isLibraryCode tells the ripping library's result codes from the classes' own codes.
// Code 0 returns, and so does library code 4 (a ripping range that is done).
void RaiseRipError(const QString &source, int code, bool isLibraryCode);
} // namespace CdRipErrors
