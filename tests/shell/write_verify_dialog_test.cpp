// SPDX-License-Identifier: GPL-3.0-or-later
// "Verify after writing" in the Write dialog: remembered per user, and a write into a
// radio that stores one block wrongly is reported in one message, by field and by address.

#include "shell_fixture.h"

#include "channels/channel_record.h"
#include "default_image.h"
#include "image/consistency_pass.h"
#include "link/link_texts.h"
#include "link/write_verify.h"
#include "shell/transfer_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace shelltest;
using shell::TransferDirection;

class WriteVerifyDialogTest : public ::testing::Test {
protected:
    AppDir dir;
    app::AppState state;
    ScriptedPrompts prompts;
    FakeLink link;
    shell::LinkServices services = link.services();

    void SetUp() override {
        state.config = app::startupConfig(dir.exePath());
        state.image = defaultdat::defaultImage();
    }

    std::unique_ptr<shell::TransferDialog> dialog(TransferDirection direction) {
        return std::make_unique<shell::TransferDialog>(direction, state, prompts, services);
    }

    std::unique_ptr<shell::TransferDialog> write() {
        auto writing = dialog(TransferDirection::Write);
        EXPECT_TRUE(writing->findChild<QCheckBox*>("verifyCheck")->isChecked());
        writing->show();
        writing->findChild<QPushButton*>("startButton")->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !writing->isVisible(); }, 20000));
        EXPECT_TRUE(writing->succeeded());  // the write completed, whatever the verify found
        return writing;
    }
};

// The user ticks the box once; the next Write dialog has it ticked, verifies in the same
// dialog and tells the write and the check in one message, naming the channel the radio
// stored wrongly before the addresses.
TEST_F(WriteVerifyDialogTest, TheRememberedBoxNamesACorruptedChannelOnceAndPassesACleanRadio) {
    EXPECT_EQ(dialog(TransferDirection::Read)->findChild<QCheckBox*>("verifyCheck"), nullptr);
    {
        const auto first = dialog(TransferDirection::Write);
        QCheckBox* check = first->findChild<QCheckBox*>("verifyCheck");
        ASSERT_NE(check, nullptr);
        EXPECT_EQ(check->text(), QStringLiteral("Verify after writing"));
        EXPECT_FALSE(check->isChecked());
        check->click();
    }
    channels::channelClear(state.image, 13);
    channels::setUsageBit(state.image, 13, false);
    channels::ChannelRecord(state.image, 13).writeRxTx(image::Freq10Hz(14550000), image::Freq10Hz(14550000));
    link.radio.faults().corruptedWrites[0x2180] = 1;  // channel "12": its frequencies and tones
    image::runConsistencyPass(state.image, state.bandLimits);  // as "store all" does before a Write
    const image::RadioImage sent = state.image;

    const auto writing = write();
    EXPECT_EQ(writing->windowTitle(), QStringLiteral("Write data to radio"));
    EXPECT_EQ(writing->findChild<QLabel*>("stage")->text(), QStringLiteral("Verifying..."));
    ASSERT_EQ(prompts.messages.size(), 1) << prompts.messages.join(u'|').toStdString();
    const QString message = prompts.messages[0];
    EXPECT_TRUE(message.startsWith(QStringLiteral("Write data compeleted\n\nVerify failed: 16 byte(s)")))
        << message.toStdString();
    const qsizetype field = message.indexOf(QStringLiteral("\nChannel / CH 12 RX Frequency: file 145.50000, radio "));
    const qsizetype addresses = message.indexOf(QStringLiteral("\nAddresses: 0x2180, 0x2181,"));
    EXPECT_GT(field, 0) << message.toStdString();
    EXPECT_GT(addresses, field) << message.toStdString();
    EXPECT_EQ(state.image, sent);  // the read-back never lands in the image

    prompts.messages.clear();
    write();  // the fault is used up: the radio now stores what it is sent
    const QString bothPassed = radiolink::text::kWriteCompleted + QStringLiteral("\n\n") + radiolink::text::kVerifyPassed;
    EXPECT_EQ(prompts.messages, QStringList({bothPassed}));
}
