// SPDX-License-Identifier: GPL-3.0-or-later
// A parameter file of any bytes, opened, and everything the program runs on it after that:
// the consistency and validity passes, every channel record decoded, every editor's load
// and store (the editors registered in the program, so each new one is covered as soon as
// it plugs in), the Channel Edit dialog on one slot, then save and reopen.
//
// Properties:
//   - opening any file succeeds, and the image and prefix block hold the file's bytes;
//   - the consistency pass and the validity pass each change nothing the second time;
//   - for every editor, load and store is a fixpoint: a second load and store changes nothing;
//   - so is "store all" (each editor stores, then the consistency pass), as Save runs it;
//   - closing the Channel Edit dialog twice on the same slot changes nothing the second time;
//   - a saved file reopens to the same prefix block, image and band limits.

#include "app/app_files.h"
#include "channels/channel_edit_dialog.h"
#include "channels/channel_record.h"
#include "channels/value_tables.h"
#include "fuzz_support.h"
#include "image/consistency_pass.h"
#include "shell/editor_kinds.h"

#include <QApplication>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

using fuzzing::require;
using fuzzing::requireSameImage;
using image::RadioImage;

// Editors never ask during a load or store; if one did, it would get the Cancel answers.
class SilentPrompts final : public app::Prompts {
public:
    void message(const QString&) override {}
    bool askYesNo(const QString&, const QString&) override { return false; }
    bool askRetryCancel(const QString&) override { return false; }
    std::optional<QString> askPassword(app::PasswordMode, const QString&) override { return {}; }
    std::optional<QString> askReviveCode(const QString&) override { return {}; }
    QString askOpenFileName(const app::FileDialogRequest&) override { return {}; }
    QString askSaveFileName(const app::FileDialogRequest&) override { return {}; }
};

class NoHelp final : public forms::HelpService {
public:
    void showContext(int) override {}
    void showDefaultTopic() override {}
};

class NoHost final : public forms::EditorHost {
public:
    void showCorrection(const app::Correction&) override {}
};

struct OpenEditor {
    const char* name;
    std::unique_ptr<forms::CBaseFormView> view;
};

// One program for the whole run, as the main window keeps its editor windows across File
// Open: the editors are built once and reloaded for every file.
struct Program {
    app::AppState state;
    SilentPrompts prompts;
    NoHelp help;
    NoHost host;
    std::vector<OpenEditor> editors;

    Program() {
        const shell::EditorFactories factories = shell::programEditors();
        for (const config::Editor& info : config::kEditors) {
            if (!factories.has(info.kind)) continue;
            editors.push_back({info.windowTitle, std::unique_ptr<forms::CBaseFormView>(
                                                     factories.get(info.kind)(env(), nullptr))});
        }
    }
    forms::EditorEnv env() { return {state, prompts, help, host}; }
};

// Qt frees the main thread's font cache when the application object goes, but only while
// the cache's own static still stands, and that static is made during the first input. So
// the program and the application go in an exit handler registered after the first input,
// which runs before the statics made during it: otherwise the font cache leaks at exit.
std::unique_ptr<QApplication>& application() {
    static std::unique_ptr<QApplication> instance;
    return instance;
}

std::unique_ptr<Program>& programSlot() {
    static std::unique_ptr<Program> instance;
    return instance;
}

void tearDownAtExit() {
    programSlot().reset();
    application().reset();
}

Program& program() {
    if (!programSlot()) programSlot() = std::make_unique<Program>();
    return *programSlot();
}

void openFile(Program& p, QByteArrayView input) {
    // Start from a known state, so that a refused file is seen to change nothing.
    std::ranges::fill(p.state.image.all(), std::uint8_t(0));
    p.state.prefix.fill(0);
    const QString path = fuzzing::scratchPath("input.dat");
    if (input.size() != image::kParameterFileSize) {
        fuzzing::writeFile(path, input);
        const image::FileResult refused = app::openParameterFile(p.state, path);
        require(!refused.ok && refused.wrongSize, "a file of another size is refused");
        require(std::ranges::all_of(p.state.image.all(), [](std::uint8_t b) { return b == 0; }) &&
                    std::ranges::all_of(p.state.prefix, [](std::uint8_t b) { return b == 0; }),
                "a refused file changes nothing");
    }
    // The editors get the input as a parameter file: cut or filled with zeros to its size.
    const QByteArray bytes = input.toByteArray().leftJustified(image::kParameterFileSize, '\0', true);
    fuzzing::writeFile(path, bytes);
    require(app::openParameterFile(p.state, path).ok, "a file of 20480 bytes opens");

    for (qsizetype at = 0; at < qsizetype(p.state.prefix.size()); ++at)
        require(p.state.prefix[std::size_t(at)] == std::uint8_t(bytes[at]),
                "the prefix block holds the file's first 4096 bytes");
    for (qsizetype at = 0; at < qsizetype(RadioImage::kSize); ++at)
        require(p.state.image.all()[std::size_t(at)] == std::uint8_t(bytes[0x1000 + at]),
                "the image holds the file's next 16384 bytes");
}

