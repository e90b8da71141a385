// SPDX-License-Identifier: GPL-3.0-or-later
// What the radio sends, heard back: the WAV files of qmr417-cli audition decoded with Goertzel
// filters of this test's own over tone tables written out here (never the program's), then
// the digits, tones and times compared with the configuration; the command's faults; and the
// editors' Play and "Save Sound As..." as a user presses them.

#include "default_image.h"
#include "grid/grid_view.h"
#include "image/parameter_file.h"
#include "signalling/audition_panel.h"
#include "signalling/dtmf_codes.h"
#include "signalling/dtmf_view.h"
#include "signalling/five_tone_codes.h"
#include "signalling/five_tone_view.h"
#include "signalling/two_tone_codes.h"
#include "tests/channels/channel_fixture.h"
#include "tests/support/cli_process.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numeric>
#include <numbers>
#include <tuple>

namespace {

using image::RadioImage;

// ---- a decoder of the test's own --------------------------------------------------------

struct Wav {
    int rate = 0;
    std::vector<double> x;
};

// Mono 16-bit PCM, or nothing (rate 0) when the header says otherwise.
Wav readWav(const QByteArray& b) {
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    if (b.size() < 44 || b.left(4) != "RIFF" || b.mid(8, 8) != "WAVEfmt " || b.mid(36, 4) != "data" || u16(20) != 1 ||
        u16(22) != 1 || u16(34) != 16 || u32(40) != quint32(b.size() - 44) || u32(4) != quint32(b.size() - 8))
        return {};
    Wav wav{int(u32(24)), {}};
    for (int at = 44; at < b.size(); at += 2) wav.x.push_back(qFromLittleEndian<qint16>(b.constData() + at));
    return wav;
}

double goertzel(const double* x, int n, double hz, int rate) {
    const double c = 2 * std::cos(2 * std::numbers::pi * hz / rate);
    double s1 = 0, s2 = 0;
    for (int i = 0; i < n; ++i) {
        const double s0 = x[i] + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}

// Candidate tones in Hz: a tone of each group sounds at once (DTMF: a row and a column tone).
using Groups = std::vector<std::vector<double>>;
// A stretch of the sound and the tones measured in it (none: silence).
struct Piece {
    int start, end;
    std::vector<double> hz;
};

// The candidate whose filter over x[0, n) is strongest.
double strongest(const double* x, int n, const std::vector<double>& candidates, int rate) {
    return *std::max_element(candidates.begin(), candidates.end(), [&](double f, double g) {
        return goertzel(x, n, f, rate) < goertzel(x, n, g, rate);
    });
}

// The tone near `hz` as measured: the strongest of Hann-windowed filters 0.1 % apart within
// 2 % of it, over at most 50 ms in the middle of [start, end).
double measure(const Wav& w, int start, int end, double hz) {
    const int n = std::min(end - start - w.rate / 500, w.rate / 20), from = (start + end - n) / 2;
    std::vector<double> v(static_cast<std::size_t>(n)), near;
    for (int i = 0; i < n; ++i) v[std::size_t(i)] = w.x[std::size_t(from + i)] * (1 - std::cos(2 * std::numbers::pi * i / (n - 1)));
    for (int step = -20; step <= 20; ++step) near.push_back(hz * (1 + step / 1000.0));
    return strongest(v.data(), n, near, w.rate);
}

// Sound between silences changes tone where it falls to almost nothing (a tone rises from and
// falls to nothing at its edges, and 6 samples inside a tone never hold so little): at the
// quietest 6 samples of the dip. DTMF symbols always stand apart, and the beat of their two
// tones dips too, so only single tones are split.
void split(const Wav& w, int from, int to, const Groups& groups, std::vector<Piece>& pieces) {
    const double* x = w.x.data();
    const auto energy = [x](int b) { return std::inner_product(x + b - 3, x + b + 3, x + b - 3, 0.0); };
    const double peak = *std::max_element(x + from, x + to), dip = 0.2 * peak * peak;
    std::vector<int> edges{from};
    for (int b = from + 3; groups.size() == 1 && b + 3 <= to; ++b) {
        if (energy(b) >= dip) continue;
        int quietest = b;
        for (; b + 3 <= to && energy(b) < dip; ++b)
            if (energy(b) < energy(quietest)) quietest = b;
        if (quietest - edges.back() > w.rate / 100 && to - quietest > w.rate / 100) edges.push_back(quietest);
    }
    edges.push_back(to);
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        Piece piece{edges[i], edges[i + 1], {}};
        for (const auto& group : groups)
            piece.hz.push_back(measure(w, piece.start, piece.end, strongest(x + piece.start, piece.end - piece.start, group, w.rate)));
        pieces.push_back(piece);
    }
}

// Silence is a millisecond of zero samples or more.
std::vector<Piece> decode(const Wav& w, const Groups& groups) {
    std::vector<Piece> pieces;
    const int n = int(w.x.size()), quiet = w.rate / 1000;
    for (int at = 0, end = 0; at < n; at = end) {
        int zeros = 0;
        for (end = at; end < n && zeros < quiet; ++end) zeros = w.x[std::size_t(end)] == 0 ? zeros + 1 : 0;
        if (zeros == quiet) end -= quiet;
        if (end > at) {
            split(w, at, end, groups, pieces);
            continue;
        }
        while (end < n && w.x[std::size_t(end)] == 0) ++end;
        pieces.push_back({at, end, {}});
    }
    return pieces;
}

// ---- what the configuration says the radio sends ----------------------------------------

using Expected = std::pair<int, std::vector<double>>;  // ms and tones (none: silence)

struct Case {
    std::string name;
    std::function<void(RadioImage&)> configure;
    QStringList option;  // of the command line
    Groups groups;
    std::vector<Expected> sound;
};

// Each standard's tones in Hz for the digits 0-F, 0 where it has none, and its tone length.
struct Standard {
    const char* name;
    std::array<double, 16> hz;
    int ms;
};
const std::array<Standard, 14> kStandards{{
    {"ZVEI1", {2400, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 2200, 2800, 810, 970, 885, 2600, 680}, 70},
    {"ZVEI2", {2400, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 2200, 885, 810, 740, 680, 970, 2600}, 70},
    {"ZVEI3", {2200, 970, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 885, 0, 0, 0, 2400, 0}, 70},
    {"PZVEI", {2400, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 2200, 970, 810, 2800, 885, 2600, 680}, 70},
    {"DZVEI", {2200, 970, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 825, 740, 2600, 885, 2400, 680}, 70},
    {"PDZVEI", {2200, 970, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 825, 886, 2600, 856, 2400, 0}, 70},
    {"CCIR1", {1981, 1124, 1197, 1275, 1358, 1446, 1540, 1640, 1747, 1860, 2400, 930, 2247, 991, 2110, 1055}, 100},
    {"CCIR2", {1981, 1124, 1197, 1275, 1358, 1446, 1540, 1640, 1747, 1860, 2400, 930, 2247, 991, 2110, 1055}, 70},
    {"PCCIR", {1981, 1124, 1197, 1275, 1358, 1446, 1540, 1640, 1747, 1860, 1050, 930, 2400, 991, 2110, 0}, 100},
    {"EEA", {1981, 1124, 1197, 1275, 1358, 1446, 1540, 1640, 1747, 1860, 1055, 930, 2400, 991, 2110, 2247}, 40},
    {"EURO SIGNAL", {979.8, 903.1, 832.5, 767.4, 707.4, 652, 601, 554, 510.7, 470.8, 0, 0, 0, 0, 1062.9, 0}, 100},
    {"NATEL", {1633, 631, 697, 770, 852, 941, 1040, 1209, 1336, 1477, 1995, 571, 2205, 2437, 1805, 2694}, 70},
    {"MODAT", {637.5, 787.5, 937.5, 1087.5, 1237.5, 1387.5, 1537.5, 1687.5, 1837.5, 1987.5, 0, 0, 0, 0, 487.5, 0}, 40},
    {"CCITT", {400, 697, 770, 852, 941, 1209, 1335, 1477, 1663, 1800, 1900, 2000, 2100, 2200, 2300, 0}, 70},
}};

// Entry k sends every digit standard k has, in order (E, the repeat tone, among them), each
// case with its own pretime, first delay and time-lapse.
Case fiveToneCase(int k) {
    const Standard& s = kStandards[std::size_t(k)];
    const int pretime = 100 + 10 * k, firstDelay = k % 2 ? 250 : 10, lapse = 40 + 10 * k;
    Case c{s.name, {}, {"--five-tone", QString::number(k)}, {{}}, {{pretime, {}}}};
    QString code;
    for (int d = 0; d < 16; ++d)
        if (s.hz[std::size_t(d)] != 0) {
            code += QString::number(d, 16).toUpper();
            c.groups[0].push_back(s.hz[std::size_t(d)]);
            c.sound.push_back({code.size() == 1 ? std::max(s.ms, firstDelay) : s.ms, {s.hz[std::size_t(d)]}});
        }
    c.sound.push_back({lapse, {}});
    c.configure = [=](RadioImage& img) {
        namespace ft = signalling::five_tone;
        ft::storeEncodeEntry(img, k, {{}, code, s.name, QString::number(s.ms), {}}, ft::readSelfId(img));
        img.setU8(ft::kPretime, std::uint8_t(pretime / 10));
        img.setU8(ft::kFirstDelay, std::uint8_t(firstDelay / 10));
        img.setU8(ft::kTimeLapseAfterEncode, std::uint8_t(lapse / 10));
    };
    return c;
}

// Transmitting time t (list index k): every symbol of the keypad, each t long with a pause of
// t, the first held for the first digit time when longer.
Case dtmfCase(int k) {
    static const std::array<int, 6> kTimes{30, 50, 100, 200, 300, 500};
    const char* keypad = "123A456B789C*0#D";
    const int t = kTimes[std::size_t(k)], first = k % 2 ? 250 : 0, pretime = 10 + 50 * k, lapse = 20 * (k + 1);
    const QString code = QString::fromLatin1(keypad);
    Case c{"DTMF " + std::to_string(t) + " ms", {}, {"--dtmf", "M" + QString::number(k + 1)},
           {{697, 770, 852, 941}, {1209, 1336, 1477, 1633}}, {{pretime, {}}}};
    for (int i = 0; i < code.size(); ++i) {
        c.sound.push_back({i == 0 ? std::max(t, first) : t, {c.groups[0][std::size_t(i / 4)], c.groups[1][std::size_t(i % 4)]}});
        c.sound.push_back({i + 1 < code.size() ? t : lapse, {}});
    }
    c.configure = [=](RadioImage& img) {
        namespace dt = signalling::dtmf;
        dt::packCode(img, dt::encodeEntry(k), code);
        img.setU8(dt::kTransmittingTime, std::uint8_t(k));
        img.setU8(dt::kFirstDigitTime, std::uint8_t(first / 10));
        img.setU8(dt::kPretime, std::uint8_t(pretime / 10));
        img.setU8(dt::kTimeLapseAfterEncode, std::uint8_t(lapse / 10));
    };
    return c;
}

class Audition : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString writeDat(const RadioImage& img) {
        image::FilePrefixBlock prefix{};
        EXPECT_TRUE(image::writeParameterFile(path("radio.dat"), prefix, img).ok);
        return path("radio.dat");
    }
    QTemporaryDir m_dir;
};

