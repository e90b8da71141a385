// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, bars, tree and menus, the File commands, Model and Password,
// help and drops, with logging editors standing in for the real ones.

#include "shell_fixture.h"

#include "app/language.h"

#include "channels/channel_record.h"
#include "channels/value_tables.h"
#include "default_image.h"
#include "app/app_files.h"
#include "image/consistency_pass.h"
#include "image/memory_map.h"
#include "shell/about_dialog.h"
#include "shell/child_frame.h"
#include "shell/main_frame.h"
#include "shell/model_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include <gtest/gtest.h>

using namespace shelltest;
using config::EditorKind;

namespace {

constexpr std::uint8_t kDefaultMarker = 7;  // in "Default.dat" at the Channel editor's byte

image::RadioImage deliveredImage() {
    image::RadioImage img = defaultdat::defaultImage();
    img.setU8(LoggingEditor::addressOf(EditorKind::Channel), kDefaultMarker);
    return img;
}

QByteArray patternBytes(int size, int seed) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) bytes[i] = char((i * 7 + seed) & 0xFF);
    return bytes;
}

QString writeRawFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QByteArray readRawFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray prefixAndImage(const app::AppState& state) {
    QByteArray bytes(reinterpret_cast<const char*>(state.prefix.data()), qsizetype(state.prefix.size()));
    bytes.append(reinterpret_cast<const char*>(state.image.all().data()), qsizetype(state.image.all().size()));
    return bytes;
}

QStringList actionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* a : actions) texts.append(a->isSeparator() ? QStringLiteral("|") : a->text());
    return texts;
}

} // namespace

class MainFrameTest : public ::testing::Test {
protected:
    AppDir dir;
    app::AppState state;
    ScriptedPrompts prompts;
    RecordingHelp help;
    CallLog log;
    FakeLink link;
    std::unique_ptr<shell::CMainFrame> frame;

    void SetUp() override { dir.writeDefaultDat(deliveredImage()); }

    void start(std::vector<EditorKind> kinds = {}) {
        state.config = app::startupConfig(dir.exePath());
        frame = std::make_unique<shell::CMainFrame>(state, prompts, help, loggingEditors(log, kinds), link.services());
        frame->show();
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        log.clear();
    }

    template <typename T>
    T* find(const char* name) const {
        return frame->findChild<T*>(QLatin1String(name));
    }
    QString pane(const char* name) const { return find<QLabel>(name)->text(); }
    // The title without what the area adds while an editor is maximised (" - [Channel]").
    QString title() const { return frame->windowTitle().section(QStringLiteral(" - ["), 0, 0); }
    LoggingEditor* editor(EditorKind kind) const {
        shell::CMyChildFrame* child = frame->workspace().frame(kind);
        return child ? static_cast<LoggingEditor*>(child->view()) : nullptr;
    }
    void trigger(const char* action) const { find<QAction>(action)->trigger(); }
};

// --- Start-up ------------------------------------------------------------------------------

TEST_F(MainFrameTest, StartUpLoadsDefaultFileOpensChannelMaximisedAndFillsStatusPanes) {
    start();
    EXPECT_EQ(frame->windowTitle(), "QMR-417 - [Channel]");
    EXPECT_EQ(state.image, deliveredImage());
    EXPECT_EQ(state.prefix[0], 0x5A);
    EXPECT_EQ(pane("comPane"), "COM3");
    EXPECT_EQ(pane("freqPane"), "VHF");  // right-aligned like every band, not by its tabs
    ASSERT_NE(editor(EditorKind::Channel), nullptr);
    EXPECT_TRUE(frame->workspace().frame(EditorKind::Channel)->isMaximized());
    EXPECT_EQ(editor(EditorKind::Channel)->field()->text(), QString::number(kDefaultMarker));
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 1);
}

TEST_F(MainFrameTest, StartUpWithoutProgramIniHasEmptyPortAndModel) {
    dir.writeProgramIni(QString());
    start();
    EXPECT_EQ(state.config.portName, "");
    EXPECT_EQ(state.config.modelName, "");
    EXPECT_EQ(state.config.defaultDataFileName, ".dat");
    EXPECT_EQ(pane("comPane"), "");
    shell::AboutDialog about(state.config);
    EXPECT_EQ(about.findChild<QLabel*>("appliesToLine")->text(), "The software apply for  model");
    EXPECT_EQ(about.findChild<QLabel*>("versionLine")->text(), "");
}

