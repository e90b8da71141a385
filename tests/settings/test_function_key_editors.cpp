// SPDX-License-Identifier: GPL-3.0-or-later
// The Function Setup and Key Setting editors as a user drives them: typing into the text
// fields, leaving them, choosing entries, F1, Enter and Escape; then the controls and the
// bytes of the image. Seeded random images check that each editor touches only its own bits.

#include "default_image.h"
#include "image/consistency_pass.h"
#include "settings/function_setup.h"
#include "settings/key_setting_view.h"
#include "settings/key_setting.h"
#include "settings/function_setup_view.h"
#include "shell/help_window.h"
#include "tests/channels/image_diff.h"
#include "tests/channels/channel_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace {

using channels_test::Env;
using image::RadioImage;
using settings::CKeyDefineView;
using settings::COptionView;
using testing_support::imageDiff;
using testing_support::joinLines;
namespace fs = settings::function_setup;
namespace keys = settings::keys;

// The bits Function Setup may write: its block, the starting display, and the short-press
// key bytes it clears when the squelch key becomes momentary.
bool functionSetupBit(unsigned at, int bit) {
    if (at == 0x0230) return bit == 0 || bit == 1;
    if (at == 0x0233) return bit == 1 || bit == 3;
    if (at == 0x0238) return bit == 0;
    const bool block = (at >= 0x0210 && at <= 0x0215) || at == 0x021E || at == 0x021F ||
                       (at >= 0x0220 && at <= 0x0223) || at == 0x0225 || at == 0x0226 ||
                       (at >= 0x0228 && at <= 0x022C) || at == 0x022E || at == 0x022F || at == 0x0234 ||
                       at == 0x0235;
    return block || (at >= 0x03E0 && at <= 0x03E6) || (at >= 0x01F0 && at <= 0x01F4);
}

bool keySettingBit(unsigned at, int) { return at >= 0x01F0 && at <= 0x01FE; }

// Random bytes everywhere; the settings bytes are often inside their lists, and the channel
// usage map random, so every branch of the loads is taken.
RadioImage randomImage(unsigned seed) {
    std::mt19937 random(seed);
    RadioImage img;
    for (std::uint8_t& byte : img.all()) byte = std::uint8_t(random());
    for (image::Addr at = 0x01F0; at <= 0x0238; ++at)
        if (random() % 2) img.setU8(at, std::uint8_t(random() % 34));
    if (random() % 2) img.setU16le(fs::kScrambleWord, std::uint16_t(7000 + random() % 4000));
    return img;
}

template <typename View>
struct Editor {
    Env env;
    std::unique_ptr<View> view;

