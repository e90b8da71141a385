// SPDX-License-Identifier: GPL-3.0-or-later
// The Model, password and About dialogs, the help pages, and the bridge that lets the
// transfer worker ask its questions on the user-interface thread.

#include "shell_fixture.h"

#include "shell/about_dialog.h"
#include "app/app_config.h"
#include "shell/help_window.h"
#include "shell/model_dialog.h"
#include "shell/password_dialog.h"
#include "config/print_document.h"
#include "shell/thread_prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QThread>

#include <gtest/gtest.h>

using namespace shelltest;

// --- Model Infomation ------------------------------------------------------------------------

struct ModelCase {
    int rxLow, rxHigh, txLow, txHigh;
    bool accepted;
    const char* refusal = "";  // what the dialog says under the fields when it refuses
};

class ModelDialogTest : public ::testing::TestWithParam<ModelCase> {
protected:
    image::BandLimits start = image::bandLimitsFromMHz(136, 174, 136, 174);
    shell::ModelDialog dialog{"QMR-417", start};

    QLineEdit* entry(const char* name) { return dialog.findChild<QLineEdit*>(name); }
    void enter(int rxLow, int rxHigh, int txLow, int txHigh) {
        for (const auto& [name, value] : {std::pair{"rxLow", rxLow}, {"rxHigh", rxHigh}, {"txLow", txLow}, {"txHigh", txHigh}})
            entry(name)->setText(QString::number(value));
    }
};

TEST_F(ModelDialogTest, ShowsModelLimitsAndBandTable) {
    EXPECT_EQ(dialog.windowTitle(), "Model Infomation");
    const auto* model = dialog.findChild<QComboBox*>("model");
    EXPECT_EQ(model->count(), 1);
    EXPECT_EQ(model->currentText(), "QMR-417");
    EXPECT_FALSE(model->isEnabled());
    EXPECT_EQ(entry("rxLow")->text(), "136");
    EXPECT_EQ(entry("txHigh")->text(), "174");
    for (const char* name : {"rxLow", "rxHigh", "txLow", "txHigh"}) EXPECT_EQ(entry(name)->maxLength(), 3);
    const auto* table = dialog.findChild<QPlainTextEdit*>("bandTable");
    EXPECT_TRUE(table->isReadOnly());
    EXPECT_TRUE(table->toPlainText().startsWith("Rx:136-174\tTx:136-174"));
}

TEST_F(ModelDialogTest, LimitsShowInWholeMegahertzTruncated) {
    image::BandLimits odd = start;
    odd.rxHigh = image::Freq10Hz(17499999);
    shell::ModelDialog truncated("QMR-417", odd);
    EXPECT_EQ(truncated.findChild<QLineEdit*>("rxHigh")->text(), "174");
}

TEST_P(ModelDialogTest, OkAcceptsOnlyARowOfTheBandTable) {
    const ModelCase c = GetParam();
    dialog.show();
    enter(c.rxLow, c.rxHigh, c.txLow, c.txHigh);
    dialog.findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
    EXPECT_EQ(dialog.isVisible(), !c.accepted);  // a refused entry keeps the dialog open
    EXPECT_EQ(dialog.limits(), c.accepted ? image::bandLimitsFromMHz(c.rxLow, c.rxHigh, c.txLow, c.txHigh) : start);
    const auto* refusal = dialog.findChild<QLabel*>("refusal");
    EXPECT_EQ(refusal->isVisible() ? refusal->text() : QString(), c.refusal);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ModelDialogTest,
    ::testing::Values(
        ModelCase{136, 174, 136, 174, true},
        ModelCase{216, 280, 216, 280, false,
                  "With RX 216-280 MHz this radio transmits within 220-260 MHz only: TX 216-280 MHz lies outside."},
        ModelCase{174, 136, 174, 136, true}, ModelCase{216, 280, 220, 260, true},
        ModelCase{136, 174, 400, 490, false,
                  "With RX 136-174 MHz this radio transmits within 136-174 or 130-176 MHz only: TX 400-490 MHz lies "
                  "outside."},
        ModelCase{0, 0, 0, 0, false,
                  "No band of this radio receives on 0-0 MHz: choose RX limits within one line of the list."}));

