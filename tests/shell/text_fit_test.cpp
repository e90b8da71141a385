// SPDX-License-Identifier: GPL-3.0-or-later
// No text is cut, whatever the desktop's font: the program runs with a full configuration at
// 9, 11, 14 and 18 pt (ctest runs this program at the scale factors 1, 1.5 and 2), opens every
// editor and every window its commands and the editors' buttons open, and measures each
// label, button, drop-down, text field, tab, group title, list header and list cell against
// the rectangle it is drawn in.

#include "shell_fixture.h"
#include "window_walk.h"

#include "report_fixture.h"
#include "grid/grid_view.h"
#include "shell/child_frame.h"
#include "shell/dialog_prompts.h"
#include "shell/help_window.h"
#include "shell/main_frame.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

using namespace shelltest;

namespace {

QString shown(QString text) { return text.remove(QLatin1Char('&')); }
QString describe(const QWidget* w) { return w->objectName() + " (" + w->metaObject()->className() + ")"; }
int advance(const QWidget* w, const QString& text) { return w->fontMetrics().horizontalAdvance(text); }

// "gridHeaderRow: \"Step(KHz)\" needs 71 px, has 66".
QString cut(const QWidget* w, const QString& text, int needed, int room) {
    return QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(describe(w), text).arg(needed).arg(room);
}

void checkLabel(const QLabel& label, QStringList& faults) {
    const QString text = shown(label.text());
    if (text.isEmpty() || label.textFormat() == Qt::RichText || Qt::mightBeRichText(text)) return;
    const int room = label.contentsRect().width() - 2 * label.margin() - 2 * label.indent() * (label.indent() > 0);
    if (label.wordWrap()) {
        const int height = label.heightForWidth(label.width());
        if (height > label.height()) faults.append(cut(&label, text, height, label.height()) + " (lines)");
        return;
    }
    for (const QString& line : text.split(u'\n'))
        if (advance(&label, line) > room) faults.append(cut(&label, line, advance(&label, line), room));
}

void checkButton(const QAbstractButton& button, QStringList& faults) {
    const QString text = shown(button.text());
    if (text.isEmpty()) return;
    // The style's own measure of text, indicator and padding.
    if (button.sizeHint().width() > button.width())
        faults.append(cut(&button, text, button.sizeHint().width(), button.width()));
}

void checkCombo(const QComboBox& combo, QStringList& faults) {
    const QString text = combo.currentText();
    if (text.isEmpty()) return;
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    const int room =
        combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo).width();
    if (advance(&combo, text) > room) faults.append(cut(&combo, text, advance(&combo, text), room));
}

void checkLineEdit(const QLineEdit& edit, QStringList& faults) {
    if (edit.text().isEmpty() || qobject_cast<const QComboBox*>(edit.parentWidget())) return;
    const QMargins margins = edit.textMargins();
    const int room = edit.contentsRect().width() - margins.left() - margins.right() - 4;  // the cursor's margin
    if (advance(&edit, edit.text()) > room) faults.append(cut(&edit, edit.text(), advance(&edit, edit.text()), room));
}

// A list editor's header wraps its texts onto as many lines as the header row has; any other
// header shows each text on one line.
void checkHeader(const QHeaderView& header, const QAbstractItemModel& model, bool wraps, QStringList& faults) {
    if (header.orientation() != Qt::Horizontal || !header.isVisible()) return;
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int section = 0; section < header.count(); ++section) {
        const QString text = model.headerData(section, Qt::Horizontal).toString();
        if (text.isEmpty() || header.isSectionHidden(section)) continue;
        const QRect room(0, 0, header.sectionSize(section) - 2 * margin, QWIDGETSIZE_MAX);
        const QRect needed = header.fontMetrics().boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (wraps && (needed.height() > header.height() || needed.width() > room.width()))
            faults.append(cut(&header, text, needed.height(), header.height()) + " (lines)");
        if (!wraps && advance(&header, text) > room.width())
            faults.append(cut(&header, text, advance(&header, text), room.width()));
    }
}

// Every cell in use, the row labels, and the header row of a list editor.
void checkGrid(const grid::GridView& grid, QStringList& faults) {
    checkHeader(*grid.horizontalHeader(), *grid.model(), true, faults);
    const int padding = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
    for (int column = 0; column < grid.columnCount(); ++column) {
        const int room = (column == 0 ? grid.verticalHeader()->width() : grid.columnWidth(column - 1)) - padding;
        for (int row = 1; row < grid.rowCount(); ++row) {
            const QString text = grid.text(row, column);
            if (advance(&grid, text) > room) {
                faults.append(cut(&grid, text, advance(&grid, text), room) + QStringLiteral(" (column %1)").arg(column));
                break;  // one per column says enough
            }
        }
    }
}

