// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the Channel editor and the Channel Edit dialog show, quoted exactly as the
// radio's users know them ("Compnader" included), and their help topic. The column headers
// of the list live with the column widths in channel_rows.h.

#include <QCoreApplication>
#include "app/editor_names.h"

namespace channels::texts {

// A text of this header in the user's language (its English while no translation is
// loaded); `count` picks the plural form of a "%n" text.
inline QString tr(const char* text, int count = -1) {
    return QCoreApplication::translate("channels::texts", text, nullptr, count);
}

// F1 in the channel list and in the Channel Edit dialog.
inline constexpr int kChannelHelpContext = 0x8017;
inline constexpr app::EditorNames kEditorNames{
    QT_TRANSLATE_NOOP("app::EditorNames", "Channel"), QT_TRANSLATE_NOOP("app::EditorNames", "Channel"),
    QT_TRANSLATE_NOOP("app::EditorNames", "Channel"), "channel", "channel",
                                               kChannelHelpContext, "channel-list.html", "channels::texts"};

// Shared by the list and the dialog: slot 203 may never lose its RX frequency.
inline constexpr const char* kVfoCannotBeNull = QT_TRANSLATE_NOOP("channels::texts", "VFO can`t be null!");

// Status bar notes when a typed frequency is corrected (the list and the dialog): the field
// ("RX", "TX"), the text as typed, then what it became.
inline constexpr const char* kRx = "RX";
inline constexpr const char* kTx = "TX";
inline constexpr const char* kOutsideBand = QT_TRANSLATE_NOOP("channels::texts", "%1 %2 lies outside %3-%4 MHz: set to %5");
inline constexpr const char* kOffRaster = QT_TRANSLATE_NOOP("channels::texts", "%1 %2 lies between the 2.5 and 6.25 kHz steps: set to %3");
inline constexpr const char* kTxDoesNotFollow = QT_TRANSLATE_NOOP("channels::texts", "RX %1 lies outside the TX band %2-%3 MHz: TX set to %4");
inline constexpr const char* kEmptyTxKept = QT_TRANSLATE_NOOP("channels::texts", "TX cannot be empty: kept %1");

// Channel list
inline constexpr const char* kEditButton = QT_TRANSLATE_NOOP("channels::texts", "Edit");
// The context menu's command that opens the Channel Edit dialog, as the button does.
inline constexpr const char* kEditCommand = QT_TRANSLATE_NOOP("channels::texts", "&Edit...");
inline constexpr const char* kListName = QT_TRANSLATE_NOOP("channels::texts", "Channel List");  // a screen reader's name for the list
// Row commands of the channel list
inline constexpr const char* kInsertRefused =
    QT_TRANSLATE_NOOP("channels::texts", "No row can be inserted: channel %1 is in use, and the channels below would move past channel 199.");
inline constexpr const char* kNothingToPaste = QT_TRANSLATE_NOOP("channels::texts", "The clipboard holds no channel rows to paste.");
inline constexpr const char* kPasteCannotUse = QT_TRANSLATE_NOOP("channels::texts", "The clipboard's text cannot be pasted as channels: %1.");
inline constexpr const char* kPasteReport = QT_TRANSLATE_NOOP("channels::texts", "%1 channels pasted, %2 rows left out, %3 warnings:\n\n%4");
inline constexpr const char* kPasteRecordsPastEnd =
    QT_TRANSLATE_NOOP("channels::texts", "%1 channels pasted; %2 did not fit above the end of the list (channel 199) and were left out.");

// Channel Edit dialog
inline constexpr const char* kDialogTitle = QT_TRANSLATE_NOOP("channels::texts", "Channel Edit");
inline constexpr const char* kNo = QT_TRANSLATE_NOOP("channels::texts", "NO.");
inline constexpr const char* kRxFrequency = QT_TRANSLATE_NOOP("channels::texts", "RX Frequency");
inline constexpr const char* kTxFrequency = QT_TRANSLATE_NOOP("channels::texts", "TX Frequency");
inline constexpr const char* kChannelName = QT_TRANSLATE_NOOP("channels::texts", "CH Name");
inline constexpr const char* kStep = QT_TRANSLATE_NOOP("channels::texts", "Step(KHz)");
inline constexpr const char* kSpacing = QT_TRANSLATE_NOOP("channels::texts", "Channel Spacing(KHz)");
inline constexpr const char* kPower = QT_TRANSLATE_NOOP("channels::texts", "TX Power");
inline constexpr const char* kDecode = QT_TRANSLATE_NOOP("channels::texts", "CTCSS/DCS Decode");
inline constexpr const char* kEncode = QT_TRANSLATE_NOOP("channels::texts", "CTCSS/DCS Encode");
// The DCS code sent or expected inverted: another "Reverse" than the channel's (kReverse),
// told apart for the translators by its comment.
struct CommentedText {
    const char* source;
    const char* comment;
};
inline constexpr CommentedText kDcsReverse = QT_TRANSLATE_NOOP3("channels::texts", "Reverse", "DCS code inverted");
inline QString dcsReverseText() { return QCoreApplication::translate("channels::texts", kDcsReverse.source, kDcsReverse.comment); }
inline constexpr const char* kSignalling = QT_TRANSLATE_NOOP("channels::texts", "Optional Signaling");
inline constexpr const char* kSquelchMode = QT_TRANSLATE_NOOP("channels::texts", "Squelch Mode");
inline constexpr const char* kDtmfPttId = QT_TRANSLATE_NOOP("channels::texts", "DTMF PTTID");
inline constexpr const char* kFiveTonePttId = QT_TRANSLATE_NOOP("channels::texts", "5Tone PTTID");
inline constexpr const char* kScrambler = QT_TRANSLATE_NOOP("channels::texts", "Scrambler Channel");
inline constexpr const char* kBusyLock = QT_TRANSLATE_NOOP("channels::texts", "Busy Channel Lock-out");
inline constexpr const char* kScanSkip = QT_TRANSLATE_NOOP("channels::texts", "Scan Skip");
inline constexpr const char* kReverse = QT_TRANSLATE_NOOP("channels::texts", "Reverse");
inline constexpr const char* kTalkAround = QT_TRANSLATE_NOOP("channels::texts", "Talk Around");
inline constexpr const char* kCompander = QT_TRANSLATE_NOOP("channels::texts", "Compnader");
inline constexpr const char* kTxOff = QT_TRANSLATE_NOOP("channels::texts", "TX Off");
inline constexpr const char* kClose = QT_TRANSLATE_NOOP("channels::texts", "Close");
// What a screen reader calls the fields that stand beside another field's label.
inline constexpr const char* kDecodeCodeName = QT_TRANSLATE_NOOP("channels::texts", "CTCSS/DCS Decode Code");
inline constexpr const char* kEncodeCodeName = QT_TRANSLATE_NOOP("channels::texts", "CTCSS/DCS Encode Code");
inline constexpr const char* kSignallingCodeName = QT_TRANSLATE_NOOP("channels::texts", "Optional Signaling Code");

} // namespace channels::texts