TEST_F(ModelDialogTest, TextThatIsNoNumberIsRefusedAndTypingAgainTakesTheReasonAway) {
    dialog.show();
    entry("rxLow")->setText("abc");
    dialog.findChild<QPushButton*>("okButton")->click();
    EXPECT_TRUE(dialog.isVisible());
    const auto* refusal = dialog.findChild<QLabel*>("refusal");
    EXPECT_EQ(refusal->text(), "Enter each limit as a whole number of MHz.");
    EXPECT_TRUE(refusal->isVisible());
    QTest::keyClick(entry("rxLow"), Qt::Key_Backspace);
    EXPECT_FALSE(refusal->isVisible());
}

TEST_F(ModelDialogTest, EnterAndEscapeDoNothing) {
    dialog.show();
    enter(400, 490, 400, 490);
    QTest::keyClick(entry("rxLow"), Qt::Key_Return);
    QTest::keyClick(entry("rxLow"), Qt::Key_Enter);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTest::keyClick(dialog.findChild<QPushButton*>("okButton"), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.limits(), start);
}

TEST_F(ModelDialogTest, CancelCloses) {
    dialog.show();
    enter(400, 490, 400, 490);
    dialog.findChild<QPushButton*>("cancelButton")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// --- Password ------------------------------------------------------------------------------

TEST(PasswordDialogTest, BothModesShowBulletsOfAtMostFourCharacters) {
    const std::pair<app::PasswordMode, const char*> modes[] = {
        {app::PasswordMode::SetProgramPassword, "Set Program Password"},
        {app::PasswordMode::ProgramPassword, "Program Password"}};
    for (const auto& [mode, title] : modes) {
        shell::PasswordDialog dialog(mode, "12");
        auto* entry = dialog.findChild<QLineEdit*>("password");
        EXPECT_EQ(dialog.windowTitle(), title);
        EXPECT_EQ(entry->echoMode(), QLineEdit::Password);
        EXPECT_EQ(entry->text(), "12");
        QTest::keyClicks(entry, "345678");
        EXPECT_EQ(dialog.entry(), "3456");   // typing replaces the shown text
    }
}

// A transfer asks again after a wrong password, showing it; the user just types the right one.
TEST(PasswordDialogTest, TheRightPasswordTypedOverAWrongOneIsTakenWhole) {
    shell::PasswordDialog dialog(app::PasswordMode::ProgramPassword, "9999");
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused, dialog.findChild<QLineEdit*>("password"));
    QTest::keyClicks(focused, "1234");
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.entry(), "1234");
}

// --- About -------------------------------------------------------------------------------------

TEST(AboutDialogTest, ShowsModelVersionAndTarget) {
    AppDir dir;
    const app::AppConfig config = app::startupConfig(dir.exePath());
    shell::AboutDialog about(config);
    EXPECT_EQ(about.findChild<QLabel*>("titleLine")->text(), "QMR-417");
    EXPECT_EQ(about.findChild<QLabel*>("versionLine")->text(), "V1.07");
    EXPECT_EQ(about.findChild<QLabel*>("appliesToLine")->text(), "The software apply for QMR-417 model");
    EXPECT_EQ(about.findChild<QLabel*>("licenceLine")->text(),
              "Licence: GNU General Public License, version 3 or (at your option) any later version");
}

// --- Help ------------------------------------------------------------------------------------

TEST(HelpTest, ContextsWithoutTheirOwnPageShowTheStartPage) {
    EXPECT_EQ(shell::helpPageUrl(0x10080), shell::helpStartPageUrl());
    EXPECT_EQ(shell::helpPageUrl(0x7FFF), shell::helpStartPageUrl());
    EXPECT_EQ(shell::helpPageUrl(shell::kChannelListHelp), QUrl("qrc:/help/channel-list.html"));

    shell::BuiltInHelp help;
    help.showContext(0x10080);  // a context without a page of its own
    ASSERT_NE(help.window(), nullptr);
    const auto* browser = help.window()->findChild<QTextBrowser*>("helpBrowser");
    EXPECT_TRUE(browser->toPlainText().contains("Read From Radio"));
    help.showDefaultTopic();
    EXPECT_EQ(help.window()->currentPage(), shell::helpStartPageUrl());
    delete help.window();
}

