// SPDX-License-Identifier: GPL-3.0-or-later
// qmr417-cli audition FILE.dat (--dtmf Mn | --dtmf-code CODE | --two-tone N | --five-tone N |
// --five-tone-code CODE) --out SOUND.wav: what the radio sends for one DTMF, 2Tone or 5Tone
// entry, written as a WAV file, so a dealer hears a call before a radio sends it.

#include "cli/cli_texts.h"
#include "cli/cli_transfer.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "image/parameter_file.h"
#include "signalling/audition.h"
#include "signalling/wav_file.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <optional>
#include <utility>
#include <vector>

namespace cli {

namespace {

namespace atext {
const QString kUsage = QStringLiteral(
    "audition FILE.dat (--dtmf Mn | --dtmf-code CODE | --two-tone N | --five-tone N | --five-tone-code CODE) "
    "--out SOUND.wav");
const QString kDescription = QStringLiteral("Writes what the radio sends for one entry or code as a WAV file.");
const QString kDtmfHelp = QStringLiteral("DTMF encode entry M1-M16.");
const QString kDtmfCodeHelp = QStringLiteral("DTMF code: BOT, EOT (PTT ID Starting, Ending), KILL or STUN (Remotely).");
const QString kTwoToneHelp = QStringLiteral("2Tone encode entry 0-31.");
const QString kFiveToneHelp = QStringLiteral("5Tone encode entry 0-99.");
const QString kFiveToneCodeHelp = QStringLiteral("5Tone PTT ID code: BOT or EOT.");
const QString kOutHelp = QStringLiteral("WAV file to write.");
const QString kOneSource = QStringLiteral("audition takes one of --dtmf, --dtmf-code, --two-tone, --five-tone, --five-tone-code");
const QString kBadValue = QStringLiteral("--%1 takes %2, not \"%3\"");
const QString kDtmfValues = QStringLiteral("M1 to M16");
const QString kNumberValues = QStringLiteral("an entry number");
const QString kDtmfCodeValues = QStringLiteral("BOT, EOT, KILL or STUN");
const QString kFiveToneCodeValues = QStringLiteral("BOT or EOT");
const QString kCannotSave = QStringLiteral("cannot save %1: %2");
const QString kOverParameterFile =
    QStringLiteral("cannot save %1: a \".dat\" name is a parameter file's; a sound never replaces one");
const QString kSaved = QStringLiteral("saved %1: %2, %3");
} // namespace atext

using signalling::audition::Source;
using signalling::audition::SourceKind;

// An option naming what to hear, and how its value becomes a source.
struct SourceOption {
    QCommandLineOption option;
    std::optional<Source> (*read)(const QString& value);
    QString values;  // what the option takes, for the error line
};

std::optional<Source> entryNumber(SourceKind kind, const QString& value) {
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok) return std::nullopt;
    return Source{kind, number};
}

std::optional<Source> codeNamed(const QString& value, const std::vector<std::pair<QString, SourceKind>>& codes) {
    for (const auto& code : codes)
        if (value.compare(code.first, Qt::CaseInsensitive) == 0) return Source{code.second};
    return std::nullopt;
}

std::optional<Source> dtmfEntry(const QString& value) {
    static const QRegularExpression label(QStringLiteral("^[Mm]([0-9]{1,3})$"));
    const QRegularExpressionMatch match = label.match(value);
    if (!match.hasMatch()) return std::nullopt;
    return Source{SourceKind::DtmfEntry, match.captured(1).toInt() - 1};
}

std::optional<Source> dtmfCode(const QString& value) {
    return codeNamed(value, {{QStringLiteral("BOT"), SourceKind::DtmfPttIdStart},
                             {QStringLiteral("EOT"), SourceKind::DtmfPttIdEnd},
                             {QStringLiteral("KILL"), SourceKind::DtmfRemoteKill},
                             {QStringLiteral("STUN"), SourceKind::DtmfRemoteStun}});
}

std::optional<Source> twoToneEntry(const QString& value) { return entryNumber(SourceKind::TwoToneEntry, value); }

std::optional<Source> fiveToneEntry(const QString& value) { return entryNumber(SourceKind::FiveToneEntry, value); }

std::optional<Source> fiveToneCode(const QString& value) {
    return codeNamed(value, {{QStringLiteral("BOT"), SourceKind::FiveTonePttIdStart},
                             {QStringLiteral("EOT"), SourceKind::FiveTonePttIdEnd}});
}

std::vector<SourceOption> sourceOptions() {
    const QString entry = QStringLiteral("entry");
    const QString code = QStringLiteral("code");
    return {
        {{QStringLiteral("dtmf"), atext::kDtmfHelp, entry}, dtmfEntry, atext::kDtmfValues},
        {{QStringLiteral("dtmf-code"), atext::kDtmfCodeHelp, code}, dtmfCode, atext::kDtmfCodeValues},
        {{QStringLiteral("two-tone"), atext::kTwoToneHelp, entry}, twoToneEntry, atext::kNumberValues},
        {{QStringLiteral("five-tone"), atext::kFiveToneHelp, entry}, fiveToneEntry, atext::kNumberValues},
        {{QStringLiteral("five-tone-code"), atext::kFiveToneCodeHelp, code}, fiveToneCode, atext::kFiveToneCodeValues},
    };
}

} // namespace

int auditionCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(atext::kDescription);
    parser.addHelpOption();
    const std::vector<SourceOption> sources = sourceOptions();
    for (const SourceOption& source : sources) parser.addOption(source.option);
    const QCommandLineOption outOption(QStringLiteral("out"), atext::kOutHelp, QStringLiteral("file"));
    parser.addOption(outOption);
    parser.addPositionalArgument(QStringLiteral("FILE.dat"), QStringLiteral("Parameter file."));
    if (const std::optional<int> done = parseCommandLine(parser, arguments, atext::kUsage, 1)) return *done;

    std::vector<const SourceOption*> given;
    for (const SourceOption& source : sources)
        if (parser.isSet(source.option)) given.push_back(&source);
    if (given.size() != 1) return fail(kExitUsage, atext::kOneSource);
    const SourceOption& chosen = *given.front();
    const QString value = parser.value(chosen.option);
    const std::optional<Source> source = chosen.read(value);
    if (!source) return fail(kExitUsage, atext::kBadValue.arg(chosen.option.names().constFirst(), chosen.values, value));
    if (!parser.isSet(outOption))
        return fail(kExitUsage, cli::text::kMissingOption.arg(QStringLiteral("audition"), QStringLiteral("out")));
    const QString out = parser.value(outOption);
    if (out.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) return fail(kExitFile, atext::kOverParameterFile.arg(out));
    if (const QString problem = cannotSaveReason(out); !problem.isEmpty()) return fail(kExitFile, problem);

    const QString path = parser.positionalArguments().constFirst();
    image::FilePrefixBlock prefix{};
    image::RadioImage img;
    if (const image::FileResult read = image::readParameterFile(path, prefix, img); !read.ok)
        return fail(kExitFile, readFailureText(path, read));

    namespace audition = signalling::audition;
    const audition::Sound sound = audition::soundOf(img, *source);
    if (!sound.ok()) return fail(kExitUsage, sound.problem);
    const std::vector<std::int16_t> samples = audition::render(sound.segments);
    if (const QString error = signalling::wav::saveWavFile(out, samples, audition::kSampleRate); !error.isEmpty())
        return fail(kExitFile, atext::kCannotSave.arg(out, error));
    printLine(atext::kSaved.arg(out, audition::sourceName(*source), audition::secondsText(sound.durationMs())));
    return kExitOk;
}

} // namespace cli
