// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/char_filter_validator.h"

#include <gtest/gtest.h>

namespace {

struct FilterCase {
    const char* allowed;
    bool upperCase;
    const char* typed;
    int cursor;
    const char* kept;
    int keptCursor;
};

TEST(CharFilterValidator, DropsRejectedCharactersAndKeepsTheCursorOnTheSameCharacter)
{
    const FilterCase cases[] = {
        {"0123456789.", false, "14x6.5", 3, "146.5", 2},   // cursor was after the x
        {"0123456789ABCD*#", true, "12ab*#ef", 8, "12AB*#", 6},   // upper-cased before filtering
        {"0123456789ABCDEF", false, "12ab", 4, "12", 2},   // case matters without upper-casing
        {"", true, "Name 7!", 7, "NAME 7!", 7},             // no set: everything, upper-cased
        {"ABC", false, "", 0, "", 0},
    };
    for (const FilterCase& c : cases) {
        const grid::CharFilterValidator validator(QString::fromLatin1(c.allowed), c.upperCase);
        QString input = QString::fromLatin1(c.typed);
        int pos = c.cursor;
        EXPECT_EQ(validator.validate(input, pos), QValidator::Acceptable);
        EXPECT_EQ(input, QString::fromLatin1(c.kept)) << c.typed;
        EXPECT_EQ(pos, c.keptCursor) << c.typed;
    }
}

} // namespace