TEST_F(Audition, EveryStandardAndTransmittingTimeDecodesToItsDigitsTonesAndTimes) {
    std::vector<Case> cases;
    for (int k = 0; k < 14; ++k) cases.push_back(fiveToneCase(k));
    for (int k = 0; k < 6; ++k) cases.push_back(dtmfCase(k));
    // 2Tone entry 7: two tones with a gap between; entry 8: the first alone, as the long tone.
    const auto twoTone = [](RadioImage& img) {
        namespace tt = signalling::twotone;
        tt::storeEncodeRow(img, 7, {QStringLiteral("1000.0"), QStringLiteral("1500.5"), {}});
        tt::storeEncodeRow(img, 8, {QStringLiteral("1000.0"), {}, {}});
        for (auto [at, tenths] : {std::pair{tt::kTone1Duration, 6}, {tt::kTone2Duration, 12}, {tt::kLongToneDuration, 9}, {tt::kGapTime, 3}})
            img.setU8(at, std::uint8_t(tenths));
    };
    cases.push_back({"2Tone pair", twoTone, {"--two-tone", "7"}, {{1000, 1500.5}}, {{600, {1000}}, {300, {}}, {1200, {1500.5}}}});
    cases.push_back({"2Tone long", twoTone, {"--two-tone", "8"}, {{1000, 1500.5}}, {{900, {1000}}}});
    for (const Case& c : cases) {
        RadioImage img = defaultdat::defaultImage();
        c.configure(img);
        const auto run = clitest::runCli(QStringList{"audition", writeDat(img), "--out", path("x.wav")} + c.option);
        ASSERT_EQ(run.exitCode, 0) << c.name << ": " << run.errorText.toStdString();
        const Wav wav = readWav(clitest::readFile(path("x.wav")));
        ASSERT_GE(wav.rate, 8000) << c.name;
        const std::vector<Piece> got = decode(wav, c.groups);
        ASSERT_EQ(got.size(), c.sound.size()) << c.name;
        for (std::size_t i = 0; i < got.size(); ++i) {
            const std::string where = c.name + ", piece " + std::to_string(i);
            const auto& [ms, hz] = c.sound[i];
            EXPECT_NEAR((got[i].end - got[i].start) * 1000.0 / wav.rate, ms, 1.0) << where;
            ASSERT_EQ(got[i].hz.size(), hz.size()) << where;
            for (std::size_t t = 0; t < hz.size(); ++t) EXPECT_NEAR(got[i].hz[t], hz[t], hz[t] * 0.005) << where;
        }
    }
}

