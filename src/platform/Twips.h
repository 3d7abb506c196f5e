#pragma once

#include <QRect>

// Designed sizes are in twips; 15 twips make one pixel at 96 dpi. Qt's own high-DPI scaling
// takes care of other screens.
constexpr int twipsToPixels(int twips) {
    return (twips * 2 + 15) / 30;
}
constexpr int pixelsToTwips(int pixels) {
    return pixels * 15;
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
