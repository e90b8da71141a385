// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio's general settings ("Function Setup"): where each one lies in the image, the
// option lists whose positions the image stores, the labels the editor shows, and the
// conversions that need no widgets (scramble frequency word, MR channel list, texts), so
// the editor, a configuration report and the command-line tool share them.
//
// 0x0210-0x0215  power-on password, ASCII digits, left-aligned, 0x00-filled
// 0x021E-0x021F  scramble frequency word, 16-bit LE, round(Hz / 0.3662)
// 0x0220 display mode        0x0221 VFO/MR           0x0222 MR channel (0-199, 200 PA, 201 PB)
// 0x0223 squelch level 0-20  0x0225 scan resume      0x0226 channel display lock
// 0x0228 backlight 0-31      0x0229 PTT release beep 0x022A backlight colour
// 0x022B tone burst          0x022C time-out timer   0x022E auto power off
// 0x022F voice prompt
// 0x0230 b0 squelch key function, b1 eliminate squelch tail without CTCSS/DCS (b2 is DTMF's)
// 0x0233 b1 inhibit background setup, b3 inhibit initialise
// 0x0234 tail eliminator type  0x0235 transmit power class  0x0238 b0 use power-on password
// 0x03E0-0x03E6  starting display text, ASCII, left-aligned, 0xFF-filled
// Not ours: 0x0216-0x021D, 0x0224, 0x0227, 0x022D, 0x0231, 0x0232, 0x0236, 0x0237 and the
// other bits of 0x0230, 0x0233, 0x0238. The short-press key bytes 0x01F0-0x01F4 are written
// when the squelch key becomes momentary (see the key settings).

#include "app/editor_names.h"
#include "app/correction.h"
#include "image/memory_map.h"
#include "image/radio_image.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <string_view>

