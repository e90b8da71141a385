// SPDX-License-Identifier: GPL-3.0-or-later
// Screen readers: every control of every editor and window of the program has a name, and
// every dialog's buttons carry mnemonics. The editors come from the program's editor table,
// the windows from running every command of the main window and pressing every button of
// every editor (with the program's own prompts, help and dialogs), so a new editor, command
// or dialog is checked without changing this test. Dialogs that only open with arguments a
// command cannot give here (a file to import, a radio to compare) are listed below.
// The same walk, with the German translation loaded, finds the texts still shown in English.

#include "shell_fixture.h"
#include "window_walk.h"

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
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>

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

// Opens the main window, every editor and every window the commands and the editors' buttons
// open, and hands each to `inspect`; the class names of the windows that showed.
QStringList inspectEveryWindow(const WindowInspector::Inspect& inspect) {
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
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));

    WindowInspector inspector(&frame, inspect);
    inspect(&frame, QStringLiteral("main window"), false);
    // Exit would end the program and the backup folder opens another program.
    const QStringList notRun = {"actionExit", "actionOpenBackupFolder"};
    for (QAction* action : frame.findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        if (!action->isSeparator() && !notRun.contains(action->objectName()) &&
            !action->objectName().startsWith(QStringLiteral("actionRecent")))
            action->trigger();
    for (const config::Editor& info : config::kEditors) {
        frame.openEditor(info.kind);
        const shell::CMyChildFrame* editor = frame.workspace().frame(info.kind);
        if (!editor) {
            ADD_FAILURE() << info.windowTitle << " did not open";
            continue;
        }
        inspect(editor, QLatin1String(info.windowTitle), false);
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
    return inspector.seen;
}

} // namespace

TEST(AccessibilityTest, EveryEditorAndEveryWindowOfTheProgramNamesItsControlsAndItsButtonsHaveMnemonics) {
    QStringList faults;  // "<window>: <control> ..."
    const QStringList seen = inspectEveryWindow([&faults](const QWidget* root, const QString& where, bool dialog) {
        for (const QString& control : unnamedControls(root)) faults.append(where + ": " + control + " has no name");
        for (const QString& fault : dialog ? buttonsWithoutOwnMnemonic(root) : QStringList())
            faults.append(where + ": " + fault);
    });

    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
    // A window counts only if it opened: these must have been among those that did.
    for (const char* expected :
         {"shell::ModelDialog", "shell::PortDialog", "shell::PasswordDialog", "shell::TransferDialog",
          "shell::AboutDialog", "shell::CheckDialog", "shell::FleetDialog", "shell::HelpWindow",
          "channels::CChannelEditDialog", "signalling::CDtmfSpecialCallDialog", "signalling::CFiveToneSpecialCallDialog",
          "shell::JsonImportDialog"})
        EXPECT_TRUE(seen.contains(QLatin1String(expected))) << expected << " did not open";
}