TEST_F(Audition, CommandRefusesWhatCannotBeSentWithItsReasonAndNeverWritesOverAParameterFile) {
    RadioImage img = defaultdat::defaultImage();
    namespace ft = signalling::five_tone;
    ft::storeEncodeEntry(img, 3, {{}, QStringLiteral("1B"), QStringLiteral("ZVEI3"), QStringLiteral("70"), {}}, {});
    img.setU8(signalling::dtmf::encodeEntry(1).lengthAt(), 30);
    signalling::twotone::storeEncodeRow(img, 4, {QStringLiteral("307.2"), {}, {}});
    const QString dat = writeDat(img);
    const std::tuple<QStringList, int, const char*> faults[] = {
        {{dat, "--dtmf", "M1"}, 1, "DTMF M1 is empty"},
        {{dat, "--dtmf", "M17"}, 1, "M17 does not exist: the list has entries M1 to M16"},
        {{dat, "--dtmf", "M2"}, 1, "length byte of 30, more than the 24"},
        {{dat, "--dtmf-code", "stun"}, 1, "DTMF Remotely Stun is empty"},
        {{dat, "--five-tone", "3"}, 1, "ZVEI3 has no tone for the digit B"},
        {{dat, "--five-tone-code", "EOT"}, 1, "5Tone PTTID Ending (EOT) is empty"},
        {{dat, "--two-tone", "4"}, 1, "2Tone entry 4 is empty for the radio: it takes a first tone whose low byte"},
        {{path("missing.dat"), "--dtmf", "M1"}, 2, "missing.dat"},
        {{dat, "--five-tone", "3", "--out", dat}, 2, "a \".dat\" name"},
    };
    for (const auto& [arguments, exitCode, says] : faults) {
        const auto run = clitest::runCli(QStringList{"audition", "--out", path("x.wav")} + arguments);
        EXPECT_EQ(run.exitCode, exitCode) << says;
        EXPECT_TRUE(run.errorText.contains(QString::fromUtf8(says))) << run.errorText.toStdString();
        EXPECT_FALSE(QFile::exists(path("x.wav"))) << says;
    }
    EXPECT_EQ(clitest::readFile(dat).size(), image::kParameterFileSize);
}

