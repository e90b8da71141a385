// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_view.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using grid::GridView;

struct Commit {
    int row;
    int column;
    QString text;
    bool operator==(const Commit&) const = default;
};

void PrintTo(const Commit& c, std::ostream* os)
{
    *os << "(" << c.row << ", " << c.column << ", \"" << c.text.toStdString() << "\")";
}

const QStringList kSteps = {"2.5", "5", "6.25", "12.5"};

// A grid shaped like the channel list: 204 x 10, frequency, name and drop-down columns,
// inside a form with one other control to take the focus.
class GridViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_form = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_form.get());
        grid = new GridView(m_form.get());
        other = new QLineEdit(m_form.get());
        other->setObjectName(QStringLiteral("otherControl"));
        layout->addWidget(grid);
        layout->addWidget(other);

        // A font no larger than the standard one: the twips give the pixels as they are.
        QFont small = grid->font();
        small.setPixelSize(9);
        grid->setFont(small);
        grid->setLogicalDpi(96, 96);
        grid->setRowCount(204);
        grid->setColumnCount(10);
        grid->setRowHeightTwips(0, 600);
        const int widths[] = {600, 1320, 1320, 1200, 1000, 1100, 900, 1200, 1200, 1200};
        for (int c = 0; c < 10; ++c)
            grid->setColumnWidthTwips(c, widths[c]);
        for (int r = 1; r < 204; ++r)
            grid->setText(r, 0, QString::number(r - 1));
        grid->setText(0, 0, QStringLiteral("CH"));
        grid->setText(1, 1, QStringLiteral("146.52000"));
        grid->setText(1, 3, QStringLiteral("BASE"));
        grid->setText(1, 4, QStringLiteral("12.5"));

        grid->setColumnEditor(1, grid::LineEditorSetup{QStringLiteral("0123456789."), 10, false});
        grid->setColumnEditor(2, grid::LineEditorSetup{QStringLiteral("0123456789."), 10, false});
        grid->setColumnEditor(3, grid::LineEditorSetup{{}, 7, true});
        grid->setColumnEditor(4, grid::ListEditorSetup{kSteps, {}});
        setHooks({});

        m_form->resize(800, 500);
        m_form->show();
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
        grid->setFocus();
    }

    // Hooks that record commits; extra hooks are added by the tests.
    void setHooks(grid::GridHooks hooks)
    {
        if (!hooks.commit)
            hooks.commit = [this](int row, int column, const QString& text) {
                commits.push_back({row, column, text});
                grid->setText(row, column, text);
            };
        grid->setHooks(std::move(hooks));
    }

    QPoint cellCentre(int row, int column)
    {
        const QModelIndex index = grid->model()->index(row - 1, column - 1);
        grid->scrollTo(index);
        return grid->visualRect(index).center();
    }

    void clickCell(int row, int column, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cellCentre(row, column));
    }

    QLineEdit* lineEditor() const { return qobject_cast<QLineEdit*>(grid->activeEditor()); }
    QComboBox* listEditor() const { return qobject_cast<QComboBox*>(grid->activeEditor()); }

    std::vector<Commit> commits;   // outlives the form, whose teardown moves the focus
    std::unique_ptr<QWidget> m_form;
    GridView* grid = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(GridViewTest, ClickOnALineColumnOpensItsEditorWithTheCellTextSelected)
{
    clickCell(1, 1);

    QLineEdit* editor = lineEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->objectName(), QStringLiteral("gridLineEditor"));
    EXPECT_EQ(editor->text(), QStringLiteral("146.52000"));
    EXPECT_EQ(editor->selectedText(), QStringLiteral("146.52000"));
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_TRUE(commits.empty());
}