// The items of a tree (the Tree Bar, the findings), as far as they are scrolled into view.
void checkTree(const QTreeWidget& tree, QStringList& faults) {
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) {
        for (int column = 0; column < tree.columnCount(); ++column) {
            const QRect rect = tree.visualItemRect(*it);
            const int section = tree.header()->sectionViewportPosition(column);
            const int left = column == 0 ? rect.left() : section;
            const int right = std::min(tree.viewport()->width(), section + tree.header()->sectionSize(column));
            const QString text = (*it)->text(column);
            const int needed = advance(&tree, text) + 4;  // the item's own text margins
            if (!text.isEmpty() && rect.isValid() && needed > right - left)
                faults.append(cut(&tree, text, needed, right - left));
        }
    }
}

QStringList cutTexts(const QWidget& root) {
    QStringList faults;
    for (const QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&root) || w->window() != root.window()) continue;
        if (const auto* label = qobject_cast<const QLabel*>(w)) checkLabel(*label, faults);
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) checkButton(*button, faults);
        if (const auto* combo = qobject_cast<const QComboBox*>(w)) checkCombo(*combo, faults);
        if (const auto* edit = qobject_cast<const QLineEdit*>(w)) checkLineEdit(*edit, faults);
        if (const auto* tree = qobject_cast<const QTreeWidget*>(w)) checkTree(*tree, faults);
        if (const auto* grid = qobject_cast<const grid::GridView*>(w)) {
            checkGrid(*grid, faults);
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model()) {
            if (const auto* header = view->findChild<QHeaderView*>()) checkHeader(*header, *view->model(), false, faults);
        }
        if (const auto* box = qobject_cast<const QGroupBox*>(w); box && advance(box, box->title()) > box->width())
            faults.append(cut(box, box->title(), advance(box, box->title()), box->width()));
        if (const auto* tabs = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                if (advance(tabs, shown(tabs->tabText(i))) > tabs->tabRect(i).width())
                    faults.append(cut(tabs, tabs->tabText(i), advance(tabs, tabs->tabText(i)), tabs->tabRect(i).width()));
    }
    return faults;
}

// Every text of `window` that does not fit, each as "<where>: <fault>".
void measure(const QWidget& window, const QString& where, QStringList& faults) {
    if (window.layout()) window.layout()->activate();
    for (const QString& fault : cutTexts(window)) faults.append(where + ": " + fault);
}

QStringList cutTextsAt(int points) {
    QFont font = QApplication::font();
    font.setPointSize(points);
    QApplication::setFont(font);
    AppDir dir;
    dir.writeDefaultDat(reporttest::fullConfiguration());
    app::AppState state;
    state.config = app::startupConfig(dir.exePath());
    shell::DialogPrompts prompts(state.config);
    shell::BuiltInHelp help;
    FakeLink link;
    shell::CMainFrame frame(state, prompts, help, shell::programEditors(), link.services());
    prompts.setParent(&frame);
    help.setWindowParent(&frame);
    frame.setPrinterChooser([](QPrinter&) { return false; });
    frame.resize(1600, 1000);
    frame.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));

    QStringList faults;
    // Every window a command or button opens is measured as it shows, then closed.
    const WindowInspector measurer(&frame, [&faults](const QWidget* window, const QString& where, bool) {
        measure(*window, where, faults);
    });
    measure(frame, QStringLiteral("main window"), faults);
    for (const config::Editor& info : config::kEditors) {
        frame.openEditor(info.kind);
        shell::CMyChildFrame* editor = frame.workspace().frame(info.kind);
        if (!editor) continue;
        QApplication::processEvents();
        measure(*editor, QLatin1String(info.windowTitle), faults);
        for (QPushButton* button : editor->findChildren<QPushButton*>())
            if (button->isVisible() && button->isEnabled() && button->objectName() != QStringLiteral("closeButton"))
                button->click();
    }
    const QStringList notRun = {"actionExit", "actionOpenBackupFolder", "actionNew", "actionOpen"};
    for (QAction* action : frame.findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        if (!action->isSeparator() && !notRun.contains(action->objectName()) &&
            !action->objectName().startsWith(QStringLiteral("actionRecent")))
            action->trigger();
    QApplication::setFont(QFont());
    return faults;
}

TEST(TextFitTest, NoTextIsCutAtAnyDesktopFontSize) {
    for (const int points : {9, 11, 14, 18}) {
        const QStringList faults = cutTextsAt(points);
        EXPECT_TRUE(faults.isEmpty()) << points << " pt, scale " << qgetenv("QT_SCALE_FACTOR").toStdString() << ":\n"
                                      << faults.join(u'\n').toStdString();
    }
}

} // namespace
