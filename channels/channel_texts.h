// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the Channel editor and the Channel Edit dialog show, quoted exactly as the
// radio's users know them ("Compnader" included), and their help topic. The column headers
// of the list live with the column widths in channel_rows.h.

#include "app/editor_names.h"

namespace channels::texts {

// F1 in the channel list and in the Channel Edit dialog.
inline constexpr int kChannelHelpContext = 0x8017;
inline constexpr app::EditorNames kEditorNames{"Channel", "Channel", "Channel", "channel", "channel",
                                               kChannelHelpContext, "channel-list.html"};

// Shared by the list and the dialog: slot 203 may never lose its RX frequency.
inline constexpr const char* kVfoCannotBeNull = "VFO can`t be null!";

// Status bar notes when a typed frequency is corrected (the list and the dialog): the field
// ("RX", "TX"), the text as typed, then what it became.
inline constexpr const char* kRx = "RX";
inline constexpr const char* kTx = "TX";
inline constexpr const char* kOutsideBand = "%1 %2 lies outside %3-%4 MHz: set to %5";
inline constexpr const char* kOffRaster = "%1 %2 lies between the 2.5 and 6.25 kHz steps: set to %3";
inline constexpr const char* kTxDoesNotFollow = "RX %1 lies outside the TX band %2-%3 MHz: TX set to %4";
inline constexpr const char* kEmptyTxKept = "TX cannot be empty: kept %1";

// Channel list
inline constexpr const char* kEditButton = "Edit";
// The context menu's command that opens the Channel Edit dialog, as the button does.
inline constexpr const char* kEditCommand = "&Edit...";
inline constexpr const char* kListName = "Channel List";  // a screen reader's name for the list
// Row commands of the channel list
inline constexpr const char* kInsertRefused =
    "No row can be inserted: channel %1 is in use, and the channels below would move past channel 199.";
inline constexpr const char* kNothingToPaste = "The clipboard holds no channel rows to paste.";
inline constexpr const char* kPasteCannotUse = "The clipboard's text cannot be pasted as channels: %1.";
inline constexpr const char* kPasteReport = "%1 channels pasted, %2 rows left out, %3 warnings:\n\n%4";
inline constexpr const char* kPasteRecordsPastEnd =
    "%1 channels pasted; %2 did not fit above the end of the list (channel 199) and were left out.";

// Channel Edit dialog
inline constexpr const char* kDialogTitle = "Channel Edit";
inline constexpr const char* kNo = "NO.";
inline constexpr const char* kRxFrequency = "RX Frequency";
inline constexpr const char* kTxFrequency = "TX Frequency";
inline constexpr const char* kChannelName = "CH Name";
inline constexpr const char* kStep = "Step(KHz)";
inline constexpr const char* kSpacing = "Channel Spacing(KHz)";
inline constexpr const char* kPower = "TX Power";
inline constexpr const char* kDecode = "CTCSS/DCS Decode";
inline constexpr const char* kEncode = "CTCSS/DCS Encode";
inline constexpr const char* kDcsReverse = "Reverse";
inline constexpr const char* kSignalling = "Optional Signaling";
inline constexpr const char* kSquelchMode = "Squelch Mode";
inline constexpr const char* kDtmfPttId = "DTMF PTTID";
inline constexpr const char* kFiveTonePttId = "5Tone PTTID";
inline constexpr const char* kScrambler = "Scrambler Channel";
inline constexpr const char* kBusyLock = "Busy Channel Lock-out";
inline constexpr const char* kScanSkip = "Scan Skip";
inline constexpr const char* kReverse = "Reverse";
inline constexpr const char* kTalkAround = "Talk Around";
inline constexpr const char* kCompander = "Compnader";
inline constexpr const char* kTxOff = "TX Off";
inline constexpr const char* kClose = "Close";
// What a screen reader calls the fields that stand beside another field's label.
inline constexpr const char* kDecodeCodeName = "CTCSS/DCS Decode Code";
inline constexpr const char* kEncodeCodeName = "CTCSS/DCS Encode Code";
inline constexpr const char* kSignallingCodeName = "Optional Signaling Code";

} // namespace channels::texts
