// SPDX-License-Identifier: GPL-3.0-or-later
// The Communication Note editor as a user drives it: typing into cells, the toolbar Save with
// an edit still open, New over an open edit; then the cells and the contact records.

#include "settings_fixture.h"

#include "default_image.h"
#include "grid/grid_view.h"
#include "settings/contact_fields.h"
#include "settings/communication_note_view.h"
#include "settings/scan_information_view.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>

namespace settings_test {
namespace {

namespace contact = settings::contact;
using image::RadioImage;

constexpr unsigned kContactsEnd = contact::kNames + contact::kCount * contact::kNameRecordSize;

bool isContactByte(unsigned at) { return at >= contact::kCallIds && at < kContactsEnd; }

// Clicks the cell, which opens its editor, and types (the editor opens with its text
// selected, so typing replaces it). A click elsewhere first ends an edit still open.
QLineEdit* typeInto(grid::GridView* grid, int row, int column, const QString& text) {
    const QModelIndex cell = grid->model()->index(row - 1, column - 1);
    grid->scrollTo(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    auto* edit = qobject_cast<QLineEdit*>(grid->activeEditor());
    if (edit) QTest::keyClicks(edit, text);
    return edit;
}

struct ContactView : ::testing::Test {
    Env env;
    std::unique_ptr<settings::CContactView> view;
    grid::GridView* grid = nullptr;
    RadioImage& img = env.state.image;

    void open() {
        view = std::make_unique<settings::CContactView>(env.editorEnv());
        view->resize(600, 500);
        view->show();
        view->LoadFromImage();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        grid = view->grid();
    }
};

TEST_F(ContactView, StoresOnlyItsOwnBytesAndASecondRoundChangesNothing) {
    open();
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        RadioImage start = randomImage(rng);
        // Ordinary records too: digits and capitals ended by 0x00 come back byte for byte.
        for (int k = 0; k < contact::kCount; k += 3) {
            start.setText(contact::callIdAddress(k), 5, QByteArray::number(int(rng() % 100000)), 0);
            start.setText(contact::nameAddress(k), 8, QByteArray::number(qulonglong(rng() % 0xFFFFFFF), 36).toUpper(), 0);
        }
        const std::string what = "seed " + std::to_string(seed);
        const RadioImage stored = checkRoundTrips(*view, img, start, isContactByte, what.c_str());
        for (int k = 0; k < contact::kCount; k += 3) {
            EXPECT_EQ(bytesAt(stored, contact::callIdAddress(k), 5), bytesAt(start, contact::callIdAddress(k), 5));
            EXPECT_EQ(bytesAt(stored, contact::nameAddress(k), 8), bytesAt(start, contact::nameAddress(k), 8));
        }
    }
}

TEST_F(ContactView, RecordsLoadUpToTheirWidthAndStoreZeroFilled) {
    img.setText(contact::callIdAddress(0), 5, "12345", 0);
    img.setText(contact::callIdAddress(1), 5, "678", 0);
    img.setText(contact::nameAddress(0), 8, "ABCDEFGH", 0);       // eighth byte not 0x00
    img.setText(contact::nameAddress(1), 8, "B\xE9T\x01", 0);     // bytes nobody can type
    img.setText(contact::callIdAddress(2), 5, QByteArray("9\0" "77", 4), 0);  // after the end: dropped
    open();
    EXPECT_EQ(grid->rowCount(), 129);
    EXPECT_EQ(grid->text(0, 2), "Name");
    EXPECT_EQ(grid->text(128, 0), "127");
    EXPECT_EQ(grid->columnWidthTwips(2), 2000);
    EXPECT_EQ(grid->text(1, 1), "12345");  // five digits and no terminator
    EXPECT_EQ(grid->text(2, 1), "678");
    EXPECT_EQ(grid->text(1, 2), "ABCDEFG");
    EXPECT_EQ(grid->text(3, 1), "9");

    view->StoreToImage();
    EXPECT_EQ(bytesAt(img, contact::callIdAddress(0), 10), QByteArray("12345678\0\0", 10));
    EXPECT_EQ(bytesAt(img, contact::nameAddress(0), 16), QByteArray("ABCDEFG\0B\xE9T\x01\0\0\0\0", 16));
    EXPECT_EQ(bytesAt(img, contact::callIdAddress(2), 5), QByteArray("9\0\0\0\0", 5));

    QTest::keyClick(grid, Qt::Key_F1);
    EXPECT_EQ(env.help.contexts, std::vector<int>{178});
}

TEST_F(ContactView, OnlyWhatTheRecordsHoldCanBeTypedOrPasted) {
    img.setText(contact::nameAddress(5), 8, "OLD", 0);
    open();
    QLineEdit* edit = typeInto(grid, 5, 2, "ab c.1-z");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "ABC1Z");
    QTest::keyClick(edit, Qt::Key_Return);
    edit = typeInto(grid, 7, 2, "");
    ASSERT_NE(edit, nullptr);
    edit->insert(QStringLiteral("q \u00e9.\u04169"));  // a paste keeps what may be typed
    EXPECT_EQ(edit->text(), "Q9");
    edit = typeInto(grid, 5, 1, "");
    ASSERT_NE(edit, nullptr);
    edit->insert(QStringLiteral("1\u0664\u00b2a2"));  // Arabic-Indic and superscript digits are no digits here
    EXPECT_EQ(edit->text(), "12");
    QTest::keyClicks(edit, "34567");
    EXPECT_EQ(edit->text(), "12345");
    edit = typeInto(grid, 6, 2, "");
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_Backspace);
    grid->commitEdit();