TEST_F(MainFrameTest, BandIndicatorFollowsTheReceiveLowLimit) {
    image::RadioImage img = deliveredImage();
    image::encodeBandLimits(image::bandLimitsFromMHz(400, 490, 400, 490), img);
    dir.writeDefaultDat(img);
    start();
    EXPECT_EQ(pane("freqPane"), "UHF");

    image::encodeBandLimits(image::bandLimitsFromMHz(216, 280, 220, 260), img);
    dir.writeDefaultDat(img);
    prompts.yesNo = {true};
    trigger("actionNew");
    EXPECT_EQ(pane("freqPane"), "THF");
}

// --- Bars, menus and tree ------------------------------------------------------------------

TEST_F(MainFrameTest, MenusCarryTheirItemsInOrder) {
    start();
    QStringList titles;
    for (QAction* menu : frame->menuBar()->actions()) titles.append(menu->text());
    EXPECT_EQ(titles, QStringList({"&File", "&Model", "&Edit", "&Setting", "&Program", "&View", "&Window", "&Help"}));

    auto items = [&](const char* menu) { return actionTexts(find<QMenu>(menu)->actions()); };
    EXPECT_EQ(items("menuFile"), QStringList({"&New(&N)", "&Open(&O)...", "&Save(&S)", "Save &As(&A)...", "|",
                                              "Import Channels (CSV)...", "Export Channels (CSV)...",
                                              "Import Configuration (JSON)...", "Export Configuration (JSON)...",
                                              "Open Backup Folder", "|", "&Print...", "Print Pre&view...",
                                              "Export P&DF...", "|",
                                              "|", "E&xit(&X)"}));
    EXPECT_EQ(items("menuModel"), QStringList({"Model"}));
    EXPECT_EQ(items("menuEdit"), QStringList({"Channel", "Function Setup", "Dtmf", "2Tone", "5Tone", "Scan Information",
                                              "Emergency Infomation", "Key Setting", "Communication Note", "|",
                                              "&Undo", "&Redo", "|", "Cu&t", "&Copy", "&Paste", "&Delete\tDel", "|",
                                              "&Insert Row", "Delete &Row", "|", "Move &Up", "Move Do&wn",
                                              "&Sort by RX Frequency"}));
    EXPECT_EQ(items("menuSetting"), QStringList({"Port"}));
    EXPECT_EQ(items("menuProgram"), QStringList({"Read From Radio", "Write To Radio", "Password", "|",
                                                 "Compare With Radio...", "Check Configuration", "Fleet Write..."}));
    EXPECT_EQ(items("menuView"), QStringList({"&Toolbar(&T)", "&Status Bar(&S)", "Tree View", "&Language"}));
    EXPECT_EQ(items("menuWindow"),
              QStringList({"Cascade(&C)", "Tile(&T)", "Arrange(&A)", "|", "&Next Window", "Pre&vious Window"}));
    EXPECT_TRUE(items("menuHelp").contains("About..."));
}

