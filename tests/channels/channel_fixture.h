// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the channel editor tests share: an application state with a blank image (every slot
// empty, no signalling entry in use), scripted messages and help, and helpers that put
// channels into the image and read their bytes back.

#include "channels/channel_record.h"
#include "image/band_limits.h"
#include "image/memory_map.h"
#include "forms/base_form_view.h"

#include <QStringList>

#include <vector>

namespace channels_test {

using channels::ChannelRecord;
using channels::ChannelRecordView;
using image::Freq10Hz;
using image::RadioImage;

// Messages are recorded instead of shown; no question is ever expected.
class ScriptedPrompts : public app::Prompts {
public:
    QStringList messages;
    void message(const QString& text) override { messages.append(text); }
    bool askYesNo(const QString&, const QString&) override { return false; }
    bool askRetryCancel(const QString&) override { return false; }
    std::optional<QString> askPassword(app::PasswordMode, const QString&) override { return {}; }
    std::optional<QString> askReviveCode(const QString&) override { return {}; }
    QString askOpenFileName(const app::FileDialogRequest&) override { return {}; }
    QString askSaveFileName(const app::FileDialogRequest&) override { return {}; }
};

class RecordingHelp : public forms::HelpService {
public:
    std::vector<int> contexts;
    void showContext(int context) override { contexts.push_back(context); }
    void showDefaultTopic() override { contexts.push_back(0); }
};

// The notes an editor would show in the main window's status bar.
class RecordingHost : public forms::EditorHost {
public:
    QStringList notes;
    void showCorrection(const app::Correction& correction) override {
        if (correction.corrected()) notes.append(correction.note);
    }
};

inline Freq10Hz mhz(const char* text) { return image::parseFrequencyText(QString::fromLatin1(text)); }

// Every record cleared, so the whole list is empty; both signalling lists free.
inline void blankImage(RadioImage& img, const image::BandLimits& limits) {
    for (int slot = channels::kFirstSlot; slot <= channels::kLastSlot; ++slot) channels::channelClear(img, slot);
    img.fill(image::map::kTwoToneFreeMap, 4, 0xFF);
    img.fill(image::map::kFiveToneFreeMap, 13, 0xFF);
    image::encodeBandLimits(limits, img);
}

// A channel in use, starting from the defaults of a new one.
inline ChannelRecord putChannel(RadioImage& img, int slot, const char* rx, const char* tx) {
    channels::channelClear(img, slot);
    channels::setUsageBit(img, slot, false);
    ChannelRecord record(img, slot);
    record.writeRxTx(mhz(rx), mhz(tx));
    return record;
}

inline std::vector<std::uint8_t> recordBytes(const RadioImage& img, int slot) {
    const auto bytes = img.bytes(channels::recordAddress(slot), channels::record::kSize);
    return {bytes.begin(), bytes.end()};
}

inline std::vector<std::uint8_t> clearedRecord() {
    return {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x05, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x00,
            0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF};
}

struct Env {
    app::AppState state;
    ScriptedPrompts prompts;
    RecordingHelp help;
    RecordingHost host;

    Env() { blankImage(state.image, state.bandLimits); }
    forms::EditorEnv editorEnv() { return {state, prompts, help, host}; }
};

} // namespace channels_test
