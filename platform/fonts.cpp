#include "fonts.h"

#include "platform.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace fonts {

namespace {

// Wine's MS Sans Serif, made to match the Windows face pixel for pixel: in
// Debian's fonts-wine, outside the directories that fontconfig reads (and
// Debian's fontconfig refuses bitmap faces anyway), so the program loads
// the file itself. Looked for under the XDG data directories, /usr/share
// among them.
const QString WineClassicSans = QStringLiteral("wine/fonts/ms_sans_serif.ttf");

QFont font(const QStringList& families, QFont::StyleHint hint, double points)
{
    QFont result;
    result.setFamilies(families);
    result.setStyleHint(hint);
    result.setPointSizeF(points);
    return result;
}

// Whether the program's font database holds MS Sans Serif with a face of
// exactly that many pixels that is drawn from its bitmaps.
bool hasBitmapClassicSans(int pixels)
{
    if (QFontDatabase::isSmoothlyScalable(ClassicSans))
        return false;
    QFont probe(ClassicSans);
    probe.setPixelSize(pixels);
    const QFontInfo found(probe);
    return found.family().compare(ClassicSans, Qt::CaseInsensitive) == 0
        && found.pixelSize() == pixels;
}

// An outline face of MS Sans Serif's kind. Arial's metrics (Liberation Sans
// elsewhere) are as narrow as MS Sans Serif's. MS Sans Serif itself only
// where it is an outline face: a bitmap face would be taken at the one size
// it has, whatever was asked.
QFont outlineSans()
{
    QStringList families;
    if (QFontDatabase::isSmoothlyScalable(ClassicSans))
        families << ClassicSans;
    families << QStringLiteral("Microsoft Sans Serif") << QStringLiteral("Arial")
             << QStringLiteral("Liberation Sans") << QStringLiteral("Sans Serif");
    return font(families, QFont::SansSerif, ControlPoints);
}

} // namespace

int classicSansPixelsAt(double dotsPerInch)
{
    return static_cast<int>(std::lround(ClassicSansPixels * dotsPerInch / ClassicDpi));
}

bool bitmapServes(int facePixels, double dotsPerInch, double pixelRatio)
{
    return pixelRatio == 1.0 && classicSansPixelsAt(dotsPerInch) == facePixels;
}

bool loadWineClassicSans()
{
    static const bool loaded = [] {
        if (QFontDatabase::families().contains(ClassicSans, Qt::CaseInsensitive))
            return false;
        const QString path =
            QStandardPaths::locate(QStandardPaths::GenericDataLocation, WineClassicSans);
        return !path.isEmpty() && QFontDatabase::addApplicationFont(path) >= 0;
    }();
    return loaded;
}

QFont controlsAt(double dotsPerInch, double pixelRatio)
{
    loadWineClassicSans();
    const int pixels = classicSansPixelsAt(dotsPerInch);
    if (bitmapServes(pixels, dotsPerInch, pixelRatio) && hasBitmapClassicSans(pixels)) {
        QFont classic(ClassicSans);
        classic.setStyleHint(QFont::SansSerif);
        classic.setPixelSize(pixels);
        return classic;
    }
    return outlineSans();
}

QFont controls()
{
    return controlsAt(platform::screenDpi(), platform::screenPixelRatio());
}

QFont fixedPitch()
{
    QFont result = font({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                                QStringLiteral("Monospace")},
                        QFont::TypeWriter, 9.75);
    result.setFixedPitch(true);
    return result;
}

QFont serif()
{
    return font({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                 QStringLiteral("Serif")}, QFont::Serif, 9.75);
}

QFont narrowedToFit(const QFont& font, const QString& text, double width)
{
    const auto advance = [&text](const QFont& candidate) {
        return QFontMetricsF(candidate).horizontalAdvance(text);
    };
    const double natural = advance(font);
    const QFontInfo face(font);
    if (natural <= width || !QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()))
        return font;
    // Widths shrink about in proportion to the stretch, but hinting rounds
    // them either way: from a little above the proportional stretch, the
    // stretch steps down to the widest at which the text fits.
    constexpr int HintingSteps = 2;
    QFont narrowed = font;
    const int proportional = static_cast<int>(std::ceil(100 * width / natural));
    int stretch = std::clamp(proportional + HintingSteps, MinimumStretch, 99);
    for (;; --stretch) {
        narrowed.setStretch(stretch);
        if (stretch == MinimumStretch || advance(narrowed) <= width)
            return narrowed;
    }
}

} // namespace fonts