namespace settings::function_setup {

using image::Addr;
using image::Bits;

constexpr Addr kPassword = 0x0210;
constexpr int kPasswordLength = 6;
constexpr Addr kScrambleWord = image::map::kScrambleFrequency;
constexpr Addr kDisplayMode = image::map::kDisplayMode;
constexpr Addr kVfoMr = 0x0221;
constexpr Addr kMrChannel = image::map::kMrChannel;
constexpr Addr kSquelchLevel = 0x0223;
constexpr Addr kScanResume = 0x0225;
constexpr Addr kDisplayLock = image::map::kChannelDisplayLock;
constexpr Addr kBrightness = 0x0228;
constexpr Addr kPttReleaseBeep = 0x0229;
constexpr Addr kBacklightColour = 0x022A;
constexpr Addr kToneBurst = 0x022B;
constexpr Addr kTimeOutTimer = 0x022C;
constexpr Addr kAutoPowerOff = 0x022E;
constexpr Addr kVoicePrompt = 0x022F;
constexpr Bits kSquelchKeyFunction{0x0230, 0, 1};
constexpr Bits kEliminateTailWithoutTone{0x0230, 1, 1};
constexpr Bits kInhibitBackgroundSetup{0x0233, 1, 1};
constexpr Bits kInhibitInitialise{0x0233, 3, 1};
constexpr Addr kTailEliminator = 0x0234;
constexpr Addr kTxPowerClass = image::map::kTxPowerClass;
constexpr Bits kUsePassword{0x0238, 0, 1};
constexpr Addr kStartingDisplay = 0x03E0;
constexpr int kStartingDisplayLength = 7;

// Option lists: the image stores the position.
inline constexpr std::array<std::string_view, 3> kDisplayModeList{"Frequency", "Channel", "Name"};
inline constexpr std::array<std::string_view, 2> kDisplayLockList{"No Lock", "Lock"};
inline constexpr std::array<std::string_view, 2> kVfoMrList{"VFO", "MR"};
inline constexpr std::array<std::string_view, 3> kScanResumeList{"TO", "CO", "SE"};
inline constexpr std::array<std::string_view, 4> kToneBurstList{"1750", "2100", "1000", "1450"};
inline constexpr std::array<std::string_view, 4> kAutoPowerOffList{"Off", "0.5", "1", "2"};
inline constexpr std::array<std::string_view, 2> kOffOnList{"Off", "On"};
inline constexpr std::array<std::string_view, 3> kBacklightColourList{"Blue", "Orange", "Purple"};
inline constexpr std::array<std::string_view, 2> kSquelchKeyList{"Squelch Off Momentary", "Squelch Off"};
inline constexpr std::array<std::string_view, 2> kTailEliminatorList{"Off", "Frequency"};
inline constexpr std::array<std::string_view, 2> kTxPowerList{"60W(VHF) 45W(UHF)", "25W(VHF) 25W(UHF)"};
constexpr int kDisplayModeChannel = 1;  // the one mode that can lock the channel display
constexpr int kSquelchOffMomentary = 0;

// Numbered lists, position = stored value: "0"-"20"; "1"-"32"; "Off" then "1"-"30".
QStringList squelchLevelList();
QStringList brightnessList();
QStringList timeOutTimerList();

// Scramble frequency: Hz to the stored word and back, exact decimal, rounded half up.
// 3300 Hz <-> 9011, 2600 Hz -> 7100, 4000 Hz -> 10923.
constexpr int kScrambleMinHz = 2600;
constexpr int kScrambleMaxHz = 4000;
constexpr int kScrambleDefaultHz = 3300;
constexpr int kScrambleDigits = 4;
int scrambleHzFromWord(std::uint16_t word);
std::uint16_t scrambleWordFromHz(int hz);
// The edit's text as a frequency in range: empty, unreadable or outside 2600-4000 gives 3300.
int correctedScrambleHz(QStringView text);
// The same for a text the user typed, with what was corrected in it.
struct CheckedScramble {
    int hz;
    app::Correction note;
};
CheckedScramble checkTypedScramble(QStringView typed);
// The word to store for the frequency shown: the word already stored when it lies in range and
// shows as that frequency (the edit cannot show every word), else the word of the frequency.
std::uint16_t scrambleWordToStore(std::uint16_t storedWord, int shownHz);

// MR channel list: the channels in use, in slot order ("0"-"199", then "PA" and "PB").
QStringList mrChannelList(const image::RadioImage& img);
QString mrChannelText(std::uint8_t stored);       // 200 "PA", 201 "PB", else decimal
std::uint8_t mrChannelByte(QStringView shown);    // the reverse; an empty text gives 0

// Texts: bytes up to the first terminator, Latin-1, so bytes nobody typed survive.
QString password(const image::RadioImage& img);
void setPassword(image::RadioImage& img, const QString& digits);
QString startingDisplay(const image::RadioImage& img);
void setStartingDisplay(image::RadioImage& img, const QString& text);

// Factory values of this region for "Default.dat"; the editor shows them as they are.
void writeDefaults(image::RadioImage& img);

namespace texts {
// A text of this namespace in the user's language (its English while no translation is loaded).
inline QString tr(const char* text) { return QCoreApplication::translate("settings::function_setup::texts", text); }

inline constexpr int kHelpContext = 151;
inline constexpr app::EditorNames kEditorNames{
    QT_TRANSLATE_NOOP("app::EditorNames", "Function Setup"), QT_TRANSLATE_NOOP("app::EditorNames", "Function Setup"),
    QT_TRANSLATE_NOOP("app::EditorNames", "Function Setup"), "functionSetup",
                                               "functionSetup", kHelpContext, "function-setup.html", "settings::function_setup::texts"};
inline constexpr const char* kStartingDisplay = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Starting Display");
inline constexpr const char* kDisplayMode = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Display Mode");
inline constexpr const char* kDisplayLockName = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Display Mode Lock");  // a screen reader's name; no label shows it
inline constexpr const char* kVfoMr = QT_TRANSLATE_NOOP("settings::function_setup::texts", "VFO/MR");
inline constexpr const char* kMrChannel = QT_TRANSLATE_NOOP("settings::function_setup::texts", "MR Channel");
inline constexpr const char* kSquelchLevel = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Squelch Level");
inline constexpr const char* kFrequencyScan = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Frequency Scan");
inline constexpr const char* kBrightness = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Backlight Brightness");
inline constexpr const char* kToneBurst = QT_TRANSLATE_NOOP("settings::function_setup::texts", "TBST Frequency(Hz)");
inline constexpr const char* kTimeOutTimer = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Time Out Timer(min)");
inline constexpr const char* kAutoPowerOff = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Auto Power Off(h)");
inline constexpr const char* kVoicePrompt = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Voice Prompt");
inline constexpr const char* kBacklightColour = QT_TRANSLATE_NOOP("settings::function_setup::texts", "BackLight Color");
inline constexpr const char* kPttReleaseBeep = QT_TRANSLATE_NOOP("settings::function_setup::texts", "PTT Release Beep");
inline constexpr const char* kScramble = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Scramble Frequency");
inline constexpr const char* kScrambleNote = QT_TRANSLATE_NOOP("settings::function_setup::texts", " (2600 - 4000Hz)");
// Status bar notes when a typed scramble frequency is corrected.
inline constexpr const char* kScrambleOutside = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Scramble Frequency %1 lies outside 2600-4000 Hz: set to %2");
inline constexpr const char* kScrambleEmpty = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Scramble Frequency cannot be empty: set to %1");
inline constexpr const char* kSquelchKey = QT_TRANSLATE_NOOP("settings::function_setup::texts", "SQL Key Function");
inline constexpr const char* kTailEliminator = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Tail EliminatorType");
inline constexpr const char* kTxPower = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Choose TX Power");
inline constexpr const char* kUsePassword = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Use Boot-strap Passowrd");
inline constexpr const char* kPassword = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Starting Password");
inline constexpr const char* kInhibitBackground = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Inhibit To Setup Background Operations");
inline constexpr const char* kInhibitInitialise = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Inhibit Initialize Operation");
inline constexpr const char* kEliminateTail = QT_TRANSLATE_NOOP("settings::function_setup::texts", "Eliminate Squelch Tail When No CTCSS/DCS Signaling");
} // namespace texts

} // namespace settings::function_setup
