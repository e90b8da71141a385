// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every fixed text of the 5Tone editor, its encode list and its special call dialogs, quoted
// as the radio's own software shows them (odd spellings included). Option lists are in
// five_tone_codes.h.

#include "app/editor_names.h"

namespace signalling::five_tone::texts {

// Help page of the 5Tone editor.
inline constexpr int kHelpContext = 193;
inline constexpr app::EditorNames kEditorNames{"5Tone", "5Tone", "5Tone", "fiveTone", "fiveTone", kHelpContext,
                                               "five-tone.html"};

// General settings.
inline constexpr const char* kSelfId = "Self ID";
inline constexpr const char* kDecodeStandard = "Decode Standard";
inline constexpr const char* kDecodingResponse = "Decoding Response";
inline constexpr const char* kDecodeToneLength = "Time Of Decode Tone(ms)";
inline constexpr const char* kPretime = "Pretime(ms)";
inline constexpr const char* kAutoResetTime = "Auto Reset Time(s)";
inline constexpr const char* kTimeLapseAfterEncode = "Time-Lapse After Encode(ms)";
inline constexpr const char* kPttIdPause = "PTTID Pause Time(s)";
inline constexpr const char* kFirstDelay = "First Delay(ms)";
inline constexpr const char* kStopCode = "Stop Code";
inline constexpr const char* kStopTime = "Stop Time(ms)";
inline constexpr const char* kDecodeTime = "Decode Time(ms)";
inline constexpr const char* kSideTone = "Side Tone";
inline constexpr const char* kOff = "Off";

// BOT and EOT.
inline constexpr const char* kBotGroup = "PTTID Starting (BOT)";
inline constexpr const char* kEotGroup = "PTTID Ending (EOT)";
inline constexpr const char* kEncodeId = "Encode ID";
inline constexpr const char* kStandard = "Standard";
inline constexpr const char* kToneLength = "Tone Length(ms)";
inline constexpr const char* kSpecialCall = "Special Call";

// Information codes.
inline constexpr const char* kInformationGroup = "Infomation Code Function";
inline constexpr const char* kInformationNumber = "Information ID NO.";
inline constexpr const char* kFunctionOption = "Function Option";
inline constexpr const char* kInformationId = "Information ID";
inline constexpr const char* kFunctionName = "Function Name";

// Encode list grid.
inline constexpr const char* kListHeaders[] = {"NO.", "Spaciel Call", "Encode ID", "Encode Standard",
                                                "Time of Encode Tone(ms)", "Name"};
inline constexpr int kListWidthsTwips[] = {480, 1020, 4200, 1500, 1400, 1200};
// What a screen reader calls the list and the standard's tone table (no label stands beside them).
inline constexpr const char* kEncodeListName = "5Tone Encode List";
inline constexpr const char* kToneTableName = "Tone Table";
inline constexpr const char* kResetCallId = "Reset Call ID";
inline constexpr const char* kPromptCaption = "Prompt";

// Special call dialogs.
inline constexpr const char* kDialogTitle = "Special Call";
inline constexpr const char* kEntryNumber = "NO.";
inline constexpr const char* kChooseCallType = "Choose Call Type";
inline constexpr const char* kChooseCallFormat = "Choose Call Format";
inline constexpr const char* kOtherSideId = "The Other Side ID";
inline constexpr const char* kIntervalCharacter = "Interval Character";
inline constexpr const char* kMessage = "Message";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kOtherSideIdPreset = "12345";

} // namespace signalling::five_tone::texts