TEST_F(MainFrameTest, ToolbarAcceleratorsAndStatusPrompts) {
    start();
    QStringList toolbar;
    for (QAction* a : find<QToolBar>("toolBar")->actions()) toolbar.append(a->isSeparator() ? "|" : a->objectName());
    EXPECT_EQ(toolbar, QStringList({"actionNew", "actionOpen", "actionSave", "|", "actionRead", "actionPort",
                                    "actionWrite", "|", "actionPrint", "actionAbout"}));
    EXPECT_EQ(find<QAction>("actionNew")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(find<QAction>("actionOpen")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(find<QAction>("actionSave")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(find<QAction>("actionPrint")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(find<QAction>("actionPrint")->toolTip(), "Print");
    EXPECT_EQ(find<QAction>("actionPort")->statusTip(), "Communication port");
    EXPECT_EQ(find<QAction>("actionWrite")->statusTip(), "Write Data To Radio");
    EXPECT_EQ(find<QAction>("actionRead")->statusTip(), "Read Data From Radio");
    for (QAction* a : find<QToolBar>("toolBar")->actions()) {
        if (a->isSeparator()) continue;
        EXPECT_FALSE(a->icon().pixmap(QSize(48, 48)).isNull()) << a->objectName().toStdString();
    }
}

TEST_F(MainFrameTest, ViewItemsToggleTheBarsAndTickWhileVisible) {
    start();
    for (const char* name : {"actionViewToolbar", "actionViewStatusBar", "actionViewTree"}) {
        QAction* action = find<QAction>(name);
        EXPECT_TRUE(action->isChecked()) << name;
        action->trigger();
        EXPECT_FALSE(action->isChecked()) << name;
    }
    EXPECT_FALSE(find<QToolBar>("toolBar")->isVisible());
    EXPECT_FALSE(find<QDockWidget>("treeBar")->isVisible());
    EXPECT_FALSE(frame->findChild<QStatusBar*>("statusBar")->isVisible());
}

TEST_F(MainFrameTest, LanguageChoiceIsTickedAndKeptInProgramIniForTheNextStart) {
    start();
    EXPECT_TRUE(find<QAction>("actionLanguage_System")->isChecked());
    EXPECT_EQ(find<QAction>("actionLanguage_de")->text(), QString("Deutsch"));  // named in its own words
    for (const char* setting : {"de", "en", "System"}) {
        QAction* choice = find<QAction>(qPrintable(QStringLiteral("actionLanguage_") + setting));
        choice->trigger();
        EXPECT_TRUE(choice->isChecked()) << setting;
        EXPECT_EQ(app::languageSetting(state.config), QString(setting));
        // The windows stay as they are until the next start, and the status bar says so.
        EXPECT_EQ(frame->statusBar()->currentMessage(), "The program shows " + choice->text() + " from its next start.");
    }
    EXPECT_EQ(frame->menuBar()->actions().constFirst()->text(), QString("&File"));
}

TEST_F(MainFrameTest, TreeListsTheModelAndNineEditors) {
    start();
    const QTreeWidgetItem* root = find<QTreeWidget>("tree")->topLevelItem(0);
    EXPECT_EQ(root->text(0), "QMR-417");
    EXPECT_TRUE(root->isExpanded());
    QStringList children;
    for (int i = 0; i < root->childCount(); ++i) children.append(root->child(i)->text(0));
    EXPECT_EQ(children, QStringList({"Channel", "Function Setup", "DTMF", "2Tone", "5Tone", "Scan Information",
                                     "Emergency Information", "Key Setting", "Communication Note"}));
    const auto* bar = find<QDockWidget>("treeBar");
    EXPECT_TRUE(bar->features() & QDockWidget::DockWidgetFloatable);
    EXPECT_EQ(frame->dockWidgetArea(const_cast<QDockWidget*>(bar)), Qt::LeftDockWidgetArea);
}

TEST_F(MainFrameTest, TreeRootOpensNothingAndDtmfTreeItemAndMenuShareOneWindow) {
    start();
    auto* tree = find<QTreeWidget>("tree");
    QTreeWidgetItem* root = tree->topLevelItem(0);
    emit tree->itemClicked(root, 0);
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(log.isEmpty());

    emit tree->itemClicked(root->child(2), 0);  // "DTMF"
    shell::CMyChildFrame* dtmf = frame->workspace().frame(EditorKind::Dtmf);
    ASSERT_NE(dtmf, nullptr);
    EXPECT_EQ(dtmf->windowTitle(), "Dtmf");
    trigger("actionEditor_dtmf");  // the "Dtmf" menu item
    EXPECT_EQ(frame->workspace().frame(EditorKind::Dtmf), dtmf);
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 2);
}

TEST_F(MainFrameTest, EditorWithoutFactoryDoesNothing) {
    start({EditorKind::Channel});
    trigger("actionEditor_keySetting");
    EXPECT_EQ(frame->workspace().frame(EditorKind::KeySetting), nullptr);
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 1);
}

// With every real editor open, Window > Tile and then Cascade leave the main window its
// size: editors that do not fit the area are reached by scrolling it.
TEST_F(MainFrameTest, TileAndCascadeKeepTheWindowItsSize) {
    state.config = app::startupConfig(dir.exePath());
    frame = std::make_unique<shell::CMainFrame>(state, prompts, help, shell::programEditors(), link.services());
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    const QSize size = frame->size();
    for (const config::Editor& info : config::kEditors) frame->openEditor(info.kind);
    ASSERT_EQ(frame->mdiArea()->subWindowList().size(), 9);
    trigger("actionTile");
    QApplication::processEvents();
    EXPECT_EQ(frame->size(), size);
    trigger("actionCascade");
    QApplication::processEvents();
    EXPECT_EQ(frame->size(), size);
}

// --- New ---------------------------------------------------------------------------------

class NewCommandTest : public MainFrameTest {
protected:
    void startWithOpenedFile() {
        start();
        const QString path = writeRawFile(dir.file("radio.dat"), patternBytes(20480, 3));
        frame->openPath(path);
        editor(EditorKind::Channel)->field()->setText("99");
        log.clear();
    }
};

TEST_F(NewCommandTest, YesReloadsDefaultsForgetsTheFileAndReloadsEditors) {
    startWithOpenedFile();
    trigger("actionNew");
    // The edit in the Channel editor is a change: New asks about it, and whoever answered
    // that has decided, so the warning is not asked after it.
    EXPECT_EQ(prompts.questions, QStringList({"Save changes to radio.dat?"}));
    EXPECT_EQ(state.image, deliveredImage());
    EXPECT_EQ(state.config.currentFilePath, "");
    EXPECT_EQ(title(), "QMR-417");
    EXPECT_EQ(log, QStringList({"Channel:store", "Channel:load", "Channel:store"}));
    EXPECT_EQ(editor(EditorKind::Channel)->field()->text(), QString::number(kDefaultMarker));
}

TEST_F(NewCommandTest, CancelChangesNothingButTheStoreOfTheEdit) {
    startWithOpenedFile();
    image::RadioImage before = state.image;
    const QString titleBefore = title();
    prompts.saveChoices = {app::SaveChoice::Cancel};
    trigger("actionNew");
    before.setU8(LoggingEditor::addressOf(EditorKind::Channel), 99);
    image::runConsistencyPass(before, state.bandLimits);  // the store of every editor runs it
    EXPECT_EQ(state.image, before);
    EXPECT_EQ(title(), "*" + titleBefore) << "the edit shows as a change";
    EXPECT_EQ(log, QStringList({"Channel:store"}));
}

TEST_F(NewCommandTest, MissingDefaultFileKeepsDataButForgetsTheFile) {
    startWithOpenedFile();
    image::RadioImage before = state.image;
    before.setU8(LoggingEditor::addressOf(EditorKind::Channel), 99);  // stored by the question
    image::runConsistencyPass(before, state.bandLimits);
    dir.removeDefaultDat();
    prompts.yesNo = {true};
    prompts.messages.clear();  // what opening the random file told
    trigger("actionNew");
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(u'|').toStdString();
    EXPECT_EQ(state.image, before);
    EXPECT_EQ(state.config.currentFileName, "");
    EXPECT_EQ(title(), "QMR-417");
}

// --- Open ----------------------------------------------------------------------------------

// A file of another size is no parameter file: Open, a recent file and a drop refuse it
// with its name and size, and the configuration, its name, the marker and the recent list
// stay as they were.
TEST_F(MainFrameTest, OnlyFilesOfAParameterFilesSizeOpen) {
    start();
    const QString mine = writeRawFile(dir.file("mine.dat"), patternBytes(20480, 1));
    frame->openPath(mine);
    editor(EditorKind::Channel)->field()->setText("9");
    frame->hasUnsavedChanges();
    const QByteArray before = prefixAndImage(state);
    const QString titleBefore = title();
    const QString other = dir.file("other.dat");
    const auto drop = [&] {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(other)});
        QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject*>(frame.get())->event(&event);
    };
    const std::pair<int, std::function<void()>> attempts[] = {
        {907, [&] { prompts.openNames = {other}; trigger("actionOpen"); }},
        {20481, drop},
        {0, [&] { frame->openPath(other); }},  // the command line
        {16384, [&] { writeRawFile(mine, patternBytes(16384, 1)); find<QAction>("actionRecent1")->trigger(); }},
    };
    for (const auto& [size, open] : attempts) {
        writeRawFile(other, patternBytes(size, 2));
        prompts.messages.clear();
        open();
        const QString name = QDir::toNativeSeparators(size == 16384 ? mine : other);
        EXPECT_EQ(prompts.messages, QStringList({name + QStringLiteral(" is not a QMR-417 parameter file: %1 bytes, a "
                                                                      "parameter file has 20480.").arg(size)}));
        EXPECT_EQ(prefixAndImage(state), before);
        EXPECT_EQ(title(), titleBefore);
        EXPECT_EQ(find<QAction>("actionRecent2"), nullptr) << "only mine.dat is listed, and stays";
    }
}