void passesSettle(Program& p) {
    image::runConsistencyPass(p.state.image, p.state.bandLimits);
    const RadioImage once = p.state.image;
    image::runConsistencyPass(p.state.image, p.state.bandLimits);
    requireSameImage(once, p.state.image, "a second consistency pass changes nothing");

    channels::channelValidityPass(p.state.image, p.state.bandLimits);
    const RadioImage validated = p.state.image;
    channels::channelValidityPass(p.state.image, p.state.bandLimits);
    requireSameImage(validated, p.state.image, "a second validity pass changes nothing");
}

// Every getter of every record, so a sanitizer sees each decoding on any bytes.
void decodeEveryRecord(const RadioImage& img) {
    using channels::ToneSide;
    for (int slot = channels::kFirstSlot; slot <= channels::kLastSlot; ++slot) {
        const channels::ChannelRecordView r(img, slot);
        volatile long long sink = 0LL + r.isEmpty() + r.rx().value + r.txFrequency().value + r.step() + r.txOff() +
                                  r.reverse() + r.spacing() + r.txShift() + r.power() + r.compander() +
                                  r.talkAround() + r.dtmfCode() + r.signallingType() + r.signallingCode() +
                                  r.fiveToneCode() + r.name().size() + r.busyLock() + r.scrambler() +
                                  r.dtmfPttId() + r.fiveTonePttId() + r.squelchMode();
        for (ToneSide side : {ToneSide::Decode, ToneSide::Encode})
            sink = sink + 0LL + r.toneType(side) + r.ctcss(side) + r.dcsInverted(side) + r.dcsCode(side) +
                   r.toneText(side).size();
        sink = sink + channels::usageBit(img, slot) + channels::scanSkip(img, slot);
    }
}

void eachEditorSettles(Program& p) {
    for (OpenEditor& editor : p.editors) {
        editor.view->LoadFromImage();
        editor.view->StoreToImage();
        const RadioImage once = p.state.image;
        editor.view->LoadFromImage();
        editor.view->StoreToImage();
        if (once != p.state.image)
            fuzzing::fail("an editor's second load and store changes nothing",
                          QStringLiteral("editor \"%1\":\n").arg(QString::fromLatin1(editor.name)) +
                              fuzzing::imageDifferences(once, p.state.image));
    }
}

void storeAll(Program& p) {
    for (OpenEditor& editor : p.editors) {
        editor.view->StoreToImage();
        image::runConsistencyPass(p.state.image, p.state.bandLimits);
    }
}

void loadAll(Program& p) {
    for (OpenEditor& editor : p.editors) editor.view->LoadFromImage();
}

void storeAllSettles(Program& p) {
    storeAll(p);
    const RadioImage once = p.state.image;
    loadAll(p);
    storeAll(p);
    requireSameImage(once, p.state.image, "a second reload and store all changes nothing");
}

// The dialog stores its slot when it closes; a second visit finds nothing left to change.
void channelEditDialogSettles(Program& p, int slot) {
    const auto visit = [&] { channels::CChannelEditDialog(p.env(), slot).done(0); };
    visit();
    const RadioImage once = p.state.image;
    visit();
    requireSameImage(once, p.state.image, "a second visit of the Channel Edit dialog changes nothing");
}

void saveAndReopen(Program& p) {
    const QString path = fuzzing::scratchPath("saved.dat");
    require(app::saveParameterFile(p.state, path).ok, "a save succeeds");
    app::AppState reopened;
    require(app::openParameterFile(reopened, path).ok, "the saved file opens");
    require(reopened.prefix == p.state.prefix, "a saved file reopens to the same prefix block");
    requireSameImage(p.state.image, reopened.image, "a saved file reopens to the same image");
    require(reopened.bandLimits == p.state.bandLimits, "a saved file reopens to the same band limits");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    application() = std::make_unique<QApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Program& p = program();
    const QByteArrayView bytes(data, qsizetype(size));
    openFile(p, bytes);
    passesSettle(p);
    decodeEveryRecord(p.state.image);
    eachEditorSettles(p);
    storeAllSettles(p);
    // The prefix block serves nothing in the program, so it picks the dialog's slot.
    channelEditDialogSettles(p, 1 + p.state.prefix[0] % channels::kLastSlot);
    saveAndReopen(p);
    static const bool tearDownRegistered = std::atexit(tearDownAtExit) == 0;
    (void)tearDownRegistered;
    return 0;
}