    view->StoreToImage();
    EXPECT_EQ(bytesAt(img, contact::nameAddress(4), 8), QByteArray("ABC1Z\0\0\0", 8));
    EXPECT_EQ(bytesAt(img, contact::nameAddress(6), 8), QByteArray("Q9\0\0\0\0\0\0", 8));
    EXPECT_EQ(bytesAt(img, contact::callIdAddress(4), 5), QByteArray("12345"));
    EXPECT_TRUE(img.allBytesAre(contact::nameAddress(5), 8, 0));
}

// In the real main window: toolbar buttons take no focus, so the store itself must end an
// edit still open.
struct ContactsInTheMainWindow : ::testing::Test {
    shelltest::AppDir dir;
    app::AppState state;
    shelltest::ScriptedPrompts prompts;
    shelltest::RecordingHelp help;
    shelltest::FakeLink link;
    std::unique_ptr<shell::CMainFrame> frame;

    void SetUp() override {
        dir.writeDefaultDat(defaultdat::defaultImage());
        state.config = app::startupConfig(dir.exePath());
        frame = std::make_unique<shell::CMainFrame>(state, prompts, help, shell::programEditors(), link.services());
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    template <typename View>
    View* open(config::EditorKind kind) {
        frame->workspace().open(kind);
        return static_cast<View*>(frame->workspace().frame(kind)->view());
    }
    void trigger(const char* action) { frame->findChild<QAction*>(action)->trigger(); }
    QByteArray savedRecord(const QString& path, image::Addr at, int size) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll().mid(0x1000 + at, size);
    }
};

TEST_F(ContactsInTheMainWindow, ATypedContactReachesTheFileFromTheToolbarAndNewForgetsIt) {
    auto* view = open<settings::CContactView>(config::EditorKind::CommunicationNote);
    typeInto(view->grid(), 1, 1, "5");
    ASSERT_NE(typeInto(view->grid(), 1, 2, "base"), nullptr);  // still open
    prompts.saveNames = {dir.file("contacts.dat")};
    trigger("actionSave");
    EXPECT_EQ(savedRecord(dir.file("contacts.dat"), contact::nameAddress(0), 8), QByteArray("BASE\0\0\0\0", 8));
    EXPECT_EQ(savedRecord(dir.file("contacts.dat"), contact::callIdAddress(0), 5), QByteArray("5\0\0\0\0", 5));

    ASSERT_NE(typeInto(view->grid(), 2, 2, "GHOST"), nullptr);
    prompts.yesNo = {true};
    trigger("actionNew");
    EXPECT_FALSE(view->grid()->isEditing());
    EXPECT_EQ(view->grid()->text(2, 2), "");
    EXPECT_EQ(view->grid()->text(1, 2), "");
    trigger("actionSave");
    EXPECT_TRUE(state.image.allBytesAre(contact::kCallIds, int(kContactsEnd - contact::kCallIds), 0));
}

// The delivered file holds values both editors show as they are.
TEST(DeliveredFile, BothEditorsLoadAndStoreItUnchanged) {
    Env env;
    env.state.image = defaultdat::defaultImage();
    settings::CScanInfoView scanInfo(env.editorEnv());
    settings::CContactView contacts(env.editorEnv());
    for (forms::CBaseFormView* view : std::initializer_list<forms::CBaseFormView*>{&scanInfo, &contacts}) {
        view->LoadFromImage();
        view->StoreToImage();
    }
    EXPECT_EQ(env.state.image, defaultdat::defaultImage());
}

} // namespace
} // namespace settings_test