// A German user gets every page in German, its links lead to German pages, and a language the
// program does not carry shows the English pages.
TEST(HelpTest, EveryPageIsThereInGermanWithItsLinks) {
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(pages.size(), 12);
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)"));
    for (const QString& page : pages) {
        QFile german(QStringLiteral(":/help/de/") + page);
        ASSERT_TRUE(german.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString text = QString::fromUtf8(german.readAll());
        for (auto match = link.globalMatch(text); match.hasNext();) {
            const QString target = match.next().captured(1);
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/de/") + target)) << page.toStdString() << " -> " << target.toStdString();
        }
    }
    EXPECT_EQ(shell::helpPageUrl(shell::kChannelListHelp, QStringLiteral("de")), QUrl("qrc:/help/de/channel-list.html"));
    EXPECT_EQ(shell::helpStartPageUrl(QStringLiteral("de")), QUrl("qrc:/help/de/index.html"));
    EXPECT_EQ(shell::helpPageUrl(shell::kChannelListHelp, QStringLiteral("fr")), QUrl("qrc:/help/channel-list.html"));
}

// Each editor names its own help context beside its code; the help window must carry a page
// for every one of them, or F1 would show the start page.
TEST(HelpTest, EveryEditorOfTheProgramOpensAPageOfItsOwn) {
    app::AppState state;
    ScriptedPrompts prompts;
    RecordingHelp help;
    RecordingHost host;
    const shell::EditorFactories editors = shell::programEditors();
    for (const config::Editor& info : config::kEditors) {
        ASSERT_TRUE(editors.has(info.kind)) << info.treeText;
        const std::unique_ptr<forms::CBaseFormView> view(editors.get(info.kind)({state, prompts, help, host}, nullptr));
        EXPECT_NE(shell::helpPageUrl(view->helpContext()), shell::helpStartPageUrl()) << info.treeText;
    }
}

// --- Questions from the worker thread ------------------------------------------------------------

TEST(ThreadPromptsTest, WorkerQuestionsAreAnsweredOnTheUserInterfaceThread) {
    struct ThreadRecorder : ScriptedPrompts {
        QThread* askedOn = nullptr;
        bool askRetryCancel(const QString& text) override {
            askedOn = QThread::currentThread();
            return ScriptedPrompts::askRetryCancel(text);
        }
    } target;
    target.retry = {true};
    target.passwords = {QString("42")};
    shell::ThreadPrompts bridge(target);

    bool retry = false;
    std::optional<QString> password;
    QThread* worker = QThread::create([&] {
        retry = bridge.askRetryCancel("Check connection, Retry or Cancel");
        password = bridge.askPassword(app::PasswordMode::ProgramPassword, "1");
        bridge.message("done");
    });
    worker->start();
    while (!worker->isFinished()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    worker->wait();
    delete worker;

    EXPECT_EQ(target.askedOn, QThread::currentThread());
    EXPECT_TRUE(retry);
    EXPECT_EQ(password, QString("42"));
    EXPECT_EQ(target.messages, QStringList({"done"}));
}

TEST(ThreadPromptsTest, CallsFromTheUserInterfaceThreadAreAnsweredDirectly) {
    ScriptedPrompts target;
    target.yesNo = {true};
    shell::ThreadPrompts bridge(target);
    EXPECT_TRUE(bridge.askYesNo("All data will be cleared", "Warnning"));
}

// --- Printout ------------------------------------------------------------------------------

TEST(PrintJobTest, DocumentNameIsTheFileNameCutBeforeItsFirstDot) {
    app::AppConfig config;
    config.defaultDataFileName = "QMR-417.dat";
    EXPECT_EQ(config::printDocumentName(config), "QMR-417");
    config.currentFileName = "site.a.dat";
    EXPECT_EQ(config::printDocumentName(config), "site");
    config.currentFileName = "noextension";
    EXPECT_EQ(config::printDocumentName(config), "");
    EXPECT_EQ(config::printFooterText(1, 1), "-- Page 1 of 1 --");
}