    void open() {
        view = std::make_unique<View>(env.editorEnv());
        view->show();
        view->LoadFromImage();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
    template <typename Widget>
    Widget* find(const char* name) const {
        auto* widget = view->template findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* box(const char* name) const { return find<QComboBox>(name); }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    RadioImage& img() { return env.state.image; }
};

// What a pick from the open list does: the selection moves, then `activated` follows.
void choose(QComboBox* box, const char* text) {
    const int index = box->findText(QString::fromLatin1(text));
    ASSERT_GE(index, 0) << text;
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Each character as a key press carrying it, so letters beyond ASCII can be typed too.
void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

// Load, store, then again: the first round may only touch the editor's own bits; after the
// consistency pass that follows every store, a second round changes nothing at all.
template <typename View>
void checkRoundTrips(bool (*own)(unsigned, int)) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        Env env;
        env.state.image = randomImage(seed);
        const RadioImage original = env.state.image;
        View view(env.editorEnv());
        view.LoadFromImage();
        view.StoreToImage();
        EXPECT_EQ(joinLines(imageDiff(original, env.state.image, own)), "") << "seed " << seed;
        image::runConsistencyPass(env.state.image, env.state.bandLimits);
        const RadioImage once = env.state.image;
        view.LoadFromImage();
        view.StoreToImage();
        EXPECT_EQ(joinLines(imageDiff(once, env.state.image)), "") << "seed " << seed;
    }
}

TEST(FunctionKeyRoundTrip, EachEditorTouchesOnlyItsOwnBitsAndASecondRoundNothing) {
    checkRoundTrips<COptionView>(functionSetupBit);
    checkRoundTrips<CKeyDefineView>(keySettingBit);
}

// "Default.dat" holds values both editors show as they are: loading and storing changes nothing.
TEST(FunctionKeyRoundTrip, DefaultImageLoadsWithoutCorrection) {
    Env env;
    env.state.image = defaultdat::defaultImage();
    const RadioImage original = env.state.image;
    COptionView options(env.editorEnv());
    CKeyDefineView keyView(env.editorEnv());
    options.LoadFromImage();
    keyView.LoadFromImage();
    options.StoreToImage();
    keyView.StoreToImage();
    EXPECT_EQ(joinLines(imageDiff(original, env.state.image)), "");
    EXPECT_EQ(original.u8(0x01F4), keys::kMoni);  // the factory "P2 Short" survives the squelch key
}

// Exact decimal both ways; a word the edit cannot show exactly is kept while its frequency is
// unchanged, one outside the radio's range is rewritten.
TEST(FunctionSetupConversions, ScrambleWord) {
    for (const auto& [hz, word] : {std::pair{3300, 9011}, {2600, 7100}, {4000, 10923}}) {
        EXPECT_EQ(fs::scrambleWordFromHz(hz), word);
        EXPECT_EQ(fs::scrambleHzFromWord(std::uint16_t(word)), hz);
    }
    EXPECT_EQ(fs::scrambleWordToStore(9012, 3300), 9012);
    EXPECT_EQ(fs::scrambleWordToStore(9012, 3301), fs::scrambleWordFromHz(3301));
    EXPECT_EQ(fs::scrambleWordToStore(7099, 2600), 7100);
}

using FunctionSetup = Editor<COptionView>;

TEST(FunctionSetup, ScrambleFrequencyIsCorrectedOnLeavingAndBeforeEveryStore) {
    FunctionSetup e;
    e.open();
    QLineEdit* scramble = e.edit("scrambleFrequency");
    typeInto(scramble, "2599");
    QTest::keyClick(scramble, Qt::Key_Return);  // Enter does nothing in this form
    EXPECT_EQ(scramble->text(), "2599");
    QTest::keyClick(scramble, Qt::Key_Tab);
    EXPECT_EQ(scramble->text(), "3300");
    e.view->StoreToImage();
    EXPECT_EQ(e.img().u16le(0x021E), 9011);

    // A toolbar Save takes no focus: the value still in the edit is corrected and stored.
    typeInto(scramble, "4001");
    e.view->StoreToImage();
    EXPECT_EQ(e.img().u16le(0x021E), 9011);
    typeInto(scramble, "2600");
    e.view->StoreToImage();
    EXPECT_EQ(e.img().u16le(0x021E), 7100);
    typeInto(scramble, "4x0a0");  // only digits get in
    EXPECT_EQ(scramble->text(), "400");
    e.view->LoadFromImage();        // as after New: what was typed does not come back
    EXPECT_EQ(scramble->text(), "2600");
}

TEST(FunctionSetup, DisplayLockExistsOnlyForTheChannelDisplay) {
    FunctionSetup e;
    e.img().setU8(0x0220, 0);  // "Frequency"
    e.img().setU8(0x0226, 1);  // "Lock"
    e.open();
    QComboBox* lock = e.box("displayLock");
    EXPECT_FALSE(lock->isVisible());
    EXPECT_EQ(lock->currentText(), "No Lock");
    e.view->StoreToImage();
    EXPECT_EQ(e.img().u8(0x0226), 0);

    QComboBox* mode = e.box("displayMode");
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);  // "Channel", chosen with the keyboard
    EXPECT_TRUE(lock->isVisible());
    EXPECT_FALSE(e.box("vfoMr")->isEnabled());
    choose(lock, "Lock");
    e.view->StoreToImage();
    EXPECT_EQ(e.img().u8(0x0220), 1);
    EXPECT_EQ(e.img().u8(0x0226), 1);
}

