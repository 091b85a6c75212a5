#pragma once

// Where a text's ink lies in a picture of a field: the columns that hold
// dark pixels (the text, and the cursor where it is drawn). The pictures of
// the result field tell from it whether a text is shown whole: a text that
// is scrolled or cut loses columns at one end.

#include <QColor>
#include <QImage>
#include <QRect>

struct InkColumns
{
    int left = -1; // -1: no ink at all
    int right = -1;
    bool found() const { return left >= 0; }
};

// Dark enough to be text on white or grey, not the grey of a frame.
constexpr int InkGreyBelow = 96;

inline InkColumns inkColumns(const QImage& picture, const QRect& area)
{
    InkColumns ink;
    const QRect within = area.intersected(picture.rect());
    for (int x = within.left(); x <= within.right(); ++x) {
        for (int y = within.top(); y <= within.bottom(); ++y) {
            if (qGray(picture.pixel(x, y)) < InkGreyBelow) {
                if (ink.left < 0)
                    ink.left = x;
                ink.right = x;
                break;
            }
        }
    }
    return ink;
}
