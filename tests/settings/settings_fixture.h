// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Scan Information and Communication Note tests share: an editor environment over
// one application state, seeded random images, and the byte check that a store touched
// nothing outside an editor's own bytes.

#include "tests/channels/image_diff.h"
#include "tests/shell/shell_fixture.h"

#include "channels/channel_record.h"
#include "image/radio_image.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace settings_test {

struct Env {
    app::AppState state;
    shelltest::ScriptedPrompts prompts;
    shelltest::RecordingHelp help;
    shelltest::RecordingHost host;

    forms::EditorEnv editorEnv() { return {state, prompts, help, host}; }
};

// Every byte random, so unused bits, odd indexes and stray texts all occur.
inline image::RadioImage randomImage(std::mt19937& rng) {
    image::RadioImage img;
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::uint8_t& b : img.all()) b = std::uint8_t(byte(rng));
    return img;
}

inline QByteArray bytesAt(const image::RadioImage& img, image::Addr at, int size) {
    const auto bytes = img.bytes(at, size);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), size);
}

inline void markUsed(image::RadioImage& img, std::initializer_list<int> channelNumbers) {
    for (int number : channelNumbers) channels::setUsageBit(img, number + 1, false);
}

// Load, store, and the same again: the first store may change only `own` bytes, the second
// nothing at all. Returns the image after the first store.
template <typename View>
image::RadioImage checkRoundTrips(View& view, image::RadioImage& img, const image::RadioImage& start,
                                  const std::function<bool(unsigned)>& own, const char* what) {
    img = start;
    view.LoadFromImage();
    view.StoreToImage();
    const image::RadioImage once = img;
    EXPECT_EQ(testing_support::joinLines(
                  testing_support::imageDiff(start, once, [&](unsigned at, int) { return own(at); })),
              "")
        << what;
    view.LoadFromImage();
    view.StoreToImage();
    EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(once, img)), "") << what;
    return once;
}

// Chooses an entry with the keyboard, as a user does on a closed drop-down: each step emits
// `activated`.
inline void choose(QComboBox* box, const QString& text) {
    ASSERT_TRUE(box->isEnabled()) << box->objectName().toStdString();
    const int target = box->findText(text);
    ASSERT_GE(target, 0) << text.toStdString();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < target; ++i) QTest::keyClick(box, Qt::Key_Down);
    ASSERT_EQ(box->currentText(), text);
}

inline QStringList entries(const QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i) list.append(box->itemText(i));
    return list;
}

} // namespace settings_test
