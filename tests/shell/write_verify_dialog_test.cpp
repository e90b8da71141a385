// "Verify after writing" in the Write dialog: remembered per user, and a write into a
// radio that stores one block wrongly is reported by address after the write's own message.

#include "shell_fixture.h"

#include "default_image.h"
#include "link/link_texts.h"
#include "link/write_verify.h"
#include "shell/transfer_dialog.h"

#include <QCheckBox>
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

    void write() {
        auto writing = dialog(TransferDirection::Write);
        ASSERT_TRUE(writing->findChild<QCheckBox*>("verifyCheck")->isChecked());
        writing->show();
        writing->findChild<QPushButton*>("startButton")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !writing->isVisible(); }, 20000));
        EXPECT_TRUE(writing->succeeded());  // the write completed, whatever the verify found
    }
};

// The user ticks the box once; the next Write dialog has it ticked and verifies.
TEST_F(WriteVerifyDialogTest, TheRememberedBoxNamesACorruptedBlockAndPassesACleanRadio) {
    EXPECT_EQ(dialog(TransferDirection::Read)->findChild<QCheckBox*>("verifyCheck"), nullptr);
    {
        const auto first = dialog(TransferDirection::Write);
        QCheckBox* check = first->findChild<QCheckBox*>("verifyCheck");
        ASSERT_NE(check, nullptr);
        EXPECT_EQ(check->text(), QStringLiteral("Verify after writing"));
        EXPECT_FALSE(check->isChecked());
        check->click();
    }
    link.radio.faults().corruptedWrites[0x0A30] = 1;
    const image::RadioImage sent = state.image;

    write();
    EXPECT_EQ(prompts.messages,
              QStringList({radiolink::text::kWriteCompleted,
                           QStringLiteral("Verify failed: 16 byte(s) in the radio differ from what was written, at "
                                          "0x0A30, 0x0A31, 0x0A32, 0x0A33, 0x0A34, 0x0A35, 0x0A36, 0x0A37, ...."
                                          "\n\nWrite the data again.")}));
    EXPECT_EQ(state.image, sent);  // the read-back never lands in the image

    prompts.messages.clear();
    write();  // the fault is used up: the radio now stores what it is sent
    EXPECT_EQ(prompts.messages, QStringList({radiolink::text::kWriteCompleted, radiolink::text::kVerifyPassed}));
}
