// The configuration as JSON, both ways: a report read back onto any base gives the same
// report and the bytes the nine editors leave, on seeded random files; and the File menu's
// export and import as a user meets them.

#include "shell_fixture.h"

#include "../channels/image_diff.h"
#include "app/config_apply.h"
#include "app/config_report.h"
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
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <chrono>
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
        for (const app::EditorKindInfo& info : app::kEditorKinds)
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
    return report::toJson(report::buildReport({img, image::decodeBandLimits(img), kModel}));
}

QString errorLines(const report::ApplyResult& result) {
    QString lines;
    for (const report::Problem& problem : result.problems)
        if (!problem.warning) lines += report::problemLine(problem) + u'\n';
    return lines;
}

// Applies onto `base` as the command-line tool does: the base's own band limits.
report::ApplyResult apply(const QByteArray& json, RadioImage& base) {
    image::BandLimits limits = image::decodeBandLimits(base);
    return report::applyConfiguration(json, base, limits, {kModel});
}

// For a file X as the editors leave it (SX) and any base B: applying the report of SX onto B
// takes every value without an error, gives SX's report, and leaves what the editors would
// leave (a store of all changes nothing). Onto SX itself it changes no byte: the editors' own
// bytes come out as a store of all nine leaves them, and everything else from the base.
TEST(ConfigJson, ReportOfARandomFileReadsBackOntoAnyBase) {
    Editors editors;
    RandomFiles files(20261207);
    const auto started = std::chrono::steady_clock::now();
    const int count = qEnvironmentVariableIntValue("QMR_ROUND_TRIPS") > 0 ? qEnvironmentVariableIntValue("QMR_ROUND_TRIPS") : 8;
    for (int n = 0; n < count; ++n) {
        const RadioImage x = files.next();
        const RadioImage stored = editors.storedAll(x, image::decodeBandLimits(x));
        const QByteArray json = jsonOf(stored);

        RadioImage onto = files.next();
        const report::ApplyResult result = apply(json, onto);
        ASSERT_TRUE(result.applied) << "file " << n << ":\n" << errorLines(result).toStdString();
        if (qEnvironmentVariableIsSet("QMR_SHOW")) { for (auto& p : result.problems) qDebug() << report::problemLine(p); qDebug() << json.left(3000); }
        EXPECT_EQ(jsonOf(onto), json) << "file " << n;
        const RadioImage settled = editors.storedAll(onto, image::decodeBandLimits(onto));
        EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(onto, settled)), "")
            << "file " << n << ": a store of all changes the applied file";

        RadioImage self = stored;
        ASSERT_TRUE(apply(json, self).applied);
        EXPECT_EQ(testing_support::joinLines(testing_support::imageDiff(stored, self)), "")
            << "file " << n << ": applied onto itself";
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    RecordProperty("milliseconds", int(ms.count()));
}

} // namespace