TEST_F(MainFrameTest, OpenAsksInTheDataFolderWithNoProposedName) {
    start();
    trigger("actionOpen");
    ASSERT_EQ(prompts.openRequests.size(), 1u);
    EXPECT_EQ(prompts.openRequests[0].filter, "Param Files (*.dat)");
    EXPECT_EQ(prompts.openRequests[0].folder, dir.file("DATA"));
    EXPECT_EQ(prompts.openRequests[0].proposedName, "");
}

TEST_F(MainFrameTest, OpenFailureShowsTheSystemTextAndKeepsTheImage) {
    start();
    const image::RadioImage before = state.image;
    prompts.openNames = {dir.file("missing.dat")};
    trigger("actionOpen");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_FALSE(prompts.messages[0].isEmpty());
    EXPECT_EQ(state.image, before);
    EXPECT_EQ(title(), "QMR-417");
}

TEST_F(MainFrameTest, OpenReloadsEditorsAndReopensChannelWhenNoneIsOpen) {
    start();
    frame->workspace().frame(EditorKind::Channel)->close();
    ASSERT_FALSE(frame->workspace().hasOpenEditor());
    image::RadioImage img = deliveredImage();
    img.setU8(LoggingEditor::addressOf(EditorKind::Channel), 42);
    dir.writeDefaultDat(img);  // reuse the writer for an ordinary file
    frame->openPath(dir.file("Default.dat"));
    ASSERT_NE(editor(EditorKind::Channel), nullptr);
    EXPECT_EQ(editor(EditorKind::Channel)->field()->text(), "42");
}

