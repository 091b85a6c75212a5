#pragma once

#include "platform.h"

#include <QRect>

#include <algorithm>
#include <cmath>

// Window layouts are given in twips, 1/1440 inch: 15 twips to the pixel at
// 96 dots per inch. These convert with the screen's logical DPI.
namespace twips {

constexpr double PerInch = 1440.0;

inline int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips * platform::screenDpi() / PerInch));
}

inline double fromPixels(int pixels)
{
    return std::round(pixels * PerInch / platform::screenDpi());
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

// A layout rectangle grown, from its top-left corner, to at least the size
// that a caption needs in the font at hand.
inline QRect grownTo(QRect area, const QSize& needed)
{
    area.setWidth(std::max(area.width(), needed.width()));
    area.setHeight(std::max(area.height(), needed.height()));
    return area;
}

} // namespace twips
