// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the DTMF editor and its special call dialog show, quoted as the radio's users
// know them, and the editor's help topic. The option lists live with the fields.

#include <QCoreApplication>
#include "app/editor_names.h"

namespace signalling::dtmf::texts {

// A text of this header in the user's language (its English while no translation is
// loaded); `count` picks the plural form of a "%n" text.
inline QString tr(const char* text, int count = -1) {
    return QCoreApplication::translate("signalling::dtmf::texts", text, nullptr, count);
}

// F1 in the DTMF editor.
inline constexpr int kHelpContext = 152;
inline constexpr app::EditorNames kEditorNames{
    QT_TRANSLATE_NOOP("app::EditorNames", "Dtmf"), QT_TRANSLATE_NOOP("app::EditorNames", "DTMF"),
    QT_TRANSLATE_NOOP("app::EditorNames", "Dtmf"), "dtmf", "dtmf", kHelpContext, "dtmf.html", "signalling::dtmf::texts"};

inline constexpr const char* kAni = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "DTMF ANI");
inline constexpr const char* kTransmittingTime = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "DTMF Transmitting Time(ms)");
inline constexpr const char* kSelfId = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "DTMF Self ID");
// Status bar note when the self ID is left empty.
inline constexpr const char* kSelfIdEmpty = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "DTMF Self ID cannot be empty: set back to %1");
inline constexpr const char* kIntervalCharacter = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "DTMF Interval Character");
inline constexpr const char* kGroupCode = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Group Code");
inline constexpr const char* kDecodingResponse = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Decoding Response");
inline constexpr const char* kFirstDigitTime = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "First Digit Time(ms)");
inline constexpr const char* kPretime = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Pretime(ms)");
inline constexpr const char* kAutoResetTime = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Auto Reset Time(s)");
inline constexpr const char* kTimeLapseAfterEncode = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Time-Lapse After Encode(ms)");
inline constexpr const char* kPttIdPauseTime = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "PTTID Pause Time(s)");
inline constexpr const char* kSideTone = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Side Tone");
inline constexpr const char* kRemoteKill = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Remotely Kill");
inline constexpr const char* kRemoteStun = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Remotely Stun");
inline constexpr const char* kPttIdStart = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "PTT ID Starting (BOT)");
inline constexpr const char* kPttIdEnd = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "PTT ID Ending (EOT)");
inline constexpr const char* kSpecialCall = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Special Call");
inline constexpr const char* kSymbolHint = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Please Input 0~9,A,B,C,D,*,#");

// Encode list headers
inline constexpr const char* kNo = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "NO.");
inline constexpr const char* kEncode = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "DTMF Encode");
// What a screen reader calls the list (no label stands beside it).
inline constexpr const char* kEncodeListName = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "DTMF Encode List");

// DTMF Special Call dialog
inline constexpr const char* kSpecialCallTitle = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "DTMF Special Call");
inline constexpr const char* kCallType = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Choose Call Type");
inline constexpr const char* kOtherSideId = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "The Other Side ID");
inline constexpr const char* kOtherSidePreset = "000";
inline constexpr const char* kOk = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "OK");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP("signalling::dtmf::texts", "Cancel");

} // namespace signalling::dtmf::texts
