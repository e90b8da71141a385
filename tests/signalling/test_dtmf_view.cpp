// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF editor as a user drives it: typing into the fields and the encode list, choosing
// entries, the special call dialog; then the controls and the bytes of the image.

#include "default_image.h"
#include "grid/grid_view.h"
#include "shell/help_window.h"
#include "signalling/dtmf_call_dialog.h"
#include "signalling/dtmf_view.h"
#include "tests/channels/image_diff.h"
#include "tests/channels/channel_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace {

using image::RadioImage;
using signalling::CDtmfSpecialCallDialog;
using signalling::CDtmfView;
using testing_support::imageDiff;
using testing_support::joinLines;

// The editor's own bytes and bits, written out from the radio's layout.
bool dtmfOwned(unsigned at, int bit) {
    if (at == 0x0230) return bit == 2;
    if (at == 0x0232) return true;
    if (at >= 0x02E0 && at <= 0x02FF) return at != 0x02E6 && (at < 0x02EA || at > 0x02EC);
    if (at >= 0x0340 && at <= 0x034C) return true;
    if (at >= 0x0350 && at <= 0x035C) return true;
    if (at >= 0x0400 && at <= 0x04FF) return at % 16 <= 0x0C;
    return false;
}

struct DtmfView : ::testing::Test {
    channels_test::Env env;
    std::unique_ptr<CDtmfView> view;

    RadioImage& img() { return env.state.image; }

    void open() {
        view = std::make_unique<CDtmfView>(env.editorEnv());
        view->resize(1100, 600);
        view->show();
        view->LoadFromImage();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }

    template <typename T> T* control(const char* name) const {
        T* found = view->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* edit(const char* name) const { return control<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return control<QComboBox>(name); }
    grid::GridView* grid() const { return view->grid(); }
    QString entry(int index) const { return grid()->text(index + 1, 1); }
    std::string hexAt(image::Addr at, int length) {
        const auto bytes = img().bytes(at, length);
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), length).toHex(' ').toStdString();
    }

    // Focus, select all and type, as the user replaces a field's text; the focus stays.
    void typeInto(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    void typeEntry(int index, const QString& text) {
        grid()->setFocus();
        grid()->setCurrentCell(index + 1, 1);
        QTest::keyClick(grid(), Qt::Key_Return);
        QWidget* editor = grid()->activeEditor();
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    // Chooses an entry as the user does, so the list's rule runs.
    void choose(QComboBox* box, const QString& text) {
        box->setFocus();
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

// Random images, with some code lengths inside their fields so short codes are covered too.
TEST_F(DtmfView, LoadThenStoreChangesOnlyItsOwnBytesAndASecondRoundNothing) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 random(seed);
        for (std::uint8_t& byte : img().all()) byte = std::uint8_t(random());
        for (image::Addr length : {0x02F7, 0x02FF}) img().setU8(length, std::uint8_t(random() % 16));
        for (image::Addr length : {0x034C, 0x035C, 0x040C, 0x041C, 0x042C, 0x043C})
            img().setU8(length, std::uint8_t(random() % 26));
        if (seed == 1) img().setText(0x02E7, 3, "\xD0\xFF\x0A", 0);  // self ID bytes that are no digits
        const RadioImage original = img();

        CDtmfView editor(env.editorEnv());
        editor.LoadFromImage();
        editor.StoreToImage();
        const RadioImage once = img();
        EXPECT_EQ(joinLines(imageDiff(original, once, dtmfOwned)), "") << "seed " << seed;
        editor.LoadFromImage();
        editor.StoreToImage();
        EXPECT_EQ(joinLines(imageDiff(once, img())), "") << "second round, seed " << seed;
    }
}

TEST_F(DtmfView, DefaultImageLoadsWithoutCorrection) {
    img() = defaultdat::defaultImage();
    const RadioImage original = img();
    open();
    EXPECT_EQ(edit("selfId")->text(), "101");
    view->StoreToImage();
    EXPECT_EQ(joinLines(imageDiff(original, img())), "");
}

TEST_F(DtmfView, ShowsStoredValuesAndCorrectsOnlyWhatNoEntryShows) {
    img().setU8(0x0230, 0x07);
    img().setU8(0x0232, 9);      // past the list
    img().setU8(0x02E0, 0x0E);
    img().setU8(0x02E1, 0x05);   // no symbol: "Off"
    img().setU8(0x02E2, 2);
    img().setU8(0x02E3, 1);
    img().setU8(0x02E4, 0);
    img().setU8(0x02E5, 250);
    img().setU8(0x02ED, 1);
    img().setU8(0x02EE, 25);
    img().setU8(0x02EF, 1);      // "1" begins "10"
    open();
    EXPECT_EQ(list("ani")->currentText(), "On");
    EXPECT_EQ(list("transmittingTime")->currentIndex(), -1);
    EXPECT_EQ(list("intervalCharacter")->currentText(), "*");
    EXPECT_EQ(list("groupCode")->currentText(), "Off");
    EXPECT_EQ(list("decodingResponse")->currentText(), "Beep Tone & Response");
    EXPECT_EQ(list("pretime")->currentText(), "10");
    EXPECT_EQ(list("firstDigitTime")->currentText(), "0");
    EXPECT_EQ(list("autoResetTime")->currentText(), "25.0");
    EXPECT_EQ(list("timeLapseAfterEncode")->currentText(), "250");
    EXPECT_EQ(list("pttIdPauseTime")->currentText(), "10");
    EXPECT_TRUE(control<QCheckBox>("sideTone")->isChecked());

    choose(list("ani"), "Off");
    choose(list("autoResetTime"), "2.3");
    view->StoreToImage();
    EXPECT_EQ(img().u8(0x0230), 0x03) << "bits 0 and 1 keep their values";
    EXPECT_EQ(img().u8(0x0232), 9) << "an untouched index past the list is kept";
    EXPECT_EQ(img().u8(0x02E1), 0xFF);
    EXPECT_EQ(img().u8(0x02E5), 23);
    EXPECT_EQ(img().u8(0x02EF), 10);
}

TEST_F(DtmfView, TypedCodesAreFilteredUpperCasedAndPackedOnSaveEvenWhileAnEditIsOpen) {
    open();
    typeInto(edit("remoteKill"), "12ab*#xyz!9");
    EXPECT_EQ(edit("remoteKill")->text(), "12AB*#9");
    typeInto(edit("remoteStun"), "5");
    typeInto(edit("pttIdStart"), QString(30, u'7'));
    EXPECT_EQ(edit("pttIdStart")->text().size(), 24);
    typeEntry(2, "d*1g#");
    EXPECT_EQ(entry(2), "D*1#");
    typeEntry(3, QString(30, u'#'));
    EXPECT_EQ(entry(3).size(), 24);
    grid()->setCurrentCell(1, 1);  // typed into, not committed yet when the user saves
    QTest::keyClick(grid(), Qt::Key_4);
    QTest::keyClicks(grid()->activeEditor(), "2");
    view->StoreToImage();
    EXPECT_EQ(hexAt(0x02F0, 16), "12 ab ef 90 00 00 00 07 50 00 00 00 00 00 00 01");
    EXPECT_EQ(img().u8(0x034C), 24);
    EXPECT_EQ(hexAt(0x0400, 13), "42 00 00 00 00 00 00 00 00 00 00 00 02");
    EXPECT_EQ(hexAt(0x0420, 13), "de 1f 00 00 00 00 00 00 00 00 00 00 04");
    EXPECT_EQ(hexAt(0x0430, 13), "ff ff ff ff ff ff ff ff ff ff ff ff 18");
}

TEST_F(DtmfView, SelfIdIsCompletedOnLeavingAndOnSaveAndEntriesFollowIt) {
    img().setU8(0x02E0, 0x0A);
    signalling::dtmf::storeSelfId(img(), u"123");
    signalling::dtmf::packCode(img(), signalling::dtmf::encodeEntry(0), u"456A123");
    signalling::dtmf::packCode(img(), signalling::dtmf::encodeEntry(1), u"4A1234");
    signalling::dtmf::packCode(img(), signalling::dtmf::encodeEntry(2), u"456C123");
    signalling::dtmf::packCode(img(), signalling::dtmf::encodeEntry(3), u"A123");
    open();
    QLineEdit* selfId = edit("selfId");

    typeInto(selfId, "999");
    list("groupCode")->setFocus();  // leaving the field
    EXPECT_EQ(entry(0), "456A999");
    choose(list("intervalCharacter"), "B");
    EXPECT_EQ(entry(0), "456B999");
    EXPECT_EQ(entry(1), "4A1234");
    EXPECT_EQ(entry(2), "456C123");
    EXPECT_EQ(entry(3), "B999");

    typeInto(selfId, "");
    list("groupCode")->setFocus();
    EXPECT_EQ(selfId->text(), "999") << "an emptied self ID returns to its previous value";

    typeInto(selfId, "5");  // still focused when the user saves
    view->StoreToImage();
    EXPECT_EQ(selfId->text(), "005");
    EXPECT_EQ(hexAt(0x02E7, 3), "00 00 05");
    EXPECT_EQ(img().u8(0x02E0), 0x0B);
    EXPECT_EQ(signalling::dtmf::unpackCode(img(), signalling::dtmf::encodeEntry(0)), u"456B005");
    EXPECT_EQ(signalling::dtmf::unpackCode(img(), signalling::dtmf::encodeEntry(3)), u"B005");
}

TEST_F(DtmfView, SpecialCallWritesTheChosenEntryOnOkOnly) {
    img().setU8(0x02E0, 0x0F);
    signalling::dtmf::storeSelfId(img(), u"456");
    open();
    struct Step {
        std::function<void(CDtmfSpecialCallDialog&)> act;
        int result;
    } step;
    view->setSpecialCallRunner([&](CDtmfSpecialCallDialog& dialog) {
        step.act(dialog);
        return step.result;
    });
    const auto find = [](CDtmfSpecialCallDialog& dialog, const char* name) {
        return dialog.findChild<QWidget*>(QString::fromLatin1(name));
    };
    auto* specialCall = control<QPushButton>("specialCall");

    // No current row: M1 is offered, ANI with the other side typed as "5x" (filtered, then padded).
    grid()->setCurrentIndex(QModelIndex());
    ASSERT_EQ(grid()->currentRow(), -1);
    step = {[&](CDtmfSpecialCallDialog& dialog) {
                EXPECT_EQ(static_cast<QComboBox*>(find(dialog, "specialCallNo"))->currentText(), "M1");
                EXPECT_EQ(static_cast<QComboBox*>(find(dialog, "callType"))->currentText(), "ANI");
                auto* other = static_cast<QLineEdit*>(find(dialog, "otherSideId"));
                EXPECT_EQ(other->text(), "000");
                other->clear();
                QTest::keyClicks(other, "5x");
            },
            QDialog::Accepted};
    specialCall->click();
    EXPECT_EQ(entry(0), "500#456");

    // The current row is offered; PTTID needs no other side.
    grid()->setCurrentCell(5, 1);
    step = {[&](CDtmfSpecialCallDialog& dialog) {
                auto* type = static_cast<QComboBox*>(find(dialog, "callType"));
                type->setCurrentIndex(1);
                emit type->activated(1);
                EXPECT_TRUE(find(dialog, "otherSideId")->isHidden());
                EXPECT_EQ(static_cast<QComboBox*>(find(dialog, "specialCallNo"))->currentText(), "M5");
            },
            QDialog::Accepted};
    specialCall->click();
    EXPECT_EQ(entry(4), "#456");

    // Cancel, or a "NO." that names no entry, changes nothing.
    step = {[](CDtmfSpecialCallDialog&) {}, QDialog::Rejected};
    specialCall->click();
    step = {[&](CDtmfSpecialCallDialog& dialog) {
                static_cast<QComboBox*>(find(dialog, "specialCallNo"))->setCurrentIndex(-1);
            },
            QDialog::Accepted};
    specialCall->click();
    for (int index : {1, 2, 3, 5}) EXPECT_EQ(entry(index), "") << index;

    view->StoreToImage();
    EXPECT_EQ(hexAt(0x0400, 13), "50 0f 45 60 00 00 00 00 00 00 00 00 07");
    EXPECT_EQ(hexAt(0x0440, 13), "f4 56 00 00 00 00 00 00 00 00 00 00 04");
}

TEST_F(DtmfView, F1OpensTheEditorsOwnHelpPage) {
    open();
    QTest::keyClick(edit("selfId"), Qt::Key_F1);
    ASSERT_EQ(env.help.contexts.size(), 1u);
    EXPECT_EQ(shell::helpPageUrl(env.help.contexts[0]).fileName(), "dtmf.html");
}

} // namespace
