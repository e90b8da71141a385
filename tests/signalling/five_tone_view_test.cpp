// SPDX-License-Identifier: GPL-3.0-or-later
// The 5Tone editor as a user drives it: drop-downs, typing and leaving fields, the special
// call dialogs, the encode list grid; then the controls and the bytes of the image.

#include "channels/channel_edit_rules.h"
#include "default_image.h"
#include "grid/grid_view.h"
#include "signalling/five_tone_codes.h"
#include "signalling/five_tone_call_dialog.h"
#include "signalling/five_tone_view.h"
#include "tests/channels/image_diff.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <random>

namespace {

using namespace signalling;
using namespace signalling::five_tone;
using image::RadioImage;
using testing_support::imageDiff;
using testing_support::joinLines;

struct Question {
    QString text;
    QString caption;
};

class ScriptedPrompts : public app::Prompts {
public:
    std::deque<bool> answers;
    std::vector<Question> asked;
    void message(const QString&) override {}
    bool askYesNo(const QString&, const QString&) override {
        ADD_FAILURE() << "a Yes / No question";
        return false;
    }
    bool askOkCancel(const QString& text, const QString& caption) override {
        asked.push_back({text, caption});
        const bool answer = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    bool askRetryCancel(const QString&) override { return false; }
    std::optional<QString> askPassword(app::PasswordMode, const QString&) override { return {}; }
    std::optional<QString> askReviveCode(const QString&) override { return {}; }
    QString askOpenFileName(const app::FileDialogRequest&) override { return {}; }
    QString askSaveFileName(const app::FileDialogRequest&) override { return {}; }
};

class NoHelp : public forms::HelpService {
public:
    void showContext(int) override {}
    void showDefaultTopic() override {}
};

class NoHost : public forms::EditorHost {
public:
    void showCorrection(const app::Correction&) override {}
};

// The bytes this editor owns (the information record on screen is number 1).
bool editorBit(unsigned at, int bit) {
    const auto in = [at](unsigned first, unsigned last) { return at >= first && at <= last; };
    if (in(0x0321, 0x0329) || (in(0x032B, 0x0334) && at != 0x0331)) return true;
    if (in(0x0361, 0x036F) || in(0x0371, 0x037F) || in(0x0390, 0x039B)) return true;
    if (at == 0x039C) return bit < 4;
    if (in(0x0500, 0x050E) || in(0x0510, 0x0516)) return true;
    if (in(0x0D00, 0x197F)) return at % 32 != 0 && at % 32 != 31;
    return false;
}

struct FiveToneView : ::testing::Test {
    app::AppState state;
    ScriptedPrompts prompts;
    NoHelp help;
    NoHost host;
    std::unique_ptr<CT5View> view;
    grid::GridView* grid = nullptr;

    // The delivered defaults: self ID 12345, no interval character, every entry free.
    FiveToneView() { state.image = defaultdat::defaultImage(); }

    RadioImage& img() { return state.image; }

    void open() {
        view = std::make_unique<CT5View>(forms::EditorEnv{state, prompts, help, host});
        view->resize(1400, 900);
        view->show();
        view->LoadFromImage();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        grid = view->encodeGrid();
    }

    template <class T> T* find(const char* name) {
        T* widget = view->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QComboBox* box(const char* name) { return find<QComboBox>(name); }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }

    // A pick from the opened list, as the mouse makes it.
    void choose(QComboBox* list, const QString& entry) {
        const int index = list->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    // Types over the field's text; `leave` tabs out of it.
    void type(QLineEdit* field, const QString& text, bool leave = true) {
        field->setFocus();
        field->selectAll();
        if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        if (leave) QTest::keyClick(field, Qt::Key_Tab);
    }

    QWidget* openCell(int row, int column) {
        grid->setFocus();
        grid->setCurrentCell(row, column);
        QTest::keyClick(grid, Qt::Key_Return);
        return grid->activeEditor();
    }
    void typeCell(int row, int column, const QString& text) {
        QWidget* editor = openCell(row, column);
        ASSERT_NE(editor, nullptr);
        if (text.isEmpty()) QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    void chooseCell(int row, int column, const QString& entry) {
        auto* list = qobject_cast<QComboBox*>(openCell(row, column));
        ASSERT_NE(list, nullptr);
        list->setCurrentIndex(list->findText(entry));
        QTest::keyClick(list, Qt::Key_Return);
    }
    QString cell(int row, int column) const { return grid->text(row, column); }

    // The next special call dialog is answered with these choices and "OK".
    void answerSpecialCall(const char* kind, const char* otherSideId = "", const char* interval = nullptr,
                           const char* message = "", int entry = -1) {
        view->setSpecialCallRunner([=](CFiveToneSpecialCallDialog& dialog) {
            auto* kinds = dialog.findChild<QComboBox*>(QStringLiteral("callKind"));
            kinds->setCurrentIndex(kinds->findText(QString::fromLatin1(kind)));
            if (*otherSideId) dialog.findChild<QLineEdit*>(QStringLiteral("otherSideId"))->setText(otherSideId);
            if (interval) {
                auto* intervals = dialog.findChild<QComboBox*>(QStringLiteral("intervalCharacter"));
                intervals->setCurrentIndex(intervals->findText(QString::fromLatin1(interval)));
            }
            dialog.findChild<QLineEdit*>(QStringLiteral("message"))->setText(message);
            if (entry >= 0) dialog.findChild<QComboBox*>(QStringLiteral("entryNumber"))->setCurrentIndex(entry);
            return true;
        });
    }

    std::vector<std::uint8_t> bytes(unsigned at, int count) {
        const auto span = img().bytes(image::Addr(at), count);
        return {span.begin(), span.end()};
    }
};

TEST_F(FiveToneView, RandomImagesChangeOnlyTheEditorsBytesAndSettleAfterOneRound) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    open();
    for (int round = 0; round < 12; ++round) {
        for (std::uint8_t& b : img().all()) b = std::uint8_t(byte(random));
        const RadioImage before = img();
        view->LoadFromImage();
        view->StoreToImage();
        const auto foreign = imageDiff(before, img(), editorBit);
        ASSERT_TRUE(foreign.empty()) << "round " << round << "\n" << joinLines(foreign);
        const RadioImage once = img();
        view->LoadFromImage();
        view->StoreToImage();
        ASSERT_TRUE(img() == once) << "round " << round << "\n" << joinLines(imageDiff(once, img()));
    }
}

TEST_F(FiveToneView, DefaultDatLoadsWithoutCorrection) {
    const RadioImage delivered = img();
    open();
    EXPECT_EQ(edit("selfId")->text(), "12345");
    EXPECT_EQ(box("decodeToneLength")->currentText(), "70");
    view->StoreToImage();
    EXPECT_EQ(joinLines(imageDiff(delivered, img())), "");
}

TEST_F(FiveToneView, ValuesOutsideTheListsAreKeptWhileUntouched) {
    img().setU8(kDecodeStandard, 0x20);
    img().setU8(kBotRecord + kCodeStandard, 14);
    img().setU8(informationAddress(1) + kInfoFunctionOption, 1);      // "Call All": two responses
    img().setU8(informationAddress(1) + kInfoDecodingResponse, 2);
    img().setU8(kStopCode, 0x0D);
    img().setU8(kEotRecord + kCodeLength, 4);                           // a code not in repeat form
    img().setU8(kEotRecord + kCodeDigits, 0x11);
    img().setU8(kEotRecord + kCodeDigits + 1, 0x23);
    img().fill(kEotRecord + kCodeDigits + 2, 10, 0x99);
    img().setU8(kDecodeToneLength, 5);
    open();
    EXPECT_EQ(box("decodeStandard")->currentIndex(), -1);
    EXPECT_EQ(box("informationResponse")->currentIndex(), -1);
    EXPECT_EQ(box("stopCode")->currentText(), "D");
    EXPECT_EQ(box("decodeToneLength")->currentText(), "50");
    EXPECT_EQ(edit("eotEncodeId")->text(), "1123");
    const RadioImage loaded = img();
    view->StoreToImage();
    EXPECT_EQ(joinLines(imageDiff(loaded, img())), "");

    choose(box("stopCode"), "Off");
    view->StoreToImage();
    EXPECT_EQ(img().u8(kStopCode), 0xFF);
}

// A length byte larger than its field, left untouched, is stored as the field's length and
// nothing else changes, so the radio never reads past the field. Names in erased memory
// read as empty and keep their bytes.
TEST_F(FiveToneView, LengthBytesPastTheirFieldsAreClampedOnStoreAndErasedNamesReadEmpty) {
    img().fill(informationAddress(1) + kInfoFunctionName, kInfoFunctionNameLength, 0xFF);
    img().fill(encodeEntryAddress(0) + kEntryName, kEntryNameLength, 0xFF);
    img().setU8(kBotRecord + kCodeLength, 0xFF);
    img().setU8(kEotRecord + kCodeLength, 25);
    img().setU8(encodeEntryAddress(0) + kCodeLength, 41);
    img().setMapBit(kEncodeFreeMap, 0, false);
    img().setU8(encodeEntryAddress(1) + kCodeLength, 40);
    img().setMapBit(kEncodeFreeMap, 1, false);
    open();
    EXPECT_EQ(edit("functionName")->text(), "");
    EXPECT_EQ(cell(1, 5), "");
    const RadioImage loaded = img();
    view->StoreToImage();
    EXPECT_EQ(joinLines(imageDiff(loaded, img())), "0x0362 bits 0-2: 111 -> 000\n"  // 0xFF -> 24
                                                    "0x0362 bits 5-7: 111 -> 000\n"
                                                    "0x0372 bits 0-0: 1 -> 0\n"     // 25 -> 24
                                                    "0x0D02 bits 0-0: 1 -> 0\n");   // 41 -> 40
}

TEST_F(FiveToneView, ChoosingAStandardSetsItsToneLengthAndShowsItsTable) {
    open();
    const auto* table = find<QPlainTextEdit>("toneTable");
    EXPECT_TRUE(table->toPlainText().startsWith("ZVEI1\nTone Freq(Hz)\n0 2400.0\n"));
    const std::pair<const char*, const char*> picks[] = {{"CCIR1", "100"}, {"EEA", "40"}, {"ZVEI1", "70"}};
    for (const auto& [standard, length] : picks) {
        choose(box("decodeStandard"), standard);
        EXPECT_EQ(box("decodeToneLength")->currentText(), length);
        EXPECT_TRUE(table->toPlainText().contains(QStringLiteral("Length(ms) %1\n").arg(length)));
    }
    choose(box("botStandard"), "MODAT");
    EXPECT_EQ(box("botToneLength")->currentText(), "40");
    EXPECT_TRUE(table->toPlainText().startsWith("MODAT\n"));
}

TEST_F(FiveToneView, FunctionOptionsSetTheirResponsesAndName) {
    open();
    type(edit("functionName"), "alarm");
    choose(box("functionOption"), "Call All");
    EXPECT_EQ(box("informationResponse")->count(), 2);
    EXPECT_TRUE(box("informationResponse")->isEnabled());
    EXPECT_EQ(edit("functionName")->text(), "");  // "Squelch Off" had cleared it
    type(edit("functionName"), "alarm");
    EXPECT_EQ(edit("functionName")->text(), "ALARM");
    box("functionOption")->setCurrentIndex(4);
    emit box("functionOption")->activated(4);  // the second "Remotely Stun"
    EXPECT_EQ(box("informationResponse")->currentText(), "Beep Tone & Response");
    EXPECT_FALSE(box("informationResponse")->isEnabled());
    choose(box("functionOption"), "Group Call");
    EXPECT_EQ(edit("functionName")->text(), "");
    EXPECT_FALSE(edit("functionName")->isEnabled());
}

TEST_F(FiveToneView, EachInformationRecordKeepsItsOwnFields) {
    img().fill(informationAddress(3), 32, 0x5A);
    open();
    choose(box("functionOption"), "Emergency Alarm");
    type(edit("informationId"), "12ab");
    type(edit("functionName"), "ONE");
    choose(box("informationNumber"), "2");
    type(edit("informationId"), "3");
    choose(box("informationNumber"), "3");
    choose(box("informationNumber"), "2");
    EXPECT_EQ(edit("informationId")->text(), "3");
    choose(box("informationNumber"), "1");
    EXPECT_EQ(edit("informationId")->text(), "12AB");
    choose(box("informationNumber"), "1");  // the same number again changes nothing
    type(edit("functionName"), "UNO", false);
    view->StoreToImage();  // the name is still being typed

    EXPECT_EQ(bytes(0x0500, 8), (std::vector<std::uint8_t>{2, 0, 4, 1, 2, 0x0A, 0x0B, 0}));
    EXPECT_EQ(bytes(0x0510, 4), (std::vector<std::uint8_t>{'U', 'N', 'O', 0}));
    EXPECT_EQ(bytes(0x0522, 3), (std::vector<std::uint8_t>{1, 3, 0}));
    // Record 3 was shown but never changed: stored as loaded, its odd bytes normalised only.
    EXPECT_EQ(img().u8(informationAddress(3) + kInfoFunctionOption), 0x5A);
}

TEST_F(FiveToneView, SelfIdIsCompletedAndPttIdEntriesFollowIt) {
    open();
    type(edit("selfId"), "12");
    EXPECT_EQ(edit("selfId")->text(), "00012");
    type(edit("selfId"), "");
    EXPECT_EQ(edit("selfId")->text(), "00000");

    answerSpecialCall("PTTID", "", nullptr, "", 0);
    find<QPushButton>("listSpecialCall")->click();
    EXPECT_EQ(cell(1, 1), "PTTID");
    type(edit("selfId"), "77", false);  // still in the field when the toolbar stores
    view->StoreToImage();
    EXPECT_EQ(edit("selfId")->text(), "00077");
    EXPECT_EQ(bytes(kSelfId, 5), (std::vector<std::uint8_t>{0, 0, 0, 7, 7}));
    EXPECT_EQ(img().u8(encodeEntryAddress(0) + kCodeLength), 7);
    EXPECT_EQ(bytes(encodeEntryAddress(0) + kCodeDigits, 4), (std::vector<std::uint8_t>{0xE6, 0x0E, 0x07, 0xEE}));
    view->LoadFromImage();
    EXPECT_EQ(cell(1, 1), "PTTID");
}

TEST_F(FiveToneView, BotAndEotCodes) {
    open();
    type(edit("botEncodeId"), "0A0B");
    type(edit("eotEncodeId"), "1123", false);
    view->StoreToImage();  // typed just before a toolbar Save: the repeat rule still runs
    EXPECT_EQ(edit("eotEncodeId")->text(), "1E23");
    EXPECT_EQ(bytes(kBotRecord + kCodeLength, 1), std::vector<std::uint8_t>{4});
    EXPECT_EQ(bytes(kBotRecord + kCodeDigits, 3), (std::vector<std::uint8_t>{0x0A, 0x0B, 0x00}));
    EXPECT_EQ(bytes(kEotRecord + kCodeDigits, 2), (std::vector<std::uint8_t>{0x1E, 0x23}));

    answerSpecialCall("PTTID");
    find<QPushButton>("botSpecialCall")->click();
    EXPECT_EQ(edit("botEncodeId")->text(), "E612345");
    answerSpecialCall("ANI", "11223", "C");
    find<QPushButton>("eotSpecialCall")->click();
    EXPECT_EQ(img().u8(kIntervalCharacter), 0x0C);  // at once, before any store
    EXPECT_EQ(edit("eotEncodeId")->text(), "1E2E3C12345");
    answerSpecialCall("Send Message", "12", nullptr, "HI");
    find<QPushButton>("eotSpecialCall")->click();
    EXPECT_EQ(edit("eotEncodeId")->text(), "E1E20E0E4849");
}

TEST_F(FiveToneView, EncodeListEntriesAsTheUserTypesThem) {
    open();
    typeCell(1, 4, "11223");  // an empty row starts with its ID
    EXPECT_EQ(cell(1, 2), "1E2E3");
    EXPECT_EQ(cell(1, 3), "ZVEI1");
    EXPECT_EQ(cell(1, 4), "70");
    chooseCell(1, 3, "CCIR1");
    EXPECT_EQ(cell(1, 4), "100");
    typeCell(1, 5, "base  ");
    EXPECT_EQ(cell(1, 5), "BASE");
    typeCell(8, 2, "45");
    ASSERT_NE(qobject_cast<QLineEdit*>(openCell(9, 3)), nullptr);  // an empty row is given its ID first
    EXPECT_EQ(grid->currentColumn(), 2);
    QTest::keyClick(grid->activeEditor(), Qt::Key_Escape);
    view->StoreToImage();

    const image::Addr entry = encodeEntryAddress(0);
    EXPECT_EQ(bytes(entry + 1, 7), (std::vector<std::uint8_t>{6, 5, 10, 0x1E, 0x2E, 0x3E, 0}));
    EXPECT_EQ(bytes(entry + kEntryName, 7), (std::vector<std::uint8_t>{'B', 'A', 'S', 'E', ' ', ' ', ' '}));
    EXPECT_FALSE(img().mapBit(kEncodeFreeMap, 0));
    EXPECT_EQ(channels::signallingCodeEntries(img(), channels::kSignallingFiveTone), QStringList({"0", "7"}));

    typeCell(1, 2, "");
    EXPECT_EQ(cell(1, 3), "");
    view->StoreToImage();
    EXPECT_EQ(img().u8(entry + kCodeLength), 0);
    EXPECT_TRUE(img().mapBit(kEncodeFreeMap, 0));
}

TEST_F(FiveToneView, SpecialCallRowsAndResetCallId) {
    open();
    grid->setCurrentCell(5, 2);
    answerSpecialCall("ANI", "678", "A");
    find<QPushButton>("listSpecialCall")->click();  // "NO." preselects the current entry
    EXPECT_EQ(cell(5, 1), "ANI");
    EXPECT_EQ(cell(5, 2), "67800A");
    answerSpecialCall("PTTID", "", nullptr, "", 6);
    find<QPushButton>("listSpecialCall")->click();
    chooseCell(7, 3, "EEA");  // a PTT ID row is in use without ID text
    EXPECT_EQ(cell(7, 3), "EEA");
    EXPECT_EQ(cell(7, 4), "40");
    grid->setCurrentCell(5, 2);
    EXPECT_FALSE(grid->beginEdit());  // a special call's ID is not typed over
    view->StoreToImage();
    EXPECT_EQ(img().u8(encodeEntryAddress(4) + kCodeLength), 11);
    EXPECT_EQ(img().u8(encodeEntryAddress(6) + kCodeStandard), 9);

    prompts.answers = {false, true};
    const QPoint middle = grid->visualRect(grid->model()->index(4, 2)).center();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, middle);
    EXPECT_EQ(cell(5, 1), "ANI");
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, middle);
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[0].text, "Reset Call ID");
    EXPECT_EQ(prompts.asked[0].caption, "Prompt");
    EXPECT_EQ(cell(5, 1), "");
    EXPECT_EQ(cell(5, 2), "");
    ASSERT_NE(qobject_cast<QLineEdit*>(grid->activeEditor()), nullptr);
    QTest::keyClicks(grid->activeEditor(), "5");
    QTest::keyClick(grid->activeEditor(), Qt::Key_Return);
    EXPECT_EQ(cell(5, 2), "5");
}

} // namespace