TEST_F(GridViewTest, TypingIntoTheEditorHonoursFilterLengthAndUpperCase)
{
    clickCell(1, 1);
    QTest::keyClicks(lineEditor(), QStringLiteral("14a6.5x25-"));
    EXPECT_EQ(lineEditor()->text(), QStringLiteral("146.525"));
    QTest::keyClicks(lineEditor(), QStringLiteral("123456"));
    EXPECT_EQ(lineEditor()->text(), QStringLiteral("146.525123")) << "at most 10 characters";
    QTest::keyClick(lineEditor(), Qt::Key_Backspace);
    EXPECT_EQ(lineEditor()->text(), QStringLiteral("146.52512"));
    QTest::keyClick(lineEditor(), Qt::Key_Return);

    clickCell(2, 3);
    QTest::keyClicks(lineEditor(), QStringLiteral("mobile 12"));
    EXPECT_EQ(lineEditor()->text(), QStringLiteral("MOBILE ")) << "upper-cased, at most 7";
}

TEST_F(GridViewTest, EnterCommitsOnceReturnsTheFocusAndLetsTheOwnerMove)
{
    std::vector<Commit> afterEnter;
    grid::GridHooks hooks;
    hooks.afterEnter = [&](int row, int column, const QString& text) {
        afterEnter.push_back({row, column, text});
        EXPECT_TRUE(grid->hasFocus());
        grid->setCurrentColumn(column + 1);
    };
    setHooks(hooks);

    clickCell(1, 3);
    QTest::keyClicks(lineEditor(), QStringLiteral("car"));
    QTest::keyClick(lineEditor(), Qt::Key_Return);

    EXPECT_EQ(commits, (std::vector<Commit>{{1, 3, QStringLiteral("CAR")}}));
    EXPECT_EQ(afterEnter, (std::vector<Commit>{{1, 3, QStringLiteral("CAR")}}));
    EXPECT_FALSE(grid->isEditing());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(grid->text(1, 3), QStringLiteral("CAR"));
    EXPECT_EQ(grid->currentColumn(), 4);
}

TEST_F(GridViewTest, WithoutACommitHookTheTextGoesIntoTheCell)
{
    grid->setHooks({});
    clickCell(5, 2);
    QTest::keyClicks(lineEditor(), QStringLiteral("440.1"));
    QTest::keyClick(lineEditor(), Qt::Key_Enter);
    EXPECT_EQ(grid->text(5, 2), QStringLiteral("440.1"));
    EXPECT_EQ(grid->currentRow(), 5) << "the current cell stays without an owner rule";
    EXPECT_EQ(grid->currentColumn(), 2);
}

TEST_F(GridViewTest, LosingTheFocusCommitsAndLeavesTheFocusWhereItWent)
{
    clickCell(1, 3);
    QTest::keyClicks(lineEditor(), QStringLiteral("x"));
    other->setFocus(Qt::MouseFocusReason);

    EXPECT_EQ(commits, (std::vector<Commit>{{1, 3, QStringLiteral("X")}}));
    EXPECT_FALSE(grid->isEditing());
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(GridViewTest, ClickingAnotherCellCommitsTheOpenEditFirst)
{
    clickCell(1, 3);
    QTest::keyClicks(lineEditor(), QStringLiteral("a"));
    clickCell(3, 2);

    EXPECT_EQ(commits, (std::vector<Commit>{{1, 3, QStringLiteral("A")}}));
    ASSERT_NE(lineEditor(), nullptr);
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_EQ(grid->currentColumn(), 2);
}

TEST_F(GridViewTest, EscapeClosesWithoutCommitting)
{
    clickCell(1, 3);
    QTest::keyClicks(lineEditor(), QStringLiteral("x"));
    QTest::keyClick(lineEditor(), Qt::Key_Escape);
    EXPECT_TRUE(commits.empty());
    EXPECT_FALSE(grid->isEditing());
    EXPECT_EQ(grid->text(1, 3), QStringLiteral("BASE"));
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(GridViewTest, ACommitHookThatMovesTheFocusCommitsOnlyOnce)
{
    grid::GridHooks hooks;
    hooks.commit = [&](int row, int column, const QString& text) {
        commits.push_back({row, column, text});
        other->setFocus();   // as a message box would
        grid->setFocus();
    };
    setHooks(hooks);
    clickCell(1, 3);
    QTest::keyClick(lineEditor(), Qt::Key_Return);
    EXPECT_EQ(commits.size(), 1u);
}

TEST_F(GridViewTest, TabAndAnExplicitCommitEndTheEditLikeLosingTheFocus)
{
    int afterEnterCalls = 0;
    grid::GridHooks hooks;
    hooks.afterEnter = [&](int, int, const QString&) { ++afterEnterCalls; };
    setHooks(hooks);

    clickCell(1, 3);
    QTest::keyClicks(lineEditor(), QStringLiteral("t"));
    QTest::keyClick(lineEditor(), Qt::Key_Tab);
    EXPECT_TRUE(grid->hasFocus());

    clickCell(2, 3);
    QTest::keyClicks(lineEditor(), QStringLiteral("s"));
    grid->commitEdit();   // what a list does before it stores or reloads
    grid->commitEdit();

    EXPECT_EQ(commits, (std::vector<Commit>{{1, 3, QStringLiteral("T")}, {2, 3, QStringLiteral("S")}}));
    EXPECT_EQ(afterEnterCalls, 0);
    EXPECT_FALSE(grid->isEditing());
}

TEST_F(GridViewTest, AnotherWindowTakingOverLeavesTheEditOpen)
{
    clickCell(1, 3);
    QTest::keyClicks(lineEditor(), QStringLiteral("q"));

    QWidget otherWindow;
    otherWindow.show();
    otherWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&otherWindow));
    EXPECT_TRUE(commits.empty());
    ASSERT_TRUE(grid->isEditing());

    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    EXPECT_TRUE(lineEditor()->hasFocus());
    EXPECT_EQ(lineEditor()->text(), QStringLiteral("Q"));
}

