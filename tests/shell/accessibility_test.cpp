// Screen readers: every control of every editor and window of the program has a name, and
// every dialog's buttons carry mnemonics. The editors come from the program's editor table,
// the windows from running every command of the main window and pressing every button of
// every editor (with the program's own prompts, help and dialogs), so a new editor, command
// or dialog is checked without changing this test. Dialogs that only open with arguments a
// command cannot give here (a file to import, a radio to compare) are listed below.

#include "shell_fixture.h"

#include "channels/channel_record.h"
#include "default_image.h"
#include "grid/grid_view.h"
#include "shell/child_frame.h"
#include "shell/compare_dialog.h"
#include "shell/csv_import_dialog.h"
#include "shell/dialog_prompts.h"
#include "shell/help_window.h"
#include "shell/main_frame.h"
#include "shell/password_dialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace shelltest;

namespace {

QString withoutMnemonic(QString text) {
    static const QString kMarker = QStringLiteral("\x01");
    return text.replace(QStringLiteral("&&"), kMarker).remove(u'&').replace(kMarker, QStringLiteral("&"));
}

// The name a screen reader announces for a control: the name set on it, its own text (buttons,
// check boxes, the tabs of a tab bar), or the text of the label whose buddy it is.
QString announcedName(const QWidget* control) {
    if (!control->accessibleName().isEmpty()) return control->accessibleName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return withoutMnemonic(button->text());
    if (const auto* tabs = qobject_cast<const QTabBar*>(control)) return withoutMnemonic(tabs->tabText(tabs->currentIndex()));
    if (const auto* window = qobject_cast<const QMdiSubWindow*>(control)) return window->windowTitle();
    if (!control->parentWidget()) return {};
    for (const QLabel* label : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == control) return withoutMnemonic(label->text());
    return {};
}

// The inner parts of a drop-down, a spin box or a list (an in-cell editor) are named by it.
bool isPartOfAnotherControl(const QWidget* widget, const QWidget* root) {
    for (const QWidget* p = widget->parentWidget(); p && p != root; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QAbstractItemView*>(p))
            return true;
    return false;
}

QString describe(const QWidget* widget) {
    return QStringLiteral("%1 (%2)").arg(widget->objectName(), QLatin1String(widget->metaObject()->className()));
}

// Each control under `root` that the keyboard reaches and that has no name, described.
QStringList unnamedControls(const QWidget* root) {
    QStringList unnamed;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->window() != root->window() || !(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() ||
            isPartOfAnotherControl(widget, root))
            continue;
        if (announcedName(widget).trimmed().isEmpty()) unnamed.append(describe(widget));
    }
    return unnamed;
}

// Each push button of a dialog without a mnemonic, or with one another button has too.
QStringList buttonsWithoutOwnMnemonic(const QWidget* dialog) {
    QStringList faults;
    QMap<QChar, QString> taken;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->window() != dialog) continue;
        QString text = button->text();
        const qsizetype at = text.replace(QStringLiteral("&&"), QStringLiteral("__")).indexOf(u'&');
        if (at < 0 || at + 1 >= text.size()) {
            faults.append(describe(button) + QStringLiteral(" \"%1\" has no mnemonic").arg(button->text()));
            continue;
        }
        const QChar key = text.at(at + 1).toLower();
        if (taken.contains(key))
            faults.append(describe(button) + QStringLiteral(" shares Alt+%1 with %2").arg(key).arg(taken[key]));
        taken.insert(key, describe(button));
    }
    return faults;
}

// Our own classes live in namespaces; Qt's (message boxes, file dialogs) do not.
bool isOurs(const QWidget* window) { return QByteArray(window->metaObject()->className()).contains("::"); }

QString windowName(const QWidget* window) {
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(window->metaObject()->className()), window->windowTitle());
}

// Watches every window that shows: checks ours, then closes it (a dialog as if cancelled), so
// that any command can run to its end.
class WindowInspector : public QObject {
public:
    explicit WindowInspector(const QWidget* mainWindow) : m_main(mainWindow) { qApp->installEventFilter(this); }
    ~WindowInspector() override { qApp->removeEventFilter(this); }

    QStringList seen;    // class names of our windows, as they showed
    QStringList faults;  // "<window>: <control> ..."

    void inspect(const QWidget* root, const QString& where, bool dialog) {
        for (const QString& control : unnamedControls(root)) faults.append(where + QStringLiteral(": ") + control +
                                                                           QStringLiteral(" has no accessible name"));
        if (dialog)
            for (const QString& fault : buttonsWithoutOwnMnemonic(root)) faults.append(where + QStringLiteral(": ") + fault);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        if (!window->isWindow() || window == m_main || type == Qt::Popup || type == Qt::ToolTip) return false;
        if (isOurs(window)) {
            seen.append(QLatin1String(window->metaObject()->className()));
            inspect(window, windowName(window), qobject_cast<QDialog*>(window) != nullptr);
        }
        if (auto* dialog = qobject_cast<QDialog*>(window))
            QTimer::singleShot(0, dialog, &QDialog::reject);
        else
            QTimer::singleShot(0, window, &QWidget::close);
        return false;
    }

private:
    const QWidget* m_main;
};

} // namespace

class AccessibilityTest : public ::testing::Test {
protected:
    AppDir dir;
    app::AppState state;
    FakeLink link;
    std::unique_ptr<shell::DialogPrompts> prompts;
    std::unique_ptr<shell::BuiltInHelp> help;
    std::unique_ptr<shell::CMainFrame> frame;

