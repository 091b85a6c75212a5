#pragma once

#include <QFont>
#include <QString>

// The fonts of the windows: the classic Windows faces where installed,
// otherwise the closest kind the system offers.
namespace fonts {

// The face that the main window's controls and the viewer's OK button are
// drawn for.
inline const QString ClassicSans = QStringLiteral("MS Sans Serif");
// 8.25 points of it: on Windows its 8-point face, 13 pixels high at 96 dpi.
constexpr double ControlPoints = 8.25;
constexpr int ClassicSansPixels = 13;
constexpr double ClassicDpi = 96.0;

// Captions and fields: MS Sans Serif 8.25 pt or a sans-serif font. Where the
// system has no MS Sans Serif of its own, the free one that Wine's fonts
// bring (Debian's fonts-wine) is loaded first.
QFont controls();
// The same for a screen of that many logical dots per inch and device pixels
// per logical pixel: the bitmap face where it has the size that 8.25 points
// asks for there, otherwise an outline face at 8.25 points.
QFont controlsAt(double dotsPerInch, double pixelRatio);
// The text viewer: Courier New 9.75 pt or another fixed-pitch font.
QFont fixedPitch();
// The format error message: Times New Roman 9.75 pt or a serif font.
QFont serif();

// The pixel size that 8.25 points asks of the bitmap face at that scale:
// its 13-pixel face at 96 dpi, grown as the layout grows.
int classicSansPixelsAt(double dotsPerInch);
// Whether a bitmap face of facePixels is drawn in its own pixels at that
// scale: at its own size and one of its pixels to one of the screen's. A
// bitmap face drawn at another size comes out blurred, tiny or huge.
bool bitmapServes(int facePixels, double dotsPerInch, double pixelRatio);

// Loads Wine's MS Sans Serif into the program's font database, once, unless
// the system offers an MS Sans Serif of its own or Wine's fonts are not
// installed. Returns whether the program loaded it.
bool loadWineClassicSans();

// The font at a horizontal stretch narrow enough that the text takes no
// more than width pixels; the font itself where it fits already or cannot be
// narrowed (a bitmap face). Never narrower than MinimumStretch.
constexpr int MinimumStretch = 75;
QFont narrowedToFit(const QFont& font, const QString& text, double width);

} // namespace fonts