namespace {

// What a German user reads may be English only where it is no text of the program's: values
// the radio stores and files carry (option texts, codes), units, names, the model's name, and
// the names this test gives the dialogs it opens itself.
const QStringList kEnglishByDesign = {
    "QMR", "VHF", "UHF", "FUNC", "MHz", "kHz", "KHz", "Hz", "ms", "DTMF", "CTCSS", "DCS", "ANI", "ENI", "VFO", "PTT", "PTTID", "ID",
    "BOT", "EOT", "SQL", "TBST", "RX", "TX", "CH", "CSV", "JSON", "PDF", "WAV", "GNU", "General", "Public",
    "License", "dialout", "Debian", "Linux", "Kill", "Stun", "Offset", "Location", "Frequency", "Mode", "Tone",
    "Skip", "CrossMode", "DtcsPolarity", "TStep", "Power", "Duplex", "High", "Middle", "Low", "channels", "csv",
    "site", "json", "Radio", "stunned", "dtmf", "selfId", "only", "digits", "Channel", "Version", "Copyright",
    "CAP", "NUM", "SCRL", "COM", "SIMULATOR", "dev", "tty", "ttyS", "ttyUSB", "Dat", "dat", "Default",
    // The fleet roster's columns are the configuration report's field names ("DTMF / DTMF
    // Self ID"), which stay English as the report and its documents do.
    "Self",
    // The languages of View > Language, each named in its own language.
    "English", "Deutsch",
    // Key names beside a menu command come from Qt's own translation, which this test leaves out.
    "Del",
};

// The words of a shown text; file names, paths and keys ("site.json", "fiveTone.selfId") are
// data, not words.
QStringList wordsOf(const QString& text) {
    static const QRegularExpression data(QStringLiteral("\\S*\\w[./]\\w\\S*"));
    static const QRegularExpression word(QStringLiteral("[A-Za-zÄÖÜäöüß]{3,}"));
    QStringList words;
    const QString shown = QString(text).remove(data);
    for (auto match = word.globalMatch(shown); match.hasNext();) words.append(match.next().captured());
    return words;
}

// Every word of the German translations: a shown word outside them (and the exceptions) is
// English that never went through the translation.
QSet<QString> germanWords(const QString& tsPath) {
    QFile file(tsPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << tsPath.toStdString();
    QSet<QString> words;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            (xml.name() == u"translation" || xml.name() == u"numerusform"))
            for (const QString& w : wordsOf(xml.readElementText(QXmlStreamReader::IncludeChildElements))) words.insert(w);
    return words;
}

bool isStandardButton(QPushButton* button) {
    const auto* box = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
    return box && box->standardButton(button) != QDialogButtonBox::NoButton;
}

// The fixed texts a window shows: titles, labels, buttons, group boxes, tabs, list headers and
// the main window's menus. Qt's own texts (standard buttons, a window's system menu) come from
// Qt's translation.
QStringList shownTexts(const QWidget* root) {
    QStringList texts{root->windowTitle()};
    for (QWidget* w : root->findChildren<QWidget*>()) {
        // A menu is a window of its own, and shows its texts only when open.
        if (const auto* menu = qobject_cast<const QMenu*>(w); menu && menu->objectName().startsWith(u"menu"))
            for (const QAction* action : menu->actions()) texts.append(action->text());
        if (w->window() != root->window() && !qobject_cast<const QMdiSubWindow*>(root)) continue;
        if (const auto* label = qobject_cast<const QLabel*>(w)) texts.append(label->text());
        if (auto* button = qobject_cast<QPushButton*>(w); button && isStandardButton(button)) continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) texts.append(button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) texts.append(group->title());
        if (const auto* tabs = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i) texts.append(tabs->tabText(i));
        if (const auto* header = qobject_cast<const QHeaderView*>(w); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                texts.append(header->model()->headerData(i, header->orientation()).toString());
    }
    return texts;
}

} // namespace

TEST(GermanTest, EveryEditorAndEveryWindowOfTheProgramSpeaksGerman) {
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/qmr417_de.qm")));
    QCoreApplication::installTranslator(&german);
    const QSet<QString> known = germanWords(QStringLiteral(QMR_SOURCE_DIR "/translations/qmr417_de.ts"));
    QStringList english;  // "<window>: <text>"
    inspectEveryWindow([&](const QWidget* root, const QString& where, bool) {
        for (const QString& text : shownTexts(root))
            for (const QString& word : wordsOf(text))
                if (!known.contains(word) && !kEnglishByDesign.contains(word)) {
                    english.append(where + ": \"" + text + "\" (" + word + ')');
                    break;
                }
    });
    QCoreApplication::removeTranslator(&german);
    english.removeDuplicates();
    EXPECT_TRUE(english.isEmpty()) << english.size() << " English texts:\n" << english.join(u'\n').toStdString();
}
