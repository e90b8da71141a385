// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the DTMF editor and its special call dialog show, quoted as the radio's users
// know them, and the editor's help topic. The option lists live with the fields.

#include "app/editor_names.h"

namespace signalling::dtmf::texts {

// F1 in the DTMF editor.
inline constexpr int kHelpContext = 152;
inline constexpr app::EditorNames kEditorNames{"Dtmf", "DTMF", "Dtmf", "dtmf", "dtmf", kHelpContext, "dtmf.html"};

inline constexpr const char* kAni = "DTMF ANI";
inline constexpr const char* kTransmittingTime = "DTMF Transmitting Time(ms)";
inline constexpr const char* kSelfId = "DTMF Self ID";
// Status bar note when the self ID is left empty.
inline constexpr const char* kSelfIdEmpty = "DTMF Self ID cannot be empty: set back to %1";
inline constexpr const char* kIntervalCharacter = "DTMF Interval Character";
inline constexpr const char* kGroupCode = "Group Code";
inline constexpr const char* kDecodingResponse = "Decoding Response";
inline constexpr const char* kFirstDigitTime = "First Digit Time(ms)";
inline constexpr const char* kPretime = "Pretime(ms)";
inline constexpr const char* kAutoResetTime = "Auto Reset Time(s)";
inline constexpr const char* kTimeLapseAfterEncode = "Time-Lapse After Encode(ms)";
inline constexpr const char* kPttIdPauseTime = "PTTID Pause Time(s)";
inline constexpr const char* kSideTone = "Side Tone";
inline constexpr const char* kRemoteKill = "Remotely Kill";
inline constexpr const char* kRemoteStun = "Remotely Stun";
inline constexpr const char* kPttIdStart = "PTT ID Starting (BOT)";
inline constexpr const char* kPttIdEnd = "PTT ID Ending (EOT)";
inline constexpr const char* kSpecialCall = "Special Call";
inline constexpr const char* kSymbolHint = "Please Input 0~9,A,B,C,D,*,#";

// Encode list headers
inline constexpr const char* kNo = "NO.";
inline constexpr const char* kEncode = "DTMF Encode";
// What a screen reader calls the list (no label stands beside it).
inline constexpr const char* kEncodeListName = "DTMF Encode List";

// DTMF Special Call dialog
inline constexpr const char* kSpecialCallTitle = "DTMF Special Call";
inline constexpr const char* kCallType = "Choose Call Type";
inline constexpr const char* kOtherSideId = "The Other Side ID";
inline constexpr const char* kOtherSidePreset = "000";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";

} // namespace signalling::dtmf::texts
