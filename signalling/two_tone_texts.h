// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the 2Tone editor shows, quoted exactly as the radio's users know them, the
// encode list's column layout and the editor's help topic.

#include <QCoreApplication>
#include "app/editor_names.h"

#include <array>

namespace signalling::twotone::texts {

// A text of this header in the user's language (its English while no translation is
// loaded); `count` picks the plural form of a "%n" text.
inline QString tr(const char* text, int count = -1) {
    return QCoreApplication::translate("signalling::twotone::texts", text, nullptr, count);
}

// F1 and the frame's "Help" button open this topic.
inline constexpr int kHelpContext = 157;
inline constexpr app::EditorNames kEditorNames{
    QT_TRANSLATE_NOOP("app::EditorNames", "2Tone"), QT_TRANSLATE_NOOP("app::EditorNames", "2Tone"),
    QT_TRANSLATE_NOOP("app::EditorNames", "2Tone"), "twoTone", "twoTone", kHelpContext,
                                               "two-tone.html", "signalling::twotone::texts"};

inline constexpr const char* kEncodeTab = QT_TRANSLATE_NOOP("signalling::twotone::texts", "Encode");
inline constexpr const char* kDecodeTab = QT_TRANSLATE_NOOP("signalling::twotone::texts", "Decode");

// "Encode" page
inline constexpr const char* kTone1Duration = QT_TRANSLATE_NOOP("signalling::twotone::texts", "1st Tone Duration(s)");
inline constexpr const char* kTone2Duration = QT_TRANSLATE_NOOP("signalling::twotone::texts", "2nd Tone Duration(s)");
inline constexpr const char* kLongToneDuration = QT_TRANSLATE_NOOP("signalling::twotone::texts", "Long Tone Duration(s)");
inline constexpr const char* kGapTime = QT_TRANSLATE_NOOP("signalling::twotone::texts", "Gap Time(ms)");
inline constexpr const char* kAutoResetTime = QT_TRANSLATE_NOOP("signalling::twotone::texts", "Auto Reset Time(s)");
inline constexpr const char* kSideTone = QT_TRANSLATE_NOOP("signalling::twotone::texts", "Side Tone");
inline constexpr const char* kRangeHint = QT_TRANSLATE_NOOP("signalling::twotone::texts", "Please Input: 288- 3116Hz");

// What a screen reader calls the list (the hint above it is no name).
inline constexpr const char* kEncodeListName = QT_TRANSLATE_NOOP("signalling::twotone::texts", "2Tone Encode List");

// "Decode" page
inline constexpr const char* kCallFormat = QT_TRANSLATE_NOOP("signalling::twotone::texts", "2Tone Call Format");
inline constexpr const char* kDecodeResponse = QT_TRANSLATE_NOOP("signalling::twotone::texts", "Decode Response");
inline constexpr std::array<const char*, 4> kToneLabels{
    QT_TRANSLATE_NOOP("signalling::twotone::texts", "ATone Frequency(Hz)"),
    QT_TRANSLATE_NOOP("signalling::twotone::texts", "BTone Frequency(Hz)"),
    QT_TRANSLATE_NOOP("signalling::twotone::texts", "CTone Frequency(Hz)"),
    QT_TRANSLATE_NOOP("signalling::twotone::texts", "DTone Frequency(Hz)")};

// Status bar notes when a typed tone is corrected: the field, the text as typed, the tone set.
inline constexpr std::array<const char*, 4> kDecodeToneNames{
    "ATone Frequency", "BTone Frequency", "CTone Frequency", "DTone Frequency"};
inline constexpr std::array<const char*, 2> kListToneNames{"1st Tone Frequency", "2nd Tone Frequency"};
inline constexpr const char* kToneOutsideRange = QT_TRANSLATE_NOOP("signalling::twotone::texts", "%1 %2 lies outside 288.0-3116.0 Hz: set to %3");
inline constexpr const char* kToneEmpty = QT_TRANSLATE_NOOP("signalling::twotone::texts", "%1 cannot be empty: set to %2");

// Encode list: header and width (twips) of each column.
struct ListColumn {
    const char* header;
    int widthTwips;
};
inline constexpr std::array<ListColumn, 4> kListColumns{{
    {"NO.", 500},
    {"1st Tone Frequency [Hz]", 1400},
    {"2nd Tone Frequency [Hz]", 1400},
    {"Name", 1500},
}};
inline constexpr int kHeaderRowTwips = 600;

} // namespace signalling::twotone::texts