TEST_F(MainFrameTest, DroppedParameterFileOpensLikeOpen) {
    start();
    const QString path = writeRawFile(dir.file("dropped.dat"), patternBytes(20480, 5));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window: the application delivers drops only to a real drag's target.
    static_cast<QObject*>(frame.get())->event(&drop);
    EXPECT_EQ(state.config.currentFilePath, path);
    app::AppState opened;
    app::openParameterFile(opened, path);
    image::runConsistencyPass(opened.image, opened.bandLimits);  // the open editor's store runs it
    EXPECT_EQ(prefixAndImage(state), prefixAndImage(opened));
}

// --- Save and Save As -----------------------------------------------------------------------

TEST_F(MainFrameTest, SaveAfterStartUpAsksWithTheDefaultDataFileName) {
    start();
    const QString target = dir.file("DATA/first.dat");
    prompts.saveNames = {target};
    trigger("actionSave");
    ASSERT_EQ(prompts.saveRequests.size(), 1u);
    EXPECT_EQ(prompts.saveRequests[0].proposedName, "QMR-417.dat");
    EXPECT_EQ(prompts.saveRequests[0].folder, dir.file("DATA"));
    EXPECT_EQ(prompts.saveRequests[0].filter, "Param Files (*.dat)");
    const QByteArray written = readRawFile(target);
    EXPECT_EQ(written.size(), 20480);
    EXPECT_EQ(written, prefixAndImage(state));
    EXPECT_EQ(title(), "QMR-417 [ " + target + " ]");
}

TEST_F(MainFrameTest, SaveStoresEditorsAndRunsTheConsistencyPassFirst) {
    start();
    editor(EditorKind::Channel)->field()->setText("123");
    state.bandLimits = image::bandLimitsFromMHz(400, 490, 400, 490);
    const QString target = dir.file("stored.dat");
    prompts.saveNames = {target};
    trigger("actionSaveAs");
    const QByteArray written = readRawFile(target);
    EXPECT_EQ(quint8(written[0x1000 + LoggingEditor::addressOf(EditorKind::Channel)]), 123);
    EXPECT_EQ(written.mid(0x1000 + image::map::kBandRxLow, 4), QByteArray::fromHex("04000000"));
    EXPECT_EQ(log, QStringList({"Channel:store"}));
}

