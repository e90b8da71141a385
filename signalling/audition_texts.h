// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text of the audition of signalling entries: the names of what can be heard, why
// something cannot be, and what the editors' Play and "Save Sound As..." buttons show and say.
// The DTMF, 2Tone and 5Tone editors and the command-line tool share them.

#include <QCoreApplication>
#include <QString>

namespace signalling::audition::texts {

// A text of this header in the user's language (its English while no translation is
// loaded); `count` picks the plural form of a "%n" text.
inline QString tr(const char* text, int count = -1) {
    return QCoreApplication::translate("signalling::audition::texts", text, nullptr, count);
}

// What is heard, by name ("DTMF M3"); the codes are named by their fields' labels.
inline constexpr const char* kDtmfEntry = QT_TRANSLATE_NOOP("signalling::audition::texts", "DTMF %1");
inline constexpr const char* kDtmfCode = QT_TRANSLATE_NOOP("signalling::audition::texts", "DTMF %1");
inline constexpr const char* kTwoToneEntry = QT_TRANSLATE_NOOP("signalling::audition::texts", "2Tone entry %1");
inline constexpr const char* kFiveToneEntry = QT_TRANSLATE_NOOP("signalling::audition::texts", "5Tone entry %1");
inline constexpr const char* kFiveToneCode = QT_TRANSLATE_NOOP("signalling::audition::texts", "5Tone %1");
// Its file name, without ".wav".
inline const QString kDtmfFile = QStringLiteral("dtmf-%1");
inline const QString kTwoToneFile = QStringLiteral("2tone-%1");
inline const QString kFiveToneFile = QStringLiteral("5tone-%1");

// Why there is nothing to hear; %1 is the name above.
inline constexpr const char* kEmpty = QT_TRANSLATE_NOOP("signalling::audition::texts", "%1 is empty: there is nothing to send");
inline constexpr const char* kLowByteEmpty = QT_TRANSLATE_NOOP("signalling::audition::texts", 
    "%1 is empty for the radio: it takes a first tone whose low byte is 0x00 or 0xFF (here %2 Hz) for none");
inline constexpr const char* kNoSuchEntry = QT_TRANSLATE_NOOP("signalling::audition::texts", "%1 does not exist: the list has entries %2 to %3");
inline constexpr const char* kLengthPastField =
    QT_TRANSLATE_NOOP("signalling::audition::texts", "%1 has a length byte of %2, more than the %3 digits its field holds");
inline constexpr const char* kTransmittingTimeUnknown =
    QT_TRANSLATE_NOOP("signalling::audition::texts", "%1 cannot be sent: DTMF Transmitting Time(ms) holds %2, which is not in its list");
inline constexpr const char* kToneOutsideRange =
    QT_TRANSLATE_NOOP("signalling::audition::texts", "%1 cannot be sent: its %2 tone, %3 Hz, lies outside 288.0-3116.0 Hz");
inline constexpr const char* kFirstTone = QT_TRANSLATE_NOOP("signalling::audition::texts", "first");
inline constexpr const char* kSecondTone = QT_TRANSLATE_NOOP("signalling::audition::texts", "second");
inline constexpr const char* kZeroLength = QT_TRANSLATE_NOOP("signalling::audition::texts", "%1 cannot be sent: %2 is 0");
inline constexpr const char* kToneLength = QT_TRANSLATE_NOOP("signalling::audition::texts", "its tone length");
inline constexpr const char* kUnknownStandard =
    QT_TRANSLATE_NOOP("signalling::audition::texts", "%1 cannot be sent: its standard byte holds %2, which names none of the 14 standards");
inline constexpr const char* kDigitWithoutTone = QT_TRANSLATE_NOOP("signalling::audition::texts", "%1 cannot be sent: %2 has no tone for the digit %3");

// The editors' buttons and what they say in the status bar.
inline constexpr const char* kPlay = QT_TRANSLATE_NOOP("signalling::audition::texts", "Play");
inline constexpr const char* kPlayNamed = QT_TRANSLATE_NOOP("signalling::audition::texts", "Play %1");  // a screen reader's name: "Play Remotely Kill"
inline constexpr const char* kPlayToolTip = QT_TRANSLATE_NOOP("signalling::audition::texts", "Play what the radio sends (Ctrl+Space)");
inline constexpr const char* kSaveSound = QT_TRANSLATE_NOOP("signalling::audition::texts", "Save Sound As...");
inline constexpr const char* kSaveSoundToolTip =
    QT_TRANSLATE_NOOP("signalling::audition::texts", "Save the sound of the entry or code chosen last (as Play plays it) as a WAV file");
inline constexpr const char* kPlaying = QT_TRANSLATE_NOOP("signalling::audition::texts", "Playing %1 (%2)");
inline constexpr const char* kNoSoundDevice =
    QT_TRANSLATE_NOOP("signalling::audition::texts", "No sound device: %1 was not played. \"Save Sound As...\" keeps it as a WAV file.");
inline constexpr const char* kSaved = QT_TRANSLATE_NOOP("signalling::audition::texts", "%1 saved as %2");

// The "Save Sound As..." file dialog.
inline constexpr const char* kSaveTitle = QT_TRANSLATE_NOOP("signalling::audition::texts", "Save Sound As");
inline constexpr const char* kWavFilter = QT_TRANSLATE_NOOP("signalling::audition::texts", "WAV Files (*.wav)");
inline const QString kWavSuffix = QStringLiteral("wav");
inline constexpr const char* kNotOverParameterFile =
    QT_TRANSLATE_NOOP("signalling::audition::texts", "%1 is a parameter file name (\".dat\"); a sound never replaces a parameter file.\n\n"
                   "Choose a name ending in \".wav\".");
inline constexpr const char* kCannotSave = QT_TRANSLATE_NOOP("signalling::audition::texts", "Cannot save %1: %2");

} // namespace signalling::audition::texts