// ---- the editors' buttons --------------------------------------------------------------

// The samples each Play sent, or none: no sound device.
struct Recorder : signalling::SoundOutput {
    Recorder(std::vector<std::size_t>& played, bool device) : m_played(played), m_device(device) {}
    bool play(std::span<const std::int16_t> samples, int) override {
        if (m_device) m_played.push_back(samples.size());
        return m_device;
    }
    std::vector<std::size_t>& m_played;
    bool m_device;
};

struct SavingPrompts : channels_test::ScriptedPrompts {
    QString answer;
    QStringList reports;
    QString askSaveFileName(const app::FileDialogRequest&) override { return answer; }
    void report(const QString& text, app::Severity) override { reports << text; }
};

TEST_F(Audition, PlayHearsWhatTheFormShowsAndSaveSoundAsWritesItAsAWavFile) {
    channels_test::Env env;
    env.state.image = defaultdat::defaultImage();
    SavingPrompts prompts;
    forms::EditorEnv editorEnv{env.state, prompts, env.help, env.host};
    std::vector<std::size_t> played;
    signalling::CDtmfView dtmf(editorEnv);
    dtmf.auditionPanel().setOutput(std::make_unique<Recorder>(played, true));
    dtmf.show();
    dtmf.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dtmf));
    dtmf.LoadFromImage();

    // M3 typed, never stored: Play stores it and plays its pretime, three 100 ms digits with
    // their pauses and the time-lapse after encode.
    dtmf.grid()->setText(3, 1, QStringLiteral("123"));
    dtmf.grid()->setCurrentCell(3, 1);
    const auto click = [&](QWidget& view, const char* name) { view.findChild<QPushButton*>(name)->click(); };
    click(dtmf, "encodeListPlay");
    EXPECT_EQ(signalling::dtmf::unpackCode(env.state.image, signalling::dtmf::encodeEntry(2)), "123");
    EXPECT_EQ(played, std::vector<std::size_t>{900 * 16});
    EXPECT_EQ(env.host.notes.last(), "Playing DTMF M3 (0.900 s)");
    // Ctrl+Space plays the code field holding the focus.
    auto* bot = dtmf.findChild<QLineEdit*>("pttIdStart");
    bot->setFocus();
    QTest::keyClicks(bot, "9");
    QTest::keyClick(bot, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(played.back(), 500u * 16);
    // "Save Sound As..." keeps it: ".wav" added to a bare name, a ".dat" name refused.
    prompts.answer = path("bot");
    click(dtmf, "saveSound");
    EXPECT_EQ(readWav(clitest::readFile(path("bot.wav"))).x.size(), 500u * 16);
    prompts.answer = path("radio.dat");
    click(dtmf, "saveSound");
    EXPECT_FALSE(QFile::exists(path("radio.dat")));
    ASSERT_EQ(prompts.reports.size(), 1);
    EXPECT_TRUE(prompts.reports[0].contains("a sound never replaces a parameter file"));
    // An empty entry, and a machine without a sound card, are said in the status bar.
    dtmf.grid()->setCurrentCell(16, 1);
    click(dtmf, "encodeListPlay");
    EXPECT_EQ(env.host.notes.last(), "DTMF M16 is empty: there is nothing to send");
    dtmf.auditionPanel().setOutput(std::make_unique<Recorder>(played, false));
    dtmf.findChild<QLineEdit*>("remoteKill")->setText("5");
    click(dtmf, "remoteKillPlay");
    EXPECT_TRUE(env.host.notes.last().startsWith("No sound device: DTMF Remotely Kill was not played."));
    EXPECT_EQ(played.size(), 2u);

    // The 5Tone editor's PTT ID codes play the same way.
    signalling::CT5View fiveTone(editorEnv);
    fiveTone.LoadFromImage();
    fiveTone.auditionPanel().setOutput(std::make_unique<Recorder>(played, true));
    fiveTone.findChild<QLineEdit*>("botEncodeId")->setText("12");
    click(fiveTone, "botPlay");
    EXPECT_EQ(env.host.notes.last(), "Playing 5Tone PTTID Starting (BOT) (0.570 s)");
}

} // namespace