TEST_F(MainFrameTest, SaveAfterOpenWritesToTheOpenedFileWhereverTheCurrentFolderIs) {
    start();
    const QString path = writeRawFile(dir.file("DATA/mine.dat"), patternBytes(20480, 1));
    frame->openPath(path);
    editor(EditorKind::Channel)->field()->setText("77");

    const QString previous = QDir::currentPath();
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    trigger("actionSave");
    QDir::setCurrent(previous);

    EXPECT_TRUE(prompts.saveRequests.empty());
    EXPECT_FALSE(QFile::exists(elsewhere.path() + "/mine.dat"));
    const QByteArray written = readRawFile(path);
    EXPECT_EQ(written.size(), 20480);
    EXPECT_EQ(quint8(written[0x1000 + LoggingEditor::addressOf(EditorKind::Channel)]), 77);
}

TEST_F(MainFrameTest, FailedSaveShowsTheMessageAndKeepsTheTitle) {
    start();
    prompts.saveNames = {dir.file("no/such/folder/x.dat")};
    trigger("actionSaveAs");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_FALSE(prompts.messages[0].isEmpty());
    EXPECT_EQ(title(), "QMR-417");
    EXPECT_EQ(state.config.currentFilePath, "");
}

TEST_F(MainFrameTest, CancelledSaveAsWritesNothing) {
    start();
    trigger("actionSaveAs");
    EXPECT_EQ(prompts.saveRequests.size(), 1u);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(state.config.currentFilePath, "");
}

// --- Model, Password, Print, help ----------------------------------------------------------

// Runs `command`, which opens a modal dialog, and lets `act` work on that dialog.
template <typename Dialog>
void withModalDialog(const std::function<void()>& command, const std::function<void(Dialog*)>& act) {
    bool acted = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog) act(dialog);
        acted = dialog != nullptr;
        if (!dialog && QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
    });
    command();
    EXPECT_TRUE(acted);
}

TEST_F(MainFrameTest, ModelOkStoresAllReloadsAllAndRefreshesTheIndicator) {
    start();
    withModalDialog<shell::ModelDialog>([&] { frame->showModel(); }, [](shell::ModelDialog* d) {
        for (const auto& [name, value] : {std::pair{"rxLow", "400"}, {"rxHigh", "490"}, {"txLow", "400"}, {"txHigh", "490"}})
            d->findChild<QLineEdit*>(name)->setText(value);
        d->findChild<QPushButton*>("okButton")->click();
    });
    EXPECT_EQ(state.bandLimits, image::bandLimitsFromMHz(400, 490, 400, 490));
    EXPECT_EQ(pane("freqPane"), "UHF");
    EXPECT_EQ(log.first(), "Channel:store");
    EXPECT_EQ(log.mid(log.size() - 2), QStringList({"Channel:load", "Channel:store"}));
}

TEST_F(MainFrameTest, ModelOkWithNoEditorOpenStillReachesTheImage) {
    start();
    frame->workspace().frame(EditorKind::Channel)->close();
    QApplication::processEvents();
    ASSERT_FALSE(frame->workspace().hasOpenEditor());
    withModalDialog<shell::ModelDialog>([&] { frame->showModel(); }, [](shell::ModelDialog* d) {
        for (const auto& [name, value] : {std::pair{"rxLow", "400"}, {"rxHigh", "490"}, {"txLow", "400"}, {"txHigh", "490"}})
            d->findChild<QLineEdit*>(name)->setText(value);
        d->findChild<QPushButton*>("okButton")->click();
    });
    // Nothing stores while no editor is open, so the new limits go into the image at once:
    // a Save or Write right after must carry them.
    EXPECT_EQ(image::decodeBandLimits(state.image), image::bandLimitsFromMHz(400, 490, 400, 490));
}