TEST_F(GridViewTest, DestroyingTheWindowWithAnOpenEditorCallsNoHook)
{
    // An owner's hooks use the owner's members, which are gone by the time its window closes.
    clickCell(1, 3);
    QTest::keyClicks(lineEditor(), QStringLiteral("z"));
    ASSERT_TRUE(grid->isEditing());
    m_form.reset();
    grid = nullptr;
    EXPECT_TRUE(commits.empty());
}

TEST_F(GridViewTest, ScrollingCommitsAndClosesTheEditor)
{
    clickCell(1, 3);
    QTest::keyClicks(lineEditor(), QStringLiteral("y"));
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->value() + 20);

    EXPECT_EQ(commits, (std::vector<Commit>{{1, 3, QStringLiteral("Y")}}));
    EXPECT_FALSE(grid->isEditing());
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(GridViewTest, DropDownSelectsTheEqualEntryAndCommitsTheChosenOne)
{
    clickCell(1, 4);
    QComboBox* editor = listEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->objectName(), QStringLiteral("gridListEditor"));
    EXPECT_EQ(editor->count(), kSteps.size());
    EXPECT_EQ(editor->currentText(), QStringLiteral("12.5"));

    QTest::keyClick(editor, Qt::Key_Up);
    EXPECT_EQ(editor->currentText(), QStringLiteral("6.25"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(commits, (std::vector<Commit>{{1, 4, QStringLiteral("6.25")}}));
}

// Opening the list moves the focus into its popup; the edit must stay open through that, and
// the entry chosen in the popup is what Enter then commits. Each way a user opens the list.
TEST_F(GridViewTest, DropDownListOpensByArrowF4AndAltDownWithoutEndingTheEdit)
{
    const std::vector<std::function<void(QComboBox&)>> openers = {
        [](QComboBox& combo) {
            QStyleOptionComboBox option;
            option.initFrom(&combo);
            option.editable = false;
            const QRect arrow = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxArrow, &combo);
            QTest::mouseClick(&combo, Qt::LeftButton, {}, arrow.center());
        },
        [](QComboBox& combo) { QTest::keyClick(&combo, Qt::Key_F4); },
        [](QComboBox& combo) { QTest::keyClick(&combo, Qt::Key_Down, Qt::AltModifier); },
    };
    const QStringList chosen = {QStringLiteral("2.5"), QStringLiteral("5"), QStringLiteral("6.25")};
    for (std::size_t way = 0; way < openers.size(); ++way) {
        SCOPED_TRACE(way);
        commits.clear();
        grid->setText(1, 4, QStringLiteral("12.5"));
        clickCell(1, 4);
        QComboBox* editor = listEditor();
        ASSERT_NE(editor, nullptr);
        openers[way](*editor);
        const QPointer<QAbstractItemView> popup = editor->view();
        const bool shown = QTest::qWaitFor([popup] { return popup && popup->isVisible(); }, 2000);
        ASSERT_TRUE(grid->isEditing()) << "opening the list ended the edit";
        ASSERT_TRUE(shown);
        EXPECT_TRUE(popup->hasFocus());
        EXPECT_TRUE(commits.empty());

        popup->setCurrentIndex(popup->model()->index(int(way), 0));
        QTest::keyClick(popup, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([popup] { return !popup->isVisible(); }, 2000));
        ASSERT_EQ(grid->activeEditor(), editor);
        EXPECT_EQ(QApplication::focusWidget(), editor);
        EXPECT_EQ(editor->currentText(), chosen[qsizetype(way)]);

        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(commits, (std::vector<Commit>{{1, 4, chosen[qsizetype(way)]}}));
        EXPECT_TRUE(grid->hasFocus());
        QTest::keyClick(grid, Qt::Key_Right);   // the grid takes keys again
        EXPECT_EQ(grid->currentColumn(), 5);
    }
}

