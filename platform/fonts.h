#pragma once

#include <QFont>

// The fonts of the windows: the classic Windows faces where installed,
// otherwise the closest kind the system offers.
namespace fonts {

// Captions and fields: MS Sans Serif 8.25 pt or a sans-serif font.
QFont controls();
// The text viewer: Courier New 9.75 pt or another fixed-pitch font.
QFont fixedPitch();
// The format error message: Times New Roman 9.75 pt or a serif font.
QFont serif();

} // namespace fonts
