// The Function Setup section of the configuration report: the form's fields in screen order
// (left column, right column, then the operator lock-outs) as the editor shows them.

#include "app/report_sections.h"
#include "settings/function_setup.h"

namespace report {

namespace {

namespace fs = settings::function_setup;

constexpr int kLeftColumnFields = 11;  // Starting Display ... Voice Prompt
constexpr int kRightColumnFields = 7;  // BackLight Color ... Use Boot-strap Passowrd
constexpr int kLockOutFields = 3;

// "Channel" shows its lock beside it; the other modes show no lock.
QString displayModeText(const image::RadioImage& im) {
    const int mode = im.u8(fs::kDisplayMode);
    const QString text = listOf(fs::kDisplayModeList).value(mode);
    if (mode != fs::kDisplayModeChannel) return text;
    const QString lock = listOf(fs::kDisplayLockList).value(im.u8(fs::kDisplayLock));
    return lock.isEmpty() ? text : text + u' ' + lock;
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

} // namespace

Section functionSetupSection(const ReportSource& source) {
    const image::RadioImage& im = source.image;
    namespace t = fs::texts;
    Section section = editorSection(app::EditorKind::FunctionSetup, QStringLiteral("functionSetup"));
    const bool usePassword = im.get(fs::kUsePassword) != 0;
    section.entries = {
        entry(t::kStartingDisplay, "startingDisplay", fs::startingDisplay(im)),
        entry(t::kDisplayMode, "displayMode", displayModeText(im)),
        entry(t::kVfoMr, "vfoMr", listOf(fs::kVfoMrList).value(im.u8(fs::kVfoMr))),
        entry(t::kMrChannel, "mrChannel", mrChannelText(im)),
        entry(t::kSquelchLevel, "squelchLevel", fs::squelchLevelList().value(im.u8(fs::kSquelchLevel))),
        entry(t::kFrequencyScan, "frequencyScan", listOf(fs::kScanResumeList).value(im.u8(fs::kScanResume))),
        entry(t::kBrightness, "backlightBrightness", fs::brightnessList().value(im.u8(fs::kBrightness))),
        entry(t::kToneBurst, "toneBurstHz", listOf(fs::kToneBurstList).value(im.u8(fs::kToneBurst))),
        entry(t::kTimeOutTimer, "timeOutTimerMin", fs::timeOutTimerList().value(im.u8(fs::kTimeOutTimer))),
        entry(t::kAutoPowerOff, "autoPowerOffH", listOf(fs::kAutoPowerOffList).value(im.u8(fs::kAutoPowerOff))),
        entry(t::kVoicePrompt, "voicePrompt", listOf(fs::kOffOnList).value(im.u8(fs::kVoicePrompt))),
        entry(t::kBacklightColour, "backlightColor", listOf(fs::kBacklightColourList).value(im.u8(fs::kBacklightColour))),
        entry(t::kPttReleaseBeep, "pttReleaseBeep", listOf(fs::kOffOnList).value(im.u8(fs::kPttReleaseBeep))),
        entry(t::kScramble, "scrambleFrequencyHz", scrambleText(im)),
        entry(t::kSquelchKey, "sqlKeyFunction", listOf(fs::kSquelchKeyList).value(int(im.get(fs::kSquelchKeyFunction)))),
        entry(t::kTailEliminator, "tailEliminatorType", listOf(fs::kTailEliminatorList).value(im.u8(fs::kTailEliminator))),
        entry(t::kTxPower, "txPower", listOf(fs::kTxPowerList).value(im.u8(fs::kTxPowerClass))),
        entry(t::kUsePassword, "useStartingPassword", checkText(usePassword)),
    };
    // The editor shows the password only while it is in use.
    if (usePassword) section.entries.append(entry(t::kPassword, "startingPassword", fs::password(im)));
    section.entries += {
        entry(t::kInhibitBackground, "inhibitBackgroundSetup", checkText(im.get(fs::kInhibitBackgroundSetup) != 0)),
        entry(t::kInhibitInitialise, "inhibitInitialize", checkText(im.get(fs::kInhibitInitialise) != 0)),
        entry(t::kEliminateTail, "eliminateSquelchTail", checkText(im.get(fs::kEliminateTailWithoutTone) != 0)),
    };
    // The form's left column of eleven, its right column (with the password while in use),
    // then the group of lock-outs below them.
    section.printColumns = {{kLeftColumnFields, usePassword ? kRightColumnFields + 1 : kRightColumnFields},
                            {kLockOutFields, 0}};
    return section;
}

} // namespace report