// A band that excludes stored channels would move them to its limits: the user is asked
// first, "No" keeps the dialog open with nothing changed, "Yes" goes on.
TEST_F(MainFrameTest, ModelOkAsksBeforeABandThatMovesChannels) {
    auto putChannel = [&](int slot, int rxMHz, int txMHz) {
        channels::channelClear(state.image, slot);
        channels::setUsageBit(state.image, slot, false);
        channels::ChannelRecord(state.image, slot).writeRxTx(image::Freq10Hz::fromMHz(rxMHz), image::Freq10Hz::fromMHz(txMHz));
    };
    dir.writeDefaultDat(defaultdat::defaultImage());
    start();
    putChannel(1, 146, 146);                    // both outside 400-490
    putChannel(2, 450, 450);                    // inside
    putChannel(3, 146, 146);
    channels::setUsageBit(state.image, 3, true);  // not in use: the list shows no channel
    putChannel(4, 410, 146);                    // only TX outside
    putChannel(channels::kSlotVFO, 150, 150);   // "VFO" shows even with its usage bit set
    channels::setUsageBit(state.image, channels::kSlotVFO, true);
    const image::BandLimits uhf = image::bandLimitsFromMHz(400, 490, 400, 490);
    EXPECT_EQ(shell::channelsOutsideBand(state.image, uhf), 3);
    EXPECT_EQ(shell::channelsOutsideBand(state.image, state.bandLimits), 2);   // 450 twice

    frame->workspace().frame(EditorKind::Channel)->close();   // the logging editor stores nothing here
    QApplication::processEvents();
    const image::RadioImage before = state.image;
    const image::BandLimits limitsBefore = state.bandLimits;
    prompts.yesNo = {false, true};
    withModalDialog<shell::ModelDialog>([&] { frame->showModel(); }, [&](shell::ModelDialog* d) {
        for (const auto& [name, value] : {std::pair{"rxLow", "400"}, {"rxHigh", "490"}, {"txLow", "400"}, {"txHigh", "490"}})
            d->findChild<QLineEdit*>(name)->setText(value);
        d->findChild<QPushButton*>("okButton")->click();
        EXPECT_TRUE(d->isVisible()) << "No returns to the dialog";
        EXPECT_EQ(state.bandLimits, limitsBefore);
        EXPECT_TRUE(state.image == before);
        d->findChild<QPushButton*>("okButton")->click();
    });
    ASSERT_EQ(prompts.questions.size(), 2);
    EXPECT_EQ(prompts.questions[0], "QMR-417: 3 channels lie outside the new band (RX 400-490 MHz, TX 400-490 MHz).\n"
                                    "The channel list moves each of them to the nearest band limit, and the next "
                                    "store writes it there.\n\nChange the band anyway?");
    EXPECT_EQ(state.bandLimits, uhf);

}

TEST_F(MainFrameTest, ModelCancelKeepsTheLimits) {
    start();
    const image::BandLimits before = state.bandLimits;
    withModalDialog<shell::ModelDialog>([&] { frame->showModel(); }, [](shell::ModelDialog* d) {
        d->findChild<QLineEdit*>("rxLow")->setText("400");
        d->findChild<QPushButton*>("cancelButton")->click();
    });
    EXPECT_EQ(state.bandLimits, before);
}

TEST_F(MainFrameTest, PasswordCommandEditsTheProgramPassword) {
    start();
    state.image.setText(image::map::kProgramPassword, 4, "12A4", 0x00);
    prompts.passwords = {QString("9"), std::nullopt};
    trigger("actionPassword");
    ASSERT_EQ(prompts.passwordRequests.size(), 1u);
    EXPECT_EQ(prompts.passwordRequests[0].first, app::PasswordMode::SetProgramPassword);
    EXPECT_EQ(prompts.passwordRequests[0].second, "12");  // only the leading digits are shown
    EXPECT_EQ(state.image.text(image::map::kProgramPassword, 4, QByteArrayView("\0", 1)), "9");
    EXPECT_TRUE(state.image.allBytesAre(image::map::kProgramPassword + 1, 3, 0x00));

    trigger("actionPassword");  // Cancel
    EXPECT_EQ(state.image.u8(image::map::kProgramPassword), '9');
}

