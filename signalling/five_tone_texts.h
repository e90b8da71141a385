// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every fixed text of the 5Tone editor, its encode list and its special call dialogs, quoted
// as the radio's own software shows them (odd spellings included). Option lists are in
// five_tone_codes.h.

#include <QCoreApplication>
#include "app/editor_names.h"

namespace signalling::five_tone::texts {

// A text of this header in the user's language (its English while no translation is
// loaded); `count` picks the plural form of a "%n" text.
inline QString tr(const char* text, int count = -1) {
    return QCoreApplication::translate("signalling::five_tone::texts", text, nullptr, count);
}

// Help page of the 5Tone editor.
inline constexpr int kHelpContext = 193;
inline constexpr app::EditorNames kEditorNames{
    QT_TRANSLATE_NOOP("app::EditorNames", "5Tone"), QT_TRANSLATE_NOOP("app::EditorNames", "5Tone"),
    QT_TRANSLATE_NOOP("app::EditorNames", "5Tone"), "fiveTone", "fiveTone", kHelpContext,
                                               "five-tone.html", "signalling::five_tone::texts"};

// General settings.
inline constexpr const char* kSelfId = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Self ID");
inline constexpr const char* kDecodeStandard = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Decode Standard");
inline constexpr const char* kDecodingResponse = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Decoding Response");
inline constexpr const char* kDecodeToneLength = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Time Of Decode Tone(ms)");
inline constexpr const char* kPretime = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Pretime(ms)");
inline constexpr const char* kAutoResetTime = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Auto Reset Time(s)");
inline constexpr const char* kTimeLapseAfterEncode = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Time-Lapse After Encode(ms)");
inline constexpr const char* kPttIdPause = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "PTTID Pause Time(s)");
inline constexpr const char* kFirstDelay = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "First Delay(ms)");
inline constexpr const char* kStopCode = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Stop Code");
inline constexpr const char* kStopTime = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Stop Time(ms)");
inline constexpr const char* kDecodeTime = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Decode Time(ms)");
inline constexpr const char* kSideTone = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Side Tone");
inline constexpr const char* kOff = "Off";  // an option text: stored and reported as it is

// BOT and EOT.
inline constexpr const char* kBotGroup = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "PTTID Starting (BOT)");
inline constexpr const char* kEotGroup = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "PTTID Ending (EOT)");
inline constexpr const char* kEncodeId = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Encode ID");
inline constexpr const char* kStandard = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Standard");
inline constexpr const char* kToneLength = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Tone Length(ms)");
inline constexpr const char* kSpecialCall = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Special Call");

// Information codes.
inline constexpr const char* kInformationGroup = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Infomation Code Function");
inline constexpr const char* kInformationNumber = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Information ID NO.");
inline constexpr const char* kFunctionOption = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Function Option");
inline constexpr const char* kInformationId = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Information ID");
inline constexpr const char* kFunctionName = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Function Name");

// Encode list grid.
inline constexpr const char* kListHeaders[] = {
    QT_TRANSLATE_NOOP("signalling::five_tone::texts", "NO."),
    QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Spaciel Call"),
    QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Encode ID"),
    QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Encode Standard"),
    QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Time of Encode Tone(ms)"),
    QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Name")};
inline constexpr int kListWidthsTwips[] = {480, 1020, 4200, 1500, 1400, 1200};
// What a screen reader calls the list and the standard's tone table (no label stands beside them).
inline constexpr const char* kEncodeListName = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "5Tone Encode List");
inline constexpr const char* kToneTableName = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Tone Table");
inline constexpr const char* kResetCallId = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Reset Call ID");
inline constexpr const char* kPromptCaption = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Prompt");

// Special call dialogs.
inline constexpr const char* kDialogTitle = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Special Call");
inline constexpr const char* kEntryNumber = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "NO.");
inline constexpr const char* kChooseCallType = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Choose Call Type");
inline constexpr const char* kChooseCallFormat = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Choose Call Format");
inline constexpr const char* kOtherSideId = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "The Other Side ID");
inline constexpr const char* kIntervalCharacter = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Interval Character");
inline constexpr const char* kMessage = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Message");
inline constexpr const char* kOk = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "OK");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP("signalling::five_tone::texts", "Cancel");
inline constexpr const char* kOtherSideIdPreset = "12345";

} // namespace signalling::five_tone::texts
