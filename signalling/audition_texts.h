// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text of the audition of signalling entries: the names of what can be heard, why
// something cannot be, and what the editors' Play and "Save Sound As..." buttons show and say.
// The DTMF, 2Tone and 5Tone editors and the command-line tool share them.

#include <QString>

namespace signalling::audition::texts {

// What is heard, by name ("DTMF M3"); the codes are named by their fields' labels.
inline const QString kDtmfEntry = QStringLiteral("DTMF %1");
inline const QString kDtmfCode = QStringLiteral("DTMF %1");
inline const QString kTwoToneEntry = QStringLiteral("2Tone entry %1");
inline const QString kFiveToneEntry = QStringLiteral("5Tone entry %1");
inline const QString kFiveToneCode = QStringLiteral("5Tone %1");
// Its file name, without ".wav".
inline const QString kDtmfFile = QStringLiteral("dtmf-%1");
inline const QString kTwoToneFile = QStringLiteral("2tone-%1");
inline const QString kFiveToneFile = QStringLiteral("5tone-%1");

// Why there is nothing to hear; %1 is the name above.
inline const QString kEmpty = QStringLiteral("%1 is empty: there is nothing to send");
inline const QString kLowByteEmpty = QStringLiteral(
    "%1 is empty for the radio: it takes a first tone whose low byte is 0x00 or 0xFF (here %2 Hz) for none");
inline const QString kNoSuchEntry = QStringLiteral("%1 does not exist: the list has entries %2 to %3");
inline const QString kLengthPastField =
    QStringLiteral("%1 has a length byte of %2, more than the %3 digits its field holds");
inline const QString kTransmittingTimeUnknown =
    QStringLiteral("%1 cannot be sent: DTMF Transmitting Time(ms) holds %2, which is not in its list");
inline const QString kToneOutsideRange =
    QStringLiteral("%1 cannot be sent: its %2 tone, %3 Hz, lies outside 288.0-3116.0 Hz");
inline const QString kFirstTone = QStringLiteral("first");
inline const QString kSecondTone = QStringLiteral("second");
inline const QString kZeroLength = QStringLiteral("%1 cannot be sent: %2 is 0");
inline const QString kToneLength = QStringLiteral("its tone length");
inline const QString kUnknownStandard =
    QStringLiteral("%1 cannot be sent: its standard byte holds %2, which names none of the 14 standards");
inline const QString kDigitWithoutTone = QStringLiteral("%1 cannot be sent: %2 has no tone for the digit %3");

// The editors' buttons and what they say in the status bar.
inline const QString kPlay = QStringLiteral("Play");
inline const QString kPlayNamed = QStringLiteral("Play %1");  // a screen reader's name: "Play Remotely Kill"
inline const QString kPlayToolTip = QStringLiteral("Play what the radio sends (Ctrl+Space)");
inline const QString kSaveSound = QStringLiteral("Save Sound As...");
inline const QString kSaveSoundToolTip =
    QStringLiteral("Save the sound of the entry or code chosen last (as Play plays it) as a WAV file");
inline const QString kPlaying = QStringLiteral("Playing %1 (%2)");
inline const QString kNoSoundDevice =
    QStringLiteral("No sound device: %1 was not played. \"Save Sound As...\" keeps it as a WAV file.");
inline const QString kSaved = QStringLiteral("%1 saved as %2");

// The "Save Sound As..." file dialog.
inline const QString kSaveTitle = QStringLiteral("Save Sound As");
inline const QString kWavFilter = QStringLiteral("WAV Files (*.wav)");
inline const QString kWavSuffix = QStringLiteral("wav");
inline const QString kNotOverParameterFile =
    QStringLiteral("%1 is a parameter file name (\".dat\"); a sound never replaces a parameter file.\n\n"
                   "Choose a name ending in \".wav\".");
inline const QString kCannotSave = QStringLiteral("Cannot save %1: %2");

} // namespace signalling::audition::texts
