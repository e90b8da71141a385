// SPDX-License-Identifier: GPL-3.0-or-later
// The Channel editor as a user drives it: typing into cells, Enter, Left and Right, the
// drop-downs and the "Edit" button; then the cells and the bytes of the image.

#include "channel_fixture.h"
#include "channels/channel_edit_dialog.h"
#include "channels/channel_view.h"
#include "grid/grid_view.h"
#include "tests/channels/image_diff.h"

#include <QComboBox>
#include <QPushButton>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace channels_test {
namespace {

using namespace channels;
using testing_support::imageDiff;
using testing_support::joinLines;

struct ProgramView : ::testing::Test {
    Env env;
    std::unique_ptr<CProgramView> view;
    grid::GridView* grid = nullptr;

    void open() {
        view = std::make_unique<CProgramView>(env.editorEnv());
        view->resize(1200, 700);
        view->show();
        view->LoadFromImage();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        grid = view->grid();
        grid->setFocus();
    }

    QWidget* openEditor(int row, int column) {
        grid->setCurrentCell(row, column);
        QTest::keyClick(grid, Qt::Key_Return);
        return grid->activeEditor();
    }

    // Types over the whole cell text (the editor opens with it selected), then Enter.
    void typeCell(int row, int column, const QString& text) {
        QWidget* editor = openEditor(row, column);
        ASSERT_NE(editor, nullptr);
        if (text.isEmpty()) QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    void chooseCell(int row, int column, const QString& entry) {
        auto* list = qobject_cast<QComboBox*>(openEditor(row, column));
        ASSERT_NE(list, nullptr);
        list->setCurrentIndex(list->findText(entry));
        QTest::keyClick(list, Qt::Key_Return);
    }

    QString cell(int row, int column) const { return grid->text(row, column); }
    std::pair<int, int> current() const { return {grid->currentRow(), grid->currentColumn()}; }
};

TEST_F(ProgramView, ShowsAllSlotsUnderTheirHeaders) {
    open();
    EXPECT_EQ(grid->rowCount(), 204);
    EXPECT_EQ(grid->columnCount(), 10);
    EXPECT_EQ(cell(0, 9), "Optional Signaling");
    EXPECT_EQ(cell(1, 0), "0");
    EXPECT_EQ(cell(200, 0), "199");
    EXPECT_EQ(cell(203, 0), "VFO");
    EXPECT_EQ(grid->columnWidthTwips(1), 1320);
}

TEST_F(ProgramView, TypingAFrequencyIntoAnEmptyRowCreatesTheChannel) {
    open();
    typeCell(1, 1, "146.52");
    EXPECT_EQ(cell(1, 1), "146.52000");
    EXPECT_EQ(cell(1, 2), "146.52000");
    EXPECT_EQ(cell(1, 4), "12.5");
    EXPECT_EQ(cell(1, 7), "Off");
    EXPECT_EQ(current(), std::pair(1, 2));

    view->StoreToImage();
    std::vector<std::uint8_t> expected = clearedRecord();
    const std::uint8_t frequency[] = {0x01, 0x46, 0x52, 0x00, 0x00, 0x00, 0x00, 0x00};
    std::copy(std::begin(frequency), std::end(frequency), expected.begin());
    EXPECT_EQ(recordBytes(env.state.image, 1), expected);
    EXPECT_FALSE(usageBit(env.state.image, 1));
}

TEST_F(ProgramView, ChannelsOnThe6250And2500HzRastersComeBackAsTyped) {
    env.state.bandLimits = image::bandLimitsFromMHz(400, 490, 400, 490);
    open();
    typeCell(1, 1, "446.00625");
    typeCell(2, 1, "446.0025");
    typeCell(2, 2, "446.01875");
    view->StoreToImage();
    view->LoadFromImage();
    view->StoreToImage();  // a second round moves nothing either
    view->LoadFromImage();
    EXPECT_EQ(cell(1, 1), "446.00625");
    EXPECT_EQ(cell(1, 2), "446.00625");
    EXPECT_EQ(cell(2, 1), "446.00250");
    EXPECT_EQ(cell(2, 2), "446.01875");
}

TEST_F(ProgramView, AnEmptyRowIsGivenItsRxFirstAndOnlyFrequencyCharactersAreTyped) {
    open();
    typeCell(3, 6, "1a4x5.-5");
    EXPECT_EQ(cell(3, 1), "145.50000");
    EXPECT_EQ(cell(3, 6), "High");
}

TEST_F(ProgramView, NamesAreUpperCaseAndAtMostSevenCharacters) {
    putChannel(env.state.image, 2, "146.52000", "146.52000");
    open();
    typeCell(2, 3, "repeater");
    EXPECT_EQ(cell(2, 3), "REPEATE");
    EXPECT_EQ(current(), std::pair(2, 4));
}

TEST_F(ProgramView, RightAndLeftRunOnBetweenRows) {
    open();
    grid->setCurrentCell(1, 9);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(current(), std::pair(2, 1));
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(current(), std::pair(1, 9));
    grid->setCurrentCell(1, 1);
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(current(), std::pair(1, 1));
}

TEST_F(ProgramView, ZeroOrAnEmptyRxDeletesTheChannel) {
    putChannel(env.state.image, 5, "146.52000", "146.52000");
    putChannel(env.state.image, 6, "147.00000", "147.00000");
    open();
    typeCell(5, 1, "0");
    EXPECT_EQ(cell(5, 1), "");
    EXPECT_EQ(cell(5, 4), "");
    EXPECT_EQ(recordBytes(env.state.image, 5), clearedRecord());

    typeCell(6, 1, "");
    EXPECT_EQ(cell(6, 2), "");
    EXPECT_EQ(current(), std::pair(7, 1));  // an emptied frequency moves down
}

TEST_F(ProgramView, TheVfoRowKeepsItsRx) {
    putChannel(env.state.image, kSlotVFO, "146.52000", "146.52000");
    open();
    typeCell(kSlotVFO, 1, "");
    EXPECT_EQ(env.prompts.messages, QStringList{"VFO can`t be null!"});
    EXPECT_EQ(cell(kSlotVFO, 1), "146.52000");
}

TEST_F(ProgramView, DropDownsWriteTheirFields) {
    putChannel(env.state.image, 1, "146.52000", "146.52000");
    open();
    chooseCell(1, 7, "D777I");
    EXPECT_EQ(current(), std::pair(1, 8));
    chooseCell(1, 6, "Low");
    chooseCell(1, 9, "2Tone");
    EXPECT_EQ(grid->activeEditor(), nullptr);
    view->StoreToImage();

    const ChannelRecordView record(env.state.image, 1);
    EXPECT_EQ(env.state.image.u8(Addr(record.address() + 0x0F)), 0xFF);
    EXPECT_EQ(env.state.image.u8(Addr(record.address() + 0x0A)) & 0x3C, 0x38);  // bits 5, 4 and power 2
    EXPECT_EQ(record.toneType(ToneSide::Decode), kToneTypeDcs);
    EXPECT_EQ(record.signallingType(), 2);
}

TEST_F(ProgramView, StoreEndsWithTheValidityPass) {
    RadioImage& img = env.state.image;
    putChannel(img, 10, "146.52000", "146.52000");
    setUsageBit(img, 10, true);                        // hidden, so cleared by the store
    putChannel(img, 11, "180.00000", "180.00000");   // above the receive band: shown at its top
    open();
    EXPECT_EQ(cell(10, 1), "");
    EXPECT_EQ(cell(11, 1), "174.00000");

    view->StoreToImage();
    EXPECT_EQ(recordBytes(img, 10), clearedRecord());
    EXPECT_TRUE(usageBit(img, 10));
    EXPECT_TRUE(scanSkip(img, 10));
    EXPECT_EQ(ChannelRecordView(img, 11).rx(), mhz("174"));
    EXPECT_FALSE(usageBit(img, 11));
    EXPECT_TRUE(usageBit(img, kSlotVFO));
}

TEST_F(ProgramView, F1OpensTheChannelTopic) {
    open();
    QTest::keyClick(grid, Qt::Key_F1);
    QTest::keyClick(openEditor(1, 1), Qt::Key_F1);
    EXPECT_EQ(env.help.contexts, (std::vector<int>{0x8017, 0x8017}));
}

TEST_F(ProgramView, EditOpensTheDialogOnTheCurrentRowAndReloadsAfterIt) {
    putChannel(env.state.image, 10, "146.52000", "146.52000");
    open();
    typeCell(10, 2, "147");  // not yet in the image: Edit stores first
    grid->setCurrentCell(10, 3);
    int dialogSlot = 0;
    view->setEditDialogRunner([&](CChannelEditDialog& dialog) {
        dialogSlot = dialog.currentSlot();
        dialog.show();
        auto* tx = dialog.findChild<QLineEdit*>("txFrequency");
        EXPECT_EQ(tx->text(), "147.00000");
        auto* name = dialog.findChild<QLineEdit*>("channelName");
        name->setFocus();
        QTest::keyClicks(name, "abc");
        dialog.close();
    });
    QTest::mouseClick(view->findChild<QPushButton*>("edit"), Qt::LeftButton);
    EXPECT_EQ(dialogSlot, 10);
    EXPECT_EQ(cell(10, 3), "ABC");
}

TEST_F(ProgramView, ClosingItsFrameWithAnOpenEditorCommitsNothingIntoTheGoneView) {
    // The view sits in a frame inside the main window, as the editors do; the frame goes while
    // an emptied VFO frequency is still being edited.
    putChannel(env.state.image, kSlotVFO, "146.52000", "146.52000");
    QWidget window;
    window.resize(1200, 700);
    auto* frame = new QWidget(&window);
    frame->resize(1200, 700);
    auto* inner = new CProgramView(env.editorEnv(), frame);
    inner->resize(1200, 700);
    window.show();
    inner->LoadFromImage();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    grid = inner->grid();
    grid->setFocus();
    QWidget* editor = openEditor(kSlotVFO, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Backspace);
    delete frame;
    grid = nullptr;
    EXPECT_TRUE(env.prompts.messages.isEmpty());
}

// Random images, with a third of the slots holding a channel inside the bands (on the 5 kHz
// raster: an odd multiple of 6.25 kHz does not fit the field's 100 Hz digits) and random bytes
// in every other field. Loading and storing touches only the channel records and their
// bitmaps; storing again, with or without reloading first, writes exactly the same.
TEST(ProgramViewRoundTrip, StoresTouchOnlyChannelDataAndRepeatExactly) {
    const auto channelData = [](unsigned at, int) {
        return (at >= 0x2000 && at <= 0x38FF) || (at >= 0x0260 && at <= 0x029F) || (at >= 0x02C0 && at <= 0x02DF) ||
               (at >= 0x0100 && at <= 0x013F);
    };
    for (unsigned seed = 1; seed <= 20; ++seed) {
        Env env;
        std::mt19937 random(seed);
        RadioImage& img = env.state.image;
        for (std::uint8_t& byte : img.all()) byte = std::uint8_t(random());
        const image::BandRow band = image::kBandTable[random() % image::kBandTable.size()];
        const image::BandLimits& limits = env.state.bandLimits =
            image::bandLimitsFromMHz(band.rxLowMHz, band.rxHighMHz, band.txLowMHz, band.txHighMHz);
        const auto inBand = [&](Freq10Hz low, Freq10Hz high) {
            return Freq10Hz(low.value + 500 * int(random() % unsigned((high.value - low.value) / 500 + 1)));
        };
        for (int slot = kFirstSlot; slot <= kLastSlot; slot += 3) {
            ChannelRecord(img, slot).writeRxTx(inBand(limits.rxLow, limits.rxHigh), inBand(limits.txLow, limits.txHigh));
            if (slot != kSlotVFO) setUsageBit(img, slot, false);
        }
        const RadioImage original = img;

        CProgramView view(env.editorEnv());
        view.LoadFromImage();
        view.StoreToImage();
        const RadioImage once = img;
        EXPECT_EQ(joinLines(imageDiff(original, once, channelData)), "") << "seed " << seed;
        view.StoreToImage();
        EXPECT_EQ(joinLines(imageDiff(once, img)), "") << "stored twice, seed " << seed;
        view.LoadFromImage();
        view.StoreToImage();
        EXPECT_EQ(joinLines(imageDiff(once, img)), "") << "reloaded, seed " << seed;
    }
}

} // namespace
} // namespace channels_test
