#pragma once

#include <QString>

// Tavro's own icon (a scalable SVG, and a 48-pixel PNG drawn from it), built into the program and
// installed in the user's hicolor icon folder, where desktop entries and icon themes find it.
namespace ProgramIcon {

// Writes $dataHome/icons/hicolor/scalable/apps/tavro.svg and .../48x48/apps/tavro.png (each
// atomically). The SVG's path, or an empty string when either could not be written.
QString install(const QString &dataHome);
// Removes both; true when neither is left.
bool remove(const QString &dataHome);

} // namespace ProgramIcon