TEST(FunctionSetup, MrChannelIsFoundByItsExactText) {
    FunctionSetup e;
    for (int index : {0, 10, 100, 200}) e.img().setMapBit(0x0100, index, false);  // in use: 0, 10, 100, PA
    e.img().setU8(0x0222, 1);  // channel 1 is empty: not "10"
    e.open();
    QComboBox* mr = e.box("mrChannel");
    EXPECT_EQ(mr->count(), 4);
    EXPECT_EQ(mr->itemText(3), "PA");
    EXPECT_EQ(mr->currentText(), "0");
    e.img().setU8(0x0222, 100);
    e.view->LoadFromImage();
    EXPECT_EQ(mr->currentText(), "100");
    choose(mr, "PA");
    e.view->StoreToImage();
    EXPECT_EQ(e.img().u8(0x0222), 200);

    e.img().fill(0x0100, 32, 0xFF);  // every slot empty: no entry, 0 stored
    e.view->LoadFromImage();
    EXPECT_EQ(mr->currentIndex(), -1);
    e.view->StoreToImage();
    EXPECT_EQ(e.img().u8(0x0222), 0);
}

TEST(FunctionSetup, TextsArePaddedAndThePasswordIsStoredWhileHidden) {
    FunctionSetup e;
    e.open();
    auto* use = e.find<QCheckBox>("usePassword");
    QLineEdit* password = e.edit("startingPassword");
    EXPECT_FALSE(password->isVisible());
    QTest::mouseClick(use, Qt::LeftButton, {}, QPoint(4, use->height() / 2));
    EXPECT_TRUE(password->isVisible());
    QApplication::clipboard()->setText(QStringLiteral("12ab34"));
    password->setFocus();
    QTest::keyClick(password, Qt::Key_V, Qt::ControlModifier);  // a paste keeps the digits only
    EXPECT_EQ(password->text(), "1234");
    QTest::mouseClick(use, Qt::LeftButton, {}, QPoint(4, use->height() / 2));
    EXPECT_FALSE(password->isVisible());
    typeInto(e.edit("startingDisplay"), QString::fromUtf8("a\xC3\xA9-Z"));  // no letters beyond ASCII
    e.view->StoreToImage();
    EXPECT_EQ(e.img().text(0x0210, 6, {}), QByteArray("1234\0\0", 6));
    EXPECT_FALSE(e.img().bit(0x0238, 0));
    EXPECT_EQ(e.img().text(0x03E0, 7, {}), QByteArray("a-Z\xFF\xFF\xFF\xFF", 7));
}

// The filters apply to typing and pasting; texts loaded from the image go back byte for byte.
TEST(FunctionSetup, TextBytesNobodyTypedSurvive) {
    Env env;
    env.state.image.setText(0x03E0, 7, QByteArray("A\xE9\x01" "b", 4), 0xFF);
    env.state.image.setText(0x0210, 6, QByteArray("12\xFF", 3), 0x00);
    const RadioImage original = env.state.image;
    COptionView view(env.editorEnv());
    view.LoadFromImage();
    view.StoreToImage();
    for (image::Addr at : {0x0210, 0x0212, 0x03E1, 0x03E2, 0x03E3})
        EXPECT_EQ(env.state.image.u8(at), original.u8(at)) << std::hex << at;
}

// Untouched controls keep their bytes; a choice writes exactly its own field.
TEST(FunctionSetup, AChoiceWritesItsFieldAndAnIndexPastItsListIsKept) {
    FunctionSetup e;
    e.img() = randomImage(7);
    e.img().setU8(0x022B, 9);    // tone burst past its list
    e.img().setU8(0x022E, 7);    // auto power off past its list
    e.img().set({0x0230, 0, 1}, 1);
    e.img().setU8(0x0235, 0);
    e.open();
    EXPECT_EQ(e.box("toneBurst")->currentIndex(), -1);
    e.view->StoreToImage();
    const RadioImage settled = e.img();
    EXPECT_EQ(settled.u8(0x022B), 9);
    choose(e.box("autoPowerOff"), "0.5");
    choose(e.box("txPower"), "25W(VHF) 25W(UHF)");
    e.view->StoreToImage();
    EXPECT_EQ(joinLines(imageDiff(settled, e.img())), "0x022E bits 1-2: 11 -> 00\n0x0235 bits 0-0: 0 -> 1\n");
}

