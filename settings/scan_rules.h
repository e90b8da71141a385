// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the Scan Information editor that need no widgets: the time lists and their
// conversion, the revert channels each priority mode offers, the priority channel lists,
// which controls are enabled, and the factory values. The editor, the command-line tool
// and the tests share them.

#include "image/radio_image.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <span>

namespace settings::scan {

// Scan mode and priority mode values the rules look at.
constexpr int kScanOn = 1;
constexpr int kPriorityOff = 0;
constexpr int kPriority1 = 1;
constexpr int kPriority2 = 2;
constexpr int kPriorityBoth = 3;

// Time lists in tenths of a second: look back times 0.5-5.0 s, the others 0.1-5.0 s.
constexpr int kLookBackFirstTenths = 5;
constexpr int kDelayFirstTenths = 1;
constexpr int kTimeLastTenths = 50;

// "%.1f" of tenths x 0.1, from the integer: 23 -> "2.3", 50 -> "5.0".
QString tenthsText(unsigned tenths);
// The entries from `first` to `last` tenths in steps of one tenth.
QStringList tenthsList(int first, int last);
// The shown number times 10, fraction dropped, computed on its digits: "2.3" -> 23,
// "0.59" -> 5. Text without digits gives 0; the result is cut to a byte.
std::uint8_t tenthsFromText(QStringView text);

// Revert codes offered for a priority mode, in list order. A mode outside 0-3 (a stored
// byte past the priority list) offers all eight, like the list before the first load.
std::span<const std::uint8_t> revertCodes(int priorityMode);
QStringList revertEntries(int priorityMode);
// The text of a revert code; empty for a code past the list.
QString revertText(std::uint8_t code);
// The code whose text equals `text` exactly; 0 ("Selected") when none does.
std::uint8_t revertCodeFromText(QStringView text);

// The numbers "0"-"199" of every channel in use, ascending (channel-usage bit clear).
QStringList priorityChannelEntries(const image::RadioImage& img);
// The decimal value of a shown channel number; an empty text (no channel in use) gives 0.
std::uint8_t priorityChannelFromText(QStringView text);

// Which controls are enabled. Everything but "Scan Mode" follows the scan mode; the two
// priority channels also follow the priority mode. -1 stands for a list without selection.
struct ScanEnables {
    bool scanControls = false;  // priority mode, revert channel, the four times, enter tone
    bool priorityChannel1 = false;
    bool priorityChannel2 = false;
};
ScanEnables scanEnables(int scanMode, int priorityMode);

// The factory values of "Default.dat": scanning on without priority watching, revert to the
// selected channel, look back 1.0 s and 2.0 s, dropout delay and dwell 2.0 s, enter tone on.
// Every value is an entry of its list, so the editor loads them without correction.
void writeScanDefaults(image::RadioImage& img);

} // namespace settings::scan