    // A configuration with one channel, so that the channel commands have one to work on.
    void SetUp() override {
        image::RadioImage img = defaultdat::defaultImage();
        channels::channelClear(img, channels::kFirstSlot);
        channels::setUsageBit(img, channels::kFirstSlot, false);
        channels::ChannelRecord(img, channels::kFirstSlot).writeRxTx(image::Freq10Hz(14500000), image::Freq10Hz(14500000));
        dir.writeDefaultDat(img);
        state.config = app::startupConfig(dir.exePath());
        prompts = std::make_unique<shell::DialogPrompts>(state.config);
        help = std::make_unique<shell::BuiltInHelp>();
        frame = std::make_unique<shell::CMainFrame>(state, *prompts, *help, shell::programEditors(), link.services());
        prompts->setParent(frame.get());
        help->setWindowParent(frame.get());
        frame->setPrinterChooser([](QPrinter&) { return false; });
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    void TearDown() override { frame.reset(); }
};

TEST_F(AccessibilityTest, EveryControlOfEveryEditorAndOfTheMainWindowHasAName) {
    WindowInspector inspector(frame.get());
    inspector.inspect(frame.get(), QStringLiteral("main window"), false);
    for (const app::EditorKindInfo& info : app::kEditorKinds) {
        frame->openEditor(info.kind);
        const shell::CMyChildFrame* editor = frame->workspace().frame(info.kind);
        ASSERT_TRUE(editor) << info.windowTitle;
        inspector.inspect(editor, QLatin1String(info.windowTitle), false);
    }
    EXPECT_TRUE(inspector.faults.isEmpty()) << inspector.faults.join(u'\n').toStdString();
}

TEST_F(AccessibilityTest, EveryWindowTheCommandsAndTheEditorsButtonsOpenIsNamedAndHasMnemonics) {
    WindowInspector inspector(frame.get());
    // Exit would end the program and the backup folder opens another program.
    const QStringList notRun = {"actionExit", "actionOpenBackupFolder"};
    for (QAction* action : frame->findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        if (!action->isSeparator() && !notRun.contains(action->objectName()) &&
            !action->objectName().startsWith(QStringLiteral("actionRecent")))
            action->trigger();
    for (const app::EditorKindInfo& info : app::kEditorKinds) {
        frame->openEditor(info.kind);
        const shell::CMyChildFrame* editor = frame->workspace().frame(info.kind);
        ASSERT_TRUE(editor) << info.windowTitle;
        for (QPushButton* button : editor->findChildren<QPushButton*>())
            if (button->isVisible() && button->isEnabled() && button->objectName() != QStringLiteral("closeButton"))
                button->click();
    }

    // The dialogs that need what no command here can give.
    const auto planner = [](channels::csv::Placement) { return channels::csv::ImportPlan{}; };
    const QList<report::Difference> differences = {{"Channel", "0 / RX Frequency", "145.00000", "146.00000"}};
    std::vector<std::unique_ptr<QDialog>> listed;
    listed.push_back(std::make_unique<shell::CsvImportDialog>(QStringLiteral("channels.csv"), planner, frame.get()));
    listed.push_back(std::make_unique<shell::CompareDialog>(differences, [] { return QString(); }, frame.get()));
    listed.push_back(std::make_unique<shell::PasswordDialog>(app::PasswordMode::ProgramPassword, QString(), frame.get()));
    listed.push_back(std::make_unique<shell::ReviveDialog>(QStringLiteral("Radio is stunned"), frame.get()));
    for (const auto& dialog : listed) dialog->exec();

    EXPECT_TRUE(inspector.faults.isEmpty()) << inspector.faults.join(u'\n').toStdString();
    // What a command opens counts only if it opened: these must have been among them.
    for (const char* expected :
         {"shell::ModelDialog", "shell::PortDialog", "shell::PasswordDialog", "shell::TransferDialog",
          "shell::AboutDialog", "shell::CheckDialog", "shell::HelpWindow", "channels::CChannelEditDialog",
          "signalling::CDtmfSpecialCallDialog", "signalling::CFiveToneSpecialCallDialog"})
        EXPECT_TRUE(inspector.seen.contains(QLatin1String(expected))) << expected << " did not open";
}

// A screen reader moving through a list hears the column and the entry with the value.
TEST_F(AccessibilityTest, GridCellsNameTheirColumnAndEntryAndTheTreeItsItems) {
    const grid::GridView* grid = frame->findChild<grid::GridView*>();
    ASSERT_TRUE(grid);
    const QModelIndex rx = grid->model()->index(0, 0);
    EXPECT_EQ(rx.data(Qt::AccessibleTextRole).toString(), "RX Frequency, CH 0: 145.00000");
    EXPECT_EQ(grid->model()->index(1, 2).data(Qt::AccessibleTextRole).toString(), "CH Name, CH 1");
    EXPECT_EQ(rx.data(Qt::AccessibleDescriptionRole).toString(), "RX Frequency, CH 0");

    const auto* tree = frame->findChild<QTreeWidget*>(QStringLiteral("tree"));
    QAccessibleInterface* treeAccess = QAccessible::queryAccessibleInterface(const_cast<QTreeWidget*>(tree));
    ASSERT_TRUE(treeAccess);
    QStringList items;
    for (int i = 0; i < treeAccess->childCount(); ++i) items.append(treeAccess->child(i)->text(QAccessible::Name));
    EXPECT_TRUE(items.contains(QStringLiteral("Function Setup"))) << items.join(u',').toStdString();
}
