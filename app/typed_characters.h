// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The characters the editors' text fields let a user type, written once as explicit ASCII
// sets (never the locale's idea of a letter). The fields' validators and the reading of a
// configuration document check against the same sets.

#include <QString>

namespace app::chars {

inline constexpr const char* kDigits = "0123456789";
inline constexpr const char* kDtmfSymbols = "0123456789ABCD*#";
inline constexpr const char* kHexDigits = "0123456789ABCDEF";

// Every printable ASCII character, blank included.
inline QString printableAscii() {
    QString chars;
    for (char c = ' '; c <= '~'; ++c) chars.append(QLatin1Char(c));
    return chars;
}

} // namespace app::chars