TEST_F(MainFrameTest, PrintStoresEveryOpenEditorThenPrintsTheConfiguration) {
    start();
    trigger("actionEditor_functionSetup");
    editor(EditorKind::FunctionSetup)->field()->setText("55");
    log.clear();
    const QString pdf = dir.file("print.pdf");
    QString docName;
    int resolution = 0;
    frame->setPrinterChooser([&](QPrinter& printer) {
        docName = printer.docName();
        resolution = printer.resolution();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    trigger("actionPrint");
    EXPECT_TRUE(log.contains("Channel:store"));
    EXPECT_TRUE(log.contains("Function Setup:store"));
    EXPECT_EQ(state.image.u8(LoggingEditor::addressOf(EditorKind::FunctionSetup)), 55);
    EXPECT_EQ(docName, "QMR-417");  // unnamed: the default data file name cut before ".dat"
    // Laid out in the printer's dots, not in screen pixels scaled onto the page.
    EXPECT_EQ(resolution, QPrinter(QPrinter::HighResolution).resolution());
    EXPECT_GE(readRawFile(pdf).count("/Type /Page\n") + readRawFile(pdf).count("/Type /Page\r"), 1);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

// A printer or PDF file that cannot take the document says so instead of failing in silence;
// a PDF export goes through the same renderer.
TEST_F(MainFrameTest, PrintAndPdfExportReportAFailedOutput) {
    start();
    const QString nowhere = dir.file("no-such-folder/out.pdf");
    frame->setPrinterChooser([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(nowhere);
        return true;
    });
    trigger("actionPrint");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith("The configuration was not printed"));

    prompts.saveNames = {nowhere};
    trigger("actionExportPdf");
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(prompts.messages[1].contains("could not be written"));

    prompts.saveNames = {dir.file("site")};  // the suffix is added
    trigger("actionExportPdf");
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(readRawFile(dir.file("site.pdf")).startsWith("%PDF"));
}

TEST_F(MainFrameTest, CancelledPrintStoresNothing) {
    start();
    frame->setPrinterChooser([](QPrinter&) { return false; });
    trigger("actionPrint");
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(MainFrameTest, HelpGoesToTheEditorTopicOrTheMainWindowTopic) {
    start();
    editor(EditorKind::Channel)->field()->setFocus();
    frame->contextHelp();
    frame->workspace().frame(EditorKind::Channel)->findChild<QPushButton*>("helpButton")->click();
    find<QTreeWidget>("tree")->setFocus();
    frame->contextHelp();
    trigger("actionHelpTopics");
    EXPECT_EQ(help.contexts, (std::vector<int>{0x8017, 0x8017, 0x10080, 0}));
}

// --- Unsaved changes and recent files -----------------------------------------------------

TEST_F(MainFrameTest, OnlyAChangedConfigurationAsksAndCancelKeepsEverything) {
    start();
    const QString path = writeRawFile(dir.file("DATA/mine.dat"), patternBytes(20480, 1));
    frame->openPath(path);
    trigger("actionOpen");  // nothing changed since the open: no question
    EXPECT_TRUE(prompts.questions.isEmpty());

    editor(EditorKind::Channel)->field()->setText("42");
    prompts.saveChoices = {app::SaveChoice::Cancel, app::SaveChoice::Cancel};
    prompts.openNames = {path};
    trigger("actionOpen");
    EXPECT_EQ(prompts.questions, QStringList({"Save changes to mine.dat?"}));
    EXPECT_TRUE(prompts.openRequests.size() == 1) << "Cancel stops the command before its file dialog";
    EXPECT_EQ(editor(EditorKind::Channel)->field()->text(), "42");
    EXPECT_TRUE(title().startsWith('*'));
    EXPECT_FALSE(frame->close()) << "Exit asks too, and Cancel keeps the window";

    prompts.saveChoices = {app::SaveChoice::Save};
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(quint8(readRawFile(path)[0x1000 + LoggingEditor::addressOf(EditorKind::Channel)]), 42);
}

TEST_F(MainFrameTest, SaveClearsTheMarkerAndKeepsTheFileInTheRecentList) {
    start();
    editor(EditorKind::Channel)->field()->setText("5");
    EXPECT_TRUE(frame->hasUnsavedChanges());
    EXPECT_TRUE(title().startsWith('*'));
    const QString target = dir.file("DATA/saved.dat");
    prompts.saveNames = {target};
    trigger("actionSave");
    EXPECT_FALSE(frame->hasUnsavedChanges());
    EXPECT_FALSE(title().startsWith('*'));
    EXPECT_EQ(find<QAction>("actionRecent1")->text(), "&1 " + QDir::toNativeSeparators(target));

    QFile::remove(target);
    find<QAction>("actionRecent1")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.constFirst().endsWith("no longer exists; it was removed from the recent files."));
    EXPECT_EQ(find<QAction>("actionRecent1"), nullptr);
}