TEST_F(GridViewTest, DropDownKeepsACellTextOutsideItsListUnlessAnEntryIsChosen)
{
    grid->setText(2, 4, QStringLiteral("7.5"));
    clickCell(2, 4);
    ASSERT_NE(listEditor(), nullptr);
    EXPECT_EQ(listEditor()->currentIndex(), -1);
    EXPECT_EQ(listEditor()->placeholderText(), QStringLiteral("7.5"));
    other->setFocus();
    EXPECT_EQ(commits, (std::vector<Commit>{{2, 4, QStringLiteral("7.5")}})) << "not emptied";
}

TEST_F(GridViewTest, DropDownAsksItsProviderEachTimeItOpens)
{
    int calls = 0;
    grid->setColumnEditor(9, grid::ListEditorSetup{{}, [&calls] {
        ++calls;
        return QStringList{QStringLiteral("Off"), QStringLiteral("DTMF %1").arg(calls)};
    }});
    clickCell(1, 9);
    ASSERT_NE(listEditor(), nullptr);
    EXPECT_EQ(listEditor()->itemText(1), QStringLiteral("DTMF 1"));
    QTest::keyClick(listEditor(), Qt::Key_Escape);
    clickCell(1, 9);
    ASSERT_NE(listEditor(), nullptr);
    EXPECT_EQ(listEditor()->itemText(1), QStringLiteral("DTMF 2"));
}

TEST_F(GridViewTest, LabelsHeadersAndColumnsWithoutEditorAreNotEdited)
{
    std::vector<std::pair<int, int>> presses;
    grid::GridHooks hooks;
    hooks.mousePress = [&](Qt::MouseButton, Qt::KeyboardModifiers, int row, int column) {
        presses.emplace_back(row, column);
    };
    setHooks(hooks);

    // Pressed close to the label's edge, where a header's own handling would ignore it.
    QHeaderView* labels = grid->verticalHeader();
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, {},
                      QPoint(labels->width() / 2, labels->sectionViewportPosition(2) + 2));
    EXPECT_FALSE(grid->isEditing());
    EXPECT_EQ(grid->currentRow(), 3);

    QHeaderView* header = grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + header->sectionSize(2) / 2, header->height() / 2));
    EXPECT_FALSE(grid->isEditing());

    clickCell(1, 5);   // no editor declared
    EXPECT_FALSE(grid->isEditing());
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_FALSE(grid->isEditing());

    EXPECT_EQ(presses, (std::vector<std::pair<int, int>>{{3, 0}, {0, 3}, {1, 5}}));
}

TEST_F(GridViewTest, ARowLabelClickSelectsTheWholeRow)
{
    QHeaderView* labels = grid->verticalHeader();
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, {},
                      QPoint(labels->width() / 2, labels->sectionViewportPosition(4) + 3));
    const QModelIndexList selected = grid->selectionModel()->selectedIndexes();
    EXPECT_EQ(selected.size(), 9);
    for (const QModelIndex& index : selected)
        EXPECT_EQ(index.row() + 1, 5);
}

