// SPDX-License-Identifier: GPL-3.0-or-later
// Times the Channel editor on a full image: opening it (construct, first LoadFromImage, show
// and the first paint) and one LoadFromImage plus StoreToImage of the whole list.
//   bench_channel_view [repeats]        (headless unless QT_QPA_PLATFORM says otherwise)

#include "channel_fixture.h"
#include "channels/channel_view.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace channels_test;

// Every slot in use, with names, tones and signalling, so every cell has text.
void fillAllChannels(Env& env) {
    for (int slot = channels::kFirstSlot; slot <= channels::kLastSlot; ++slot) {
        const QString rx = image::formatFrequency(Freq10Hz(14000000 + slot * 1250));
        ChannelRecord record = putChannel(env.state.image, slot, rx.toLatin1().constData(), "145.00000");
        record.setName(QStringLiteral("CH%1").arg(slot));
        record.setToneType(channels::ToneSide::Decode, channels::kToneTypeDcs);
        record.setDcsCode(channels::ToneSide::Decode, slot);
        record.setToneType(channels::ToneSide::Encode, channels::kToneTypeCtcss);
        record.setCtcss(channels::ToneSide::Encode, slot % 51);
        record.setSignallingType(slot % 4);
    }
}

double elapsedMs(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

struct Figures {
    std::vector<double> samples;
    void print(const char* what) {
        std::sort(samples.begin(), samples.end());
        std::printf("%-34s median %7.2f ms   max %7.2f ms   (%zu runs)\n", what, samples[samples.size() / 2],
                    samples.back(), samples.size());
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    Env env;
    fillAllChannels(env);
    {
        // The first window of the process also pays for the style, fonts and platform set-up.
        QElapsedTimer timer;
        timer.start();
        channels::CProgramView view(env.editorEnv());
        const double constructed = elapsedMs(timer);
        view.LoadFromImage();
        const double loaded = elapsedMs(timer);
        view.resize(1100, 700);
        view.show();
        QApplication::processEvents();
        std::printf("first open: construct %.2f ms, load %.2f ms, show and paint %.2f ms, total %.2f ms\n",
                    constructed, loaded - constructed, elapsedMs(timer) - loaded, elapsedMs(timer));
    }
    Figures open;
    Figures loadStore;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        channels::CProgramView view(env.editorEnv());
        view.LoadFromImage();
        view.resize(1100, 700);
        view.show();
        QApplication::processEvents();  // layout and first paint
        open.samples.push_back(elapsedMs(timer));

        timer.restart();
        view.LoadFromImage();
        view.StoreToImage();
        loadStore.samples.push_back(elapsedMs(timer));
    }
    open.print("open (construct, load, show)");
    loadStore.print("LoadFromImage + StoreToImage");
    return 0;
}
