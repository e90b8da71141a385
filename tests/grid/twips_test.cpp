// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/twips.h"

#include <gtest/gtest.h>

namespace {

struct TwipsCase {
    int twips;
    int dpi;
    int pixels;
};

TEST(Twips, ConvertsWithTheTruncatedTwipsPerPixel)
{
    const TwipsCase cases[] = {
        {600, 96, 40},    // header row: 15 twips per pixel
        {1320, 96, 88},
        {500, 96, 33},    // truncates
        {600, 120, 50},   // 12 twips per pixel
        {1320, 120, 110},
        {4200, 120, 350},
        {1000, 144, 100},
        {600, 192, 85},   // 1440 / 192 truncates to 7
        {0, 96, 0},
    };
    for (const TwipsCase& c : cases)
        EXPECT_EQ(grid::twipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi << " DPI";
}

TEST(Twips, SurvivesDpisThatWouldDivideByZero)
{
    EXPECT_EQ(grid::twipsToPixels(600, 0), 40);      // no screen yet: taken as 96 DPI
    EXPECT_EQ(grid::twipsToPixels(600, -1), 40);
    EXPECT_EQ(grid::twipsToPixels(1440, 2880), 2880);   // finer than a twip per pixel
    EXPECT_EQ(grid::pixelsToTwips(2880, 2880), 1440);
}

TEST(Twips, PixelsBackToTwipsUseTheSameRatio)
{
    EXPECT_EQ(grid::pixelsToTwips(40, 96), 600);
    EXPECT_EQ(grid::pixelsToTwips(50, 120), 600);
    EXPECT_EQ(grid::pixelsToTwips(1, 192), 7);
}

} // namespace