TEST_F(GridViewTest, SelectionDisplayDecidesWhetherSelectedCellsAreFilled)
{
    QHeaderView* labels = grid->verticalHeader();
    QTest::mouseClick(labels->viewport(), Qt::LeftButton, {},
                      QPoint(labels->width() / 2, labels->sectionViewportPosition(4) + 5));
    // A selected cell that is not the current one, sampled away from its text and grid lines.
    const QPoint sample = grid->visualRect(grid->model()->index(4, 6)).topLeft() + QPoint(3, 3);
    const auto filled = [&] {
        const QColor colour = grid->viewport()->grab().toImage().pixelColor(sample);
        return colour != grid->palette().color(QPalette::Base);
    };

    grid->setSelectionDisplay(grid::SelectionDisplay::Always);
    EXPECT_TRUE(filled());
    grid->setSelectionDisplay(grid::SelectionDisplay::CellOnly);
    EXPECT_FALSE(filled());
    grid->setSelectionDisplay(grid::SelectionDisplay::WithFocus);
    EXPECT_TRUE(filled());
    other->setFocus();
    EXPECT_FALSE(filled());
    grid->setSelectionDisplay(grid::SelectionDisplay::Always);
    EXPECT_TRUE(filled());
}

TEST_F(GridViewTest, BeforeEditMayMoveTheCurrentColumnOrRefuse)
{
    bool refuse = false;
    grid::GridHooks hooks;
    hooks.beforeEdit = [&](int row, int) {
        if (refuse)
            return false;
        if (grid->text(row, 1).isEmpty())
            grid->setCurrentColumn(1);   // an empty row starts with its first column
        return true;
    };
    setHooks(hooks);

    clickCell(7, 4);
    ASSERT_NE(lineEditor(), nullptr) << "the editor of column 1, not the drop-down";
    EXPECT_EQ(grid->currentColumn(), 1);
    QTest::keyClick(lineEditor(), Qt::Key_Escape);

    refuse = true;
    clickCell(1, 3);
    EXPECT_FALSE(grid->isEditing());
}

TEST_F(GridViewTest, KeyboardOpensEditors)
{
    grid->setCurrentCell(1, 3);
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_NE(lineEditor(), nullptr);
    EXPECT_EQ(lineEditor()->selectedText(), QStringLiteral("BASE"));
    QTest::keyClick(lineEditor(), Qt::Key_Escape);

    // Typing on a cell replaces its text, starting with the typed character.
    QTest::keyClick(grid, Qt::Key_A, Qt::NoModifier);
    ASSERT_NE(lineEditor(), nullptr);
    QTest::keyClicks(lineEditor(), QStringLiteral("b"));
    EXPECT_EQ(lineEditor()->text(), QStringLiteral("AB"));
}

TEST_F(GridViewTest, ArrowsMoveTheCurrentCellAndTheOwnerMayTakeKeysFirst)
{
    grid::GridHooks hooks;
    hooks.keyPress = [&](const QKeyEvent& event) {
        if (event.key() != Qt::Key_Right || grid->currentColumn() != 9)
            return false;
        grid->setCurrentCell(grid->currentRow() + 1, 1);
        return true;
    };
    setHooks(hooks);

    grid->setCurrentCell(2, 8);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_EQ(grid->currentColumn(), 9);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->currentRow(), 4);
    EXPECT_EQ(grid->currentColumn(), 1);
    QTest::keyClick(grid, Qt::Key_Left);   // no hook rule: the label column is never current
    EXPECT_EQ(grid->currentColumn(), 1);
}

TEST_F(GridViewTest, SizesInTwipsFollowTheDpiPerAxis)
{
    EXPECT_EQ(grid->horizontalHeader()->height(), 40);
    EXPECT_EQ(grid->verticalHeader()->width(), 40);
    EXPECT_EQ(grid->columnWidth(0), 88);
    EXPECT_EQ(grid->columnWidthTwips(2), 1320);

    grid->setLogicalDpi(120, 144);
    EXPECT_EQ(grid->columnWidth(0), 110);
    EXPECT_EQ(grid->columnWidth(5), 75);
    EXPECT_EQ(grid->verticalHeader()->width(), 50);
    EXPECT_EQ(grid->horizontalHeader()->height(), 60);
    EXPECT_EQ(grid->rowHeightTwips(0), 600);

    grid->setRowHeightTwips(3, 300);
    EXPECT_EQ(grid->rowHeight(2), 30);
}

