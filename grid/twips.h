// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sizes in the list editors are given in twips (1/1440 inch). They become pixels per axis by
// dividing by the whole number of twips per pixel at the screen's logical DPI, so 600 twips are
// 40 pixels at 96 DPI and 50 pixels at 120 DPI.

namespace grid {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kFallbackDpi = 96;

// The twips are the sizes at the standard desktop font (9 pt) on a 96 DPI screen, whose
// letters average this many pixels and whose lines take this many. A larger font, or a
// font of wider letters, widens and heightens the lists in proportion (GridView).
inline constexpr double kStandardLetterWidth = 7.0;
inline constexpr double kStandardLineHeight = 15.0;
inline constexpr int kStandardDpi = 96;

// Twips per pixel, truncated. 0 on screens finer than 1440 DPI; a DPI of 0 or less (no screen
// yet) counts as the usual 96.
constexpr int twipsPerPixel(int dpi)
{
    return kTwipsPerInch / (dpi > 0 ? dpi : kFallbackDpi);
}

constexpr int twipsToPixels(int twips, int dpi)
{
    const int perPixel = twipsPerPixel(dpi);
    if (perPixel == 0)   // the truncated divisor would be zero; scale exactly instead
        return twips * dpi / kTwipsPerInch;
    return twips / perPixel;
}

constexpr int pixelsToTwips(int pixels, int dpi)
{
    const int perPixel = twipsPerPixel(dpi);
    if (perPixel == 0)
        return pixels * kTwipsPerInch / dpi;
    return pixels * perPixel;
}

} // namespace grid
