// SPDX-License-Identifier: GPL-3.0-or-later
// Screen readers: every control of every editor and window of the program has a name, and
// every dialog's buttons carry mnemonics. The editors come from the program's editor table,
// the windows from running every command of the main window and pressing every button of
// every editor (with the program's own prompts, help and dialogs), so a new editor, command
// or dialog is checked without changing this test. Dialogs that only open with arguments a
// command cannot give here (a file to import, a radio to compare) are listed below.

#include "shell_fixture.h"

#include "default_image.h"
#include "shell/child_frame.h"
#include "shell/compare_dialog.h"
#include "shell/csv_import_dialog.h"
#include "shell/dialog_prompts.h"
#include "shell/help_window.h"
#include "shell/json_import_dialog.h"
#include "shell/main_frame.h"
#include "shell/password_dialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace shelltest;

namespace {

QString withoutMnemonic(QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); }

// The name a screen reader announces for a control: the name set on it, its own text (buttons,
// check boxes, the tabs of a tab bar), or the text of the label whose buddy it is.
QString announcedName(const QWidget* control) {
    if (!control->accessibleName().isEmpty()) return control->accessibleName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return withoutMnemonic(button->text());
    if (const auto* tabs = qobject_cast<const QTabBar*>(control))
        return withoutMnemonic(tabs->tabText(tabs->currentIndex()));
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

QString describe(const QWidget* w) { return w->objectName() + " (" + w->metaObject()->className() + ')'; }

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

// Each push button of a dialog without a mnemonic of its own (none, or one another button has).
QStringList buttonsWithoutOwnMnemonic(const QWidget* dialog) {
    QStringList faults;
    QSet<QChar> taken;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->window() != dialog) continue;
        const QString text = QString(button->text()).replace(QStringLiteral("&&"), QString());
        const qsizetype at = text.indexOf(u'&');
        const QChar key = at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
        if (key.isNull() || taken.contains(key))
            faults.append(describe(button) + " \"" + button->text() + "\" has no mnemonic of its own");
        taken.insert(key);
    }
    return faults;
}

// Our own classes live in namespaces; Qt's (message boxes, file dialogs) do not.
bool isOurs(const QWidget* window) { return QByteArray(window->metaObject()->className()).contains("::"); }

// Watches every window that shows: checks ours, then closes it (a dialog as if cancelled), so
// that any command can run to its end.
class WindowInspector : public QObject {
public:
    explicit WindowInspector(const QWidget* mainWindow) : m_main(mainWindow) { qApp->installEventFilter(this); }
    ~WindowInspector() override { qApp->removeEventFilter(this); }

    QStringList seen;    // class names of our windows, as they showed
    QStringList faults;  // "<window>: <control> ..."

    void inspect(const QWidget* root, const QString& where, bool dialog) {
        for (const QString& control : unnamedControls(root)) faults.append(where + ": " + control + " has no name");
        for (const QString& fault : dialog ? buttonsWithoutOwnMnemonic(root) : QStringList())
            faults.append(where + ": " + fault);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        if (!window->isWindow() || window == m_main || type == Qt::Popup || type == Qt::ToolTip) return false;
        if (isOurs(window)) {
            seen.append(QLatin1String(window->metaObject()->className()));
            const QString name = QString(window->metaObject()->className()) + " \"" + window->windowTitle() + '"';
            inspect(window, name, qobject_cast<QDialog*>(window) != nullptr);
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

TEST(AccessibilityTest, EveryEditorAndEveryWindowOfTheProgramNamesItsControlsAndItsButtonsHaveMnemonics) {
    AppDir dir;
    dir.writeDefaultDat(defaultdat::defaultImage());
    app::AppState state;
    state.config = app::startupConfig(dir.exePath());
    shell::DialogPrompts prompts(state.config);
    shell::BuiltInHelp help;
    FakeLink link;
    shell::CMainFrame frame(state, prompts, help, shell::programEditors(), link.services());
    prompts.setParent(&frame);
    help.setWindowParent(&frame);
    frame.setPrinterChooser([](QPrinter&) { return false; });
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));

    WindowInspector inspector(&frame);
    inspector.inspect(&frame, QStringLiteral("main window"), false);
    // Exit would end the program and the backup folder opens another program.
    const QStringList notRun = {"actionExit", "actionOpenBackupFolder"};
    for (QAction* action : frame.findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        if (!action->isSeparator() && !notRun.contains(action->objectName()) &&
            !action->objectName().startsWith(QStringLiteral("actionRecent")))
            action->trigger();
    for (const config::Editor& info : config::kEditors) {
        frame.openEditor(info.kind);
        const shell::CMyChildFrame* editor = frame.workspace().frame(info.kind);
        ASSERT_TRUE(editor) << info.windowTitle;
        inspector.inspect(editor, QLatin1String(info.windowTitle), false);
        for (QPushButton* button : editor->findChildren<QPushButton*>())
            if (button->isVisible() && button->isEnabled() && button->objectName() != QStringLiteral("closeButton"))
                button->click();
    }
    // The dialogs that need what no command here can give.
    const auto planner = [](channels::csv::Placement) { return channels::csv::ImportPlan{}; };
    shell::CsvImportDialog(QStringLiteral("channels.csv"), planner, &frame).exec();
    shell::CompareDialog({{"Channel", "0 / RX Frequency", "145.00000", "146.00000"}}, {}, &frame).exec();
    shell::ReviveDialog(QStringLiteral("Radio is stunned"), &frame).exec();
    config::ApplyResult refused;
    refused.problems.append({QStringLiteral("dtmf.selfId"), QStringLiteral("\"12A\""), QStringLiteral("only digits 0-9")});
    shell::JsonImportDialog(QStringLiteral("site.json"), refused, &frame).exec();
    shell::JsonImportDialog(QStringLiteral("site.json"), config::ApplyResult{{}, true}, &frame).exec();

    EXPECT_TRUE(inspector.faults.isEmpty()) << inspector.faults.join(u'\n').toStdString();
    // A window counts only if it opened: these must have been among those that did.
    for (const char* expected :
         {"shell::ModelDialog", "shell::PortDialog", "shell::PasswordDialog", "shell::TransferDialog",
          "shell::AboutDialog", "shell::CheckDialog", "shell::FleetDialog", "shell::HelpWindow",
          "channels::CChannelEditDialog", "signalling::CDtmfSpecialCallDialog", "signalling::CFiveToneSpecialCallDialog",
          "shell::JsonImportDialog"})
        EXPECT_TRUE(inspector.seen.contains(QLatin1String(expected))) << expected << " did not open";
}