// A column widened by dragging its header edge keeps its width in "Program.ini", under its
// own key, for the next grid of that editor; the file's other lines stay as they were.
TEST_F(GridViewTest, DraggedWidthsAreRememberedInTheSettingsFile)
{
    const QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Program.ini"));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Setup]\r\nCOM=COM3\r\n");
    file.close();
    grid->rememberColumnWidths(app::SettingsFile(ini), QStringLiteral("channel"));
    grid->horizontalHeader()->resizeSection(2, 200);   // the user's drag of column 3's edge
    const auto savedWidths = [&ini] { return app::SettingsFile(ini).read(QStringLiteral("Columns"), QStringLiteral("channel"), {}); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return !savedWidths().isEmpty(); }, 2000)) << "written once the drag has settled";
    const QString saved = savedWidths();
    EXPECT_GT(saved.split(u',').value(3).toInt(), 0) << saved.toStdString();
    EXPECT_EQ(saved.split(u',').value(1).toInt(), 0) << "a column left alone stays as laid out";
    EXPECT_EQ(app::SettingsFile(ini).read(QStringLiteral("Setup"), QStringLiteral("COM"), {}), QStringLiteral("COM3"));

    GridView next;
    next.setFont(grid->font());
    next.setLogicalDpi(96, 96);
    next.setRowCount(3);
    next.setColumnCount(10);
    next.setColumnWidthTwips(3, 1200);
    next.rememberColumnWidths(app::SettingsFile(ini), QStringLiteral("channel"));
    EXPECT_NEAR(next.columnWidth(2), 200, 1);
}

TEST_F(GridViewTest, ResizingKeepsTheTextsThatStillFit)
{
    grid->setText(203, 9, QStringLiteral("Off"));
    grid->setRowCount(101);
    grid->setColumnCount(6);
    EXPECT_EQ(grid->text(1, 1), QStringLiteral("146.52000"));
    EXPECT_EQ(grid->text(0, 0), QStringLiteral("CH"));
    grid->setRowCount(204);
    grid->setColumnCount(10);
    EXPECT_EQ(grid->text(203, 9), QString()) << "cut cells come back empty";
    EXPECT_EQ(grid->columnWidth(0), 88) << "widths survive the new shape";
    EXPECT_EQ(grid->horizontalHeader()->height(), 40);
    EXPECT_EQ(grid->columnEditor(9), nullptr);
    EXPECT_NE(grid->columnEditor(4), nullptr);
}

// The 5Tone encode list: 101 x 6 with two fixed columns and a double-click rule.
class FixedColumnsTest : public GridViewTest {
protected:
    void SetUp() override
    {
        GridViewTest::SetUp();
        grid->clearColumnEditor(1);
        grid->setRowCount(101);
        grid->setColumnCount(6);
        grid->setFixedColumnCount(2);
        grid->setText(4, 1, QStringLiteral("ANI"));
        grid->setText(4, 2, QStringLiteral("67890A"));
        grid->setColumnEditor(2, grid::LineEditorSetup{QStringLiteral("0123456789ABCDEF"), 40, false});
    }
};

TEST_F(FixedColumnsTest, AFixedColumnIsNeitherCurrentNorEditedAndReportsDoubleClicks)
{
    std::vector<std::pair<int, int>> doubleClicks;
    grid::GridHooks hooks;
    hooks.doubleClick = [&](int row, int column) { doubleClicks.emplace_back(row, column); };
    setHooks(hooks);

    clickCell(4, 1);
    EXPECT_FALSE(grid->isEditing());
    EXPECT_EQ(grid->currentRow(), 4);
    EXPECT_EQ(grid->currentColumn(), 2);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(4, 1));
    EXPECT_EQ(doubleClicks, (std::vector<std::pair<int, int>>{{4, 1}}));

    grid->setCurrentCell(4, 3);
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(grid->currentColumn(), 2);
}

} // namespace