TEST(FunctionSetup, F1OpensItsOwnPageAndEscapeDoesNothing) {
    FunctionSetup e;
    e.open();
    QTest::keyClick(e.box("squelchLevel"), Qt::Key_Escape);
    QTest::keyClick(e.box("squelchLevel"), Qt::Key_F1);
    EXPECT_EQ(e.env.help.contexts, std::vector<int>{151});
    EXPECT_TRUE(e.view->isVisible());
    for (int context : {151, 146}) EXPECT_NE(shell::helpPageUrl(context), shell::helpStartPageUrl()) << context;
}

using KeySetting = Editor<CKeyDefineView>;

TEST(KeySetting, AllFFLoadsTheFactoryFunctionsAndChoicesLandInImageOrder) {
    KeySetting e;
    e.img().fill(0x01F0, 15, 0xFF);
    e.img().set({0x0230, 0, 1}, 1);  // "Squelch Off": the factory "MONI" on P2 Short may stay
    e.open();
    EXPECT_EQ(e.box("P1Short")->currentText(), "CALL");
    EXPECT_EQ(e.box("P5Long")->currentText(), "DTMF SET");
    EXPECT_EQ(e.box("FUNCP2")->currentText(), "COMP");
    EXPECT_EQ(e.box("P1Short")->count(), 20);
    e.view->StoreToImage();
    const std::vector<std::uint8_t> defaults{2, 4, 3, 1, 10, 8, 7, 17, 19, 18, 11, 12, 9, 6, 15};
    const auto bytes = e.img().bytes(0x01F0, 15);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), defaults);
    choose(e.box("P1Short"), "SCAN");
    e.view->StoreToImage();
    EXPECT_EQ(e.img().u8(0x01F3), 8);
}

// "RESET" has no entry: nothing is shown, not even what an earlier file left there.
TEST(KeySetting, ResetShowsNothingAndStoresTheSlotsDefault) {
    KeySetting e;
    e.img().setU8(0x01F3, 8);
    e.open();
    EXPECT_EQ(e.box("P1Short")->currentText(), "SCAN");
    e.img().setU8(0x01F3, 20);
    e.view->LoadFromImage();
    EXPECT_EQ(e.box("P1Short")->currentIndex(), -1);
    e.view->StoreToImage();
    EXPECT_EQ(e.img().u8(0x01F3), 1);
}

TEST(KeySetting, MoniOnAShortPressNeedsTheSquelchOffKey) {
    KeySetting e;
    e.img().set({0x0230, 0, 1}, 0);  // "Squelch Off Momentary"
    e.open();
    choose(e.box("P2Short"), "MONI");
    EXPECT_EQ(e.box("P2Short")->currentText(), "Off");
    choose(e.box("P2Long"), "MONI");
    EXPECT_EQ(e.box("P2Long")->currentText(), "MONI");
    QTest::keyClick(e.box("P2Long"), Qt::Key_F1);
    EXPECT_EQ(e.env.help.contexts, std::vector<int>{146});
}

// With both editors open, the squelch key and the short-press "MONI" end the same whichever
// editor stores first.
TEST(KeySetting, MoniRuleGivesTheSameBytesInBothStoreOrders) {
    for (const int startBit : {0, 1}) {
        std::vector<RadioImage> results;
        for (const bool keysFirst : {false, true}) {
            Env env;
            env.state.image.set({0x0230, 0, 1}, unsigned(startBit));
            env.state.image.fill(0x01F0, 15, keys::kMoni);
            COptionView options(env.editorEnv());
            CKeyDefineView keyView(env.editorEnv());
            options.LoadFromImage();
            keyView.LoadFromImage();
            auto* squelchKey = options.findChild<QComboBox*>(QStringLiteral("sqlKeyFunction"));
            choose(squelchKey, startBit ? "Squelch Off Momentary" : "Squelch Off");
            if (keysFirst) keyView.StoreToImage();
            options.StoreToImage();
            if (!keysFirst) keyView.StoreToImage();
            results.push_back(env.state.image);
        }
        EXPECT_EQ(joinLines(imageDiff(results[0], results[1])), "") << "squelch key bit was " << startBit;
        EXPECT_TRUE(results[0].allBytesAre(0x01F0, 5, 0));
        EXPECT_TRUE(results[0].allBytesAre(0x01F5, 10, keys::kMoni));
    }
}

} // namespace
