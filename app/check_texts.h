// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text of the configuration check, in one place. The fields are named with the
// editors' own labels; these are the messages and the forms of a finding's line.

#include "app/translated_text.h"

#include <QString>

namespace app::check::texts {

inline constexpr char kContext[] = "app::check";
using Text = TranslatedText<kContext>;

// A finding: "Section / field: message", and with the file: "FILE: Section / field: message".
inline const QString kFindingText = QStringLiteral("%1 / %2: %3");
inline const QString kFindingLine = QStringLiteral("%1: %2");
// A channel's field: "CH 12 Optional Signaling" (the list's column header, the label, the field).
inline const QString kChannelField = QStringLiteral("%1 %2 %3");

// Channels.
inline constexpr Text kOutsideReceiveBand{QT_TRANSLATE_NOOP("app::check", "%1 lies outside the receive band %2 MHz")};
inline constexpr Text kOutsideTransmitBand{QT_TRANSLATE_NOOP("app::check", "%1 lies outside the transmit band %2 MHz")};
inline const QString kBandRange = QStringLiteral("%1-%2");
inline constexpr Text kSameAsChannel{QT_TRANSLATE_NOOP("app::check", "the same on the air as CH %1 (%2, decode %3, encode %4)")};

// Entries of the signalling lists: "DTMF M5", "2Tone entry 7", "5Tone entry 12".
inline const QString kDtmfEntry = QStringLiteral("DTMF %1");
inline constexpr Text kListEntry{QT_TRANSLATE_NOOP("app::check", "%1 entry %2")};
inline constexpr Text kEntryNotInUse{QT_TRANSLATE_NOOP("app::check", "names %1, which is not in use")};
inline constexpr Text kNoSuchEntry{QT_TRANSLATE_NOOP("app::check", "names %1, which does not exist")};

// PTT ID: "DTMF PTT ID Starting (BOT)", "5Tone PTTID Ending (EOT)".
inline const QString kPttIdCode = QStringLiteral("%1 %2");
inline constexpr Text kPttIdCodeEmpty{QT_TRANSLATE_NOOP("app::check", "\"%1\" sends %2, which is empty")};
inline constexpr Text kPttIdCodesEmpty{QT_TRANSLATE_NOOP("app::check", "\"%1\" sends %2 and %3, which are empty")};

// Self IDs.
inline constexpr Text kOwnIdCalled{QT_TRANSLATE_NOOP("app::check", "%1 is called by this radio's own encode entry %2 (%3)")};

// Settings that name a channel.
inline constexpr Text kChannelEmpty{QT_TRANSLATE_NOOP("app::check", "channel %1 is empty")};
inline constexpr Text kNoChannel{QT_TRANSLATE_NOOP("app::check", "%1 names no channel")};
inline constexpr Text kRevertEmpty{QT_TRANSLATE_NOOP("app::check", "\"%1\" returns to channel %2, which is empty")};

// Across the radios of a fleet.
inline constexpr Text kSelfIdShared{QT_TRANSLATE_NOOP("app::check", "%1 is also the self ID of %2")};
inline constexpr Text kNameDiffers{QT_TRANSLATE_NOOP("app::check", "\"%1\" differs from CH %2 in %3: %4")};
inline constexpr Text kNameDifference{QT_TRANSLATE_NOOP("app::check", "%1 %2 here, %3 there")};
inline const QString kDifferenceSeparator = QStringLiteral("; ");

} // namespace app::check::texts
