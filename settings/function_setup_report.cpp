// SPDX-License-Identifier: GPL-3.0-or-later
// The Function Setup section of the configuration report and of a configuration document:
// the form's fields in screen order (left column, right column, then the operator lock-outs)
// as the editor shows and stores them.

#include "app/apply_fields.h"
#include "settings/settings_sections.h"
#include "app/typed_characters.h"
#include "settings/function_setup.h"
#include "settings/key_setting.h"

namespace settings {

using namespace app::report;

namespace {

namespace fs = settings::function_setup;
namespace t = fs::texts;

constexpr int kLeftColumnFields = 11;  // Starting Display ... Voice Prompt
constexpr int kRightColumnFields = 7;  // BackLight Color ... Use Boot-strap Passowrd
constexpr int kLockOutFields = 3;
constexpr std::uint8_t kNoSelection = 0xFF;

QStringList displayModes() { return listOf(fs::kDisplayModeList); }
QStringList displayLocks() { return listOf(fs::kDisplayLockList); }

// "Channel" shows its lock beside it; the other modes show no lock.
QString displayModeText(const image::RadioImage& im) {
    const int mode = im.u8(fs::kDisplayMode);
    const QString text = displayModes().value(mode);
    if (mode != fs::kDisplayModeChannel) return text;
    const QString lock = displayLocks().value(im.u8(fs::kDisplayLock));
    return lock.isEmpty() ? text : text + u' ' + lock;
}

// What a user can choose: each mode, "Channel" with either lock.
QStringList displayModeChoices() {
    QStringList choices;
    for (const QString& mode : displayModes()) {
        if (mode != displayModes().value(fs::kDisplayModeChannel)) choices.append(mode);
        else
            for (const QString& lock : displayLocks()) choices.append(mode + u' ' + lock);
    }
    return choices;
}

Verdict enterDisplayMode(const QString& text) {
    if (displayModeChoices().contains(text)) return taken(text);
    // What only a file holds: a mode byte past the list, or the channel mode with its lock past the list.
    if (text.isEmpty() || text == displayModes().value(fs::kDisplayModeChannel))
        return onlyFileHolds(QCoreApplication::translate("settings::report", "no entry chosen (a byte past the list)"));
    return refused(QCoreApplication::translate("settings::report", "not one of: %1").arg(listBrief(displayModeChoices())));
}

// The editor stores the mode it shows (no selection keeps the byte) and then the lock, which
// goes back to "No Lock" with any other mode.
void storeDisplayMode(image::RadioImage& im, const QString& text) {
    const QString channel = displayModes().value(fs::kDisplayModeChannel);
    const bool isChannel = text == channel || text.startsWith(channel + u' ');
    const QString mode = isChannel ? channel : text;
    storeIndexEntry(im, fs::kDisplayMode, displayModes(), mode);
    if (!isChannel) im.setU8(fs::kDisplayLock, 0);
    else if (text != channel) im.setU8(fs::kDisplayLock, std::uint8_t(displayLocks().indexOf(text.mid(channel.size() + 1))));
    else if (im.u8(fs::kDisplayLock) < displayLocks().size()) im.setU8(fs::kDisplayLock, kNoSelection);
}

// The stored channel when it is in use, else the first channel in use, else nothing.
QString mrChannelText(const image::RadioImage& im) {
    const QStringList channels = fs::mrChannelList(im);
    const QString stored = fs::mrChannelText(im.u8(fs::kMrChannel));
    return channels.contains(stored) ? stored : channels.value(0);
}

// The edit corrects a frequency outside 2600-4000 Hz as it loads.
QString scrambleText(const image::RadioImage& im) {
    const int hz = fs::scrambleHzFromWord(im.u16le(fs::kScrambleWord));
    return QString::number(fs::correctedScrambleHz(QString::number(hz)));
}

Verdict enterScramble(const QString& text) {
    const bool digits = !text.isEmpty() && text.size() <= fs::kScrambleDigits &&
                        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits) return refused(QCoreApplication::translate("settings::report", "not a frequency in whole Hz"));
    if (fs::correctedScrambleHz(text) != text.toInt())
        return refused(QCoreApplication::translate("settings::report", "outside %1-%2 Hz").arg(fs::kScrambleMinHz).arg(fs::kScrambleMaxHz));
    return taken(QString::number(text.toInt()));
}

// A momentary squelch key cannot share the short presses with "MONI".
void storeSquelchKey(image::RadioImage& im, const QString& text) {
    const bool momentary = listOf(fs::kSquelchKeyList).indexOf(text) == fs::kSquelchOffMomentary;
    im.set(fs::kSquelchKeyFunction, momentary ? 0 : 1);
    if (momentary) settings::keys::clearShortPressMoni(im);
}

FormField textField(const char* label, const char* key, std::function<QString(const image::RadioImage&)> read,
                    TextRule rule, std::function<void(image::RadioImage&, const QString&)> store) {
    return {QString::fromLatin1(label), QString::fromLatin1(key), std::move(read),
            [rule](const image::RadioImage&, const QString& text) { return enterText(text, rule); }, std::move(store)};
}

FormFields fields() {
    const auto usePassword = [](const image::RadioImage& im) { return im.get(fs::kUsePassword) != 0; };
    return {
        textField(t::kStartingDisplay, "startingDisplay", fs::startingDisplay,
                  {fs::kStartingDisplayLength, app::chars::printableAscii(), false,
                   QCoreApplication::translate("settings::report", "only printable ASCII characters"), latin1Shown},
                  fs::setStartingDisplay),
        {QString::fromLatin1(t::kDisplayMode), QStringLiteral("displayMode"), displayModeText,
         [](const image::RadioImage&, const QString& text) { return enterDisplayMode(text); }, storeDisplayMode},
        indexField(t::kVfoMr, "vfoMr", listOf(fs::kVfoMrList), fs::kVfoMr),
        {QString::fromLatin1(t::kMrChannel), QStringLiteral("mrChannel"), mrChannelText,
         [](const image::RadioImage& im, const QString& text) { return enterEntry(fs::mrChannelList(im), text); },
         [](image::RadioImage& im, const QString& text) { im.setU8(fs::kMrChannel, fs::mrChannelByte(text)); }},
        indexField(t::kSquelchLevel, "squelchLevel", fs::squelchLevelList(), fs::kSquelchLevel),
        indexField(t::kFrequencyScan, "frequencyScan", listOf(fs::kScanResumeList), fs::kScanResume),
        indexField(t::kBrightness, "backlightBrightness", fs::brightnessList(), fs::kBrightness),
        indexField(t::kToneBurst, "toneBurstHz", listOf(fs::kToneBurstList), fs::kToneBurst),
        indexField(t::kTimeOutTimer, "timeOutTimerMin", fs::timeOutTimerList(), fs::kTimeOutTimer),
        indexField(t::kAutoPowerOff, "autoPowerOffH", listOf(fs::kAutoPowerOffList), fs::kAutoPowerOff),
        indexField(t::kVoicePrompt, "voicePrompt", listOf(fs::kOffOnList), fs::kVoicePrompt),
        indexField(t::kBacklightColour, "backlightColor", listOf(fs::kBacklightColourList), fs::kBacklightColour),
        indexField(t::kPttReleaseBeep, "pttReleaseBeep", listOf(fs::kOffOnList), fs::kPttReleaseBeep),
        {QString::fromLatin1(t::kScramble), QStringLiteral("scrambleFrequencyHz"), scrambleText,
         [](const image::RadioImage&, const QString& text) { return enterScramble(text); },
         [](image::RadioImage& im, const QString& text) {
             im.setU16le(fs::kScrambleWord,
                         fs::scrambleWordToStore(im.u16le(fs::kScrambleWord), fs::correctedScrambleHz(text)));
         }},
        {QString::fromLatin1(t::kSquelchKey), QStringLiteral("sqlKeyFunction"),
         [](const image::RadioImage& im) { return listOf(fs::kSquelchKeyList).value(int(im.get(fs::kSquelchKeyFunction))); },
         [](const image::RadioImage&, const QString& text) { return enterEntry(listOf(fs::kSquelchKeyList), text); },
         storeSquelchKey},
        indexField(t::kTailEliminator, "tailEliminatorType", listOf(fs::kTailEliminatorList), fs::kTailEliminator),
        indexField(t::kTxPower, "txPower", listOf(fs::kTxPowerList), fs::kTxPowerClass),
        checkBitsField(t::kUsePassword, "useStartingPassword", fs::kUsePassword),
        // The editor shows the password only while it is in use, and stores it either way.
        [&] {
            FormField password = textField(t::kPassword, "startingPassword", fs::password,
                                           {fs::kPasswordLength, QString::fromLatin1(app::chars::kDigits), false,
                                            QCoreApplication::translate("settings::report", "only digits 0-9"), latin1Shown},
                                           fs::setPassword);
            password.inReport = usePassword;
            return password;
        }(),
        checkBitsField(t::kInhibitBackground, "inhibitBackgroundSetup", fs::kInhibitBackgroundSetup),
        checkBitsField(t::kInhibitInitialise, "inhibitInitialize", fs::kInhibitInitialise),
        checkBitsField(t::kEliminateTail, "eliminateSquelchTail", fs::kEliminateTailWithoutTone),
    };
}

} // namespace

Section functionSetupSection(const ReportSource& source) {
    Section section = editorSection(settings::function_setup::texts::kEditorNames);
    section.entries = reportEntries(fields(), source.image);
    // The form's left column of eleven, its right column (with the password while in use),
    // then the group of lock-outs below them.
    const bool usePassword = source.image.get(fs::kUsePassword) != 0;
    section.printColumns = {{kLeftColumnFields, usePassword ? kRightColumnFields + 1 : kRightColumnFields},
                            {kLockOutFields, 0}};
    return section;
}

void applyFunctionSetupSection(DocumentObject& section, ApplyContext& context) {
    applyFieldByField(fields(), section, context.image, context.problems);
}

} // namespace settings
