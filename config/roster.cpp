// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/roster.h"

#include "app/translated_text.h"

#include "config/config_apply.h"
#include "config/editor_table.h"
#include "channels/channel_csv.h"
#include "link/port_names.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace config::fleet {

namespace {

namespace text {
// Read in the user's language in the windows (see app/translated_text.h).
constexpr char kContext[] = "config::roster";
using Text = app::TranslatedText<kContext>;
constexpr Text kNoRadioColumn{QT_TRANSLATE_NOOP("config::roster", "%1: no \"Radio\" column in the header line")};
constexpr Text kDuplicateColumn{QT_TRANSLATE_NOOP("config::roster", "%1: column \"%2\" appears twice")};
constexpr Text kBadColumn{QT_TRANSLATE_NOOP("config::roster", "%1: column \"%2\" names no value (section.key, as report --json writes them)")};
constexpr Text kNoRows{QT_TRANSLATE_NOOP("config::roster", "%1: no radios below the header line")};
constexpr Text kRowPrefix{QT_TRANSLATE_NOOP("config::roster", "%1 row %2 (Radio %3): %4")};
constexpr Text kRowPrefixNoRadio{QT_TRANSLATE_NOOP("config::roster", "%1 row %2: %3")};
constexpr Text kNoRadio{QT_TRANSLATE_NOOP("config::roster", "no Radio label")};
constexpr Text kRadioTwice{QT_TRANSLATE_NOOP("config::roster", "Radio \"%1\" is also on row %2")};
constexpr Text kNoPort{QT_TRANSLATE_NOOP("config::roster", "no Port, and no port given for the run")};
constexpr Text kTooManyCells{QT_TRANSLATE_NOOP("config::roster", "%1 cells, the header has %2 columns")};
constexpr Text kSharedId{QT_TRANSLATE_NOOP("config::roster", "%1: \"%2\": also the self ID of row %3 (Radio %4)")};
constexpr Text kOtherLog{QT_TRANSLATE_NOOP("config::roster", "%1 holds a log with other columns; name another log file")};
constexpr Text kCannotWrite{QT_TRANSLATE_NOOP("config::roster", "cannot write %1: %2")};
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
} // namespace text

const QString kTimeColumn = QStringLiteral("time");
const QString kResultColumn = QStringLiteral("result");

bool isRadioColumn(const QString& name) { return name.compare(kRadioColumn, Qt::CaseInsensitive) == 0; }
bool isPortColumn(const QString& name) { return name.compare(kPortColumn, Qt::CaseInsensitive) == 0; }

// A value of the configuration document: section and key, both JSON names.
bool isValuePath(const QString& name) {
    static const QRegularExpression path(QStringLiteral("^[A-Za-z][A-Za-z0-9]*\\.[A-Za-z][A-Za-z0-9]*$"));
    return path.match(name).hasMatch();
}

std::vector<channels::csv::Record> recordsWithRadioColumn(const QString& text) {
    for (const QChar separator : {u',', u';', u'\t'}) {
        std::vector<channels::csv::Record> records = channels::csv::parseRecords(text, separator);
        if (records.empty()) return records;
        for (const QString& field : records.front().fields)
            if (isRadioColumn(field.trimmed())) return records;
    }
    return {};
}

bool isBlank(const channels::csv::Record& record) {
    for (const QString& field : record.fields)
        if (!field.trimmed().isEmpty()) return false;
    return true;
}

QString rowProblem(const Roster& roster, const RosterRow& row, const QString& what) {
    if (row.radio.isEmpty()) return text::kRowPrefixNoRadio.arg(roster.name).arg(row.line).arg(what);
    return text::kRowPrefix.arg(roster.name).arg(row.line).arg(row.radio, what);
}

// The value a radio ends up with at `path`, as the report shows it: only the section that
// holds it is built.
QString shownValue(const app::report::ReportSource& source, const QString& path) {
    const QString section = path.section(u'.', 0, 0);
    const QString key = path.section(u'.', 1);
    for (const Editor& editor : kEditors) {
        if (section != QLatin1String(editor.sectionKey)) continue;
        for (const app::report::Entry& e : editor.section.report(source).entries)
            if (e.key == key) return e.value;
    }
    return {};
}

QStringList headerColumns(const Roster& roster) {
    QStringList columns{kTimeColumn, kRadioColumn, kPortColumn.toLower()};
    columns << roster.paths;
    columns << kResultColumn << QStringLiteral("exit code") << QStringLiteral("backup file") << QStringLiteral("message");
    return columns;
}

QString csvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields) quoted << channels::csv::quoteField(field);
    return quoted.join(u',') + QStringLiteral("\r\n");
}

// The log's text, or empty when there is none yet.
QString existingLog(const QString& path) {
    if (!QFileInfo(path).isFile()) return {};
    QString content;
    channels::csv::readFile(path, content);
    return content;
}

} // namespace

Roster parseRoster(const QString& text, const QString& name, QStringList& problems) {
    Roster roster;
    roster.name = name;
    const std::vector<channels::csv::Record> records = recordsWithRadioColumn(text);
    if (records.empty()) {
        problems << text::kNoRadioColumn.arg(name);
        return roster;
    }
    // Where each header column goes: -1 Radio, -2 Port, else the value column's index.
    const QStringList& header = records.front().fields;
    QList<int> target;
    QSet<QString> seen;
    for (const QString& raw : header) {
        const QString column = raw.trimmed();
        if (seen.contains(column.toLower())) problems << text::kDuplicateColumn.arg(name, column);
        seen.insert(column.toLower());
        if (isRadioColumn(column)) {
            target << -1;
        } else if (isPortColumn(column)) {
            target << -2;
        } else {
            if (!isValuePath(column)) problems << text::kBadColumn.arg(name, column);
            target << int(roster.paths.size());
            roster.paths << column;
        }
    }
    for (std::size_t i = 1; i < records.size(); ++i) {
        const channels::csv::Record& record = records[i];
        if (isBlank(record)) continue;
        RosterRow row;
        row.line = record.line;
        row.values = QStringList(roster.paths.size(), QString());
        for (int c = 0; c < record.fields.size() && c < target.size(); ++c) {
            // A quoted cell's blanks are meant (a starting display may be centred).
            const bool quoted = std::size_t(c) < record.quoted.size() && record.quoted[std::size_t(c)];
            const QString cell = quoted ? record.fields[c] : record.fields[c].trimmed();
            if (target[c] == -1) row.radio = cell;
            else if (target[c] == -2) row.port = cell;
            else row.values[target[c]] = cell;
        }
        if (record.fields.size() > header.size())
            problems << rowProblem(roster, row, text::kTooManyCells.arg(record.fields.size()).arg(header.size()));
        roster.rows << row;
    }
    if (roster.rows.isEmpty()) problems << text::kNoRows.arg(name);
    return roster;
}

Roster readRoster(const QString& path, QStringList& problems) {
    const QString name = QFileInfo(path).fileName();
    QString content;
    if (const QString error = channels::csv::readFile(path, content); !error.isEmpty()) {
        problems << error;
        Roster roster;
        roster.name = name;
        return roster;
    }
    return parseRoster(content, name, problems);
}

app::json::Value rowDocument(const Roster& roster, const RosterRow& row) {
    app::json::Value document{app::json::Value::Kind::Object};
    for (int c = 0; c < roster.paths.size(); ++c) {
        if (row.values.value(c).isEmpty()) continue;
        const QString section = roster.paths[c].section(u'.', 0, 0);
        auto values = std::find_if(document.members.begin(), document.members.end(),
                                   [&](const app::json::Member& m) { return m.key == section; });
        if (values == document.members.end())
            values = document.members.insert(document.members.end(),
                                             app::json::Member{section, app::json::Value{app::json::Value::Kind::Object}});
        app::json::Value value{app::json::Value::Kind::String, row.values[c]};
        values->value.members.push_back({roster.paths[c].section(u'.', 1), std::move(value)});
    }
    return document;
}

RosterCheck checkRoster(const Roster& roster, const image::RadioImage& master, const QString& defaultPort,
                        const QString& modelName) {
    RosterCheck check;
    QHash<QString, int> radioRows;  // label -> first row index
    // Per unique path: value -> first row index.
    QHash<QString, QHash<QString, int>> ids;
    const image::BandLimits masterLimits = image::decodeBandLimits(master);
    for (int i = 0; i < roster.rows.size(); ++i) {
        const RosterRow& row = roster.rows[i];
        if (row.radio.isEmpty()) {
            check.problems << rowProblem(roster, row, text::kNoRadio);
        } else if (radioRows.contains(row.radio)) {
            const RosterRow& first = roster.rows[radioRows.value(row.radio)];
            check.problems << rowProblem(roster, row, text::kRadioTwice.arg(row.radio).arg(first.line));
        } else {
            radioRows.insert(row.radio, i);
        }
        const QString port = row.port.isEmpty() ? defaultPort : row.port;
        if (port.isEmpty()) check.problems << rowProblem(roster, row, text::kNoPort);

        PreparedRadio radio{i, row.radio, port, master};
        image::BandLimits limits = masterLimits;
        const ApplyResult applied = applyDocument(rowDocument(roster, row), radio.image, limits, {modelName, true});
        for (const app::report::Problem& problem : applied.problems)
            check.problems << rowProblem(roster, row, app::report::problemLine(problem));
        if (!applied.applied) continue;

        for (const QString& path : kUniquePaths) {
            if (!roster.paths.contains(path)) continue;  // every radio keeps the master's, as meant
            const QString value = shownValue({radio.image, limits, modelName}, path);
            if (value.isEmpty()) continue;
            auto& seen = ids[path];
            if (const auto first = seen.constFind(value); first != seen.constEnd()) {
                const RosterRow& other = roster.rows[*first];
                check.problems << rowProblem(roster, row, text::kSharedId.arg(path, value).arg(other.line).arg(other.radio));
            } else {
                seen.insert(value, i);
            }
        }
        check.radios.push_back(std::move(radio));
    }
    if (!check.ok()) check.radios.clear();
    return check;
}

QString portKey(const QString& port) {
    return radiolink::cableKey(port, radiolink::systemPortCatalog());
}

QString logHeader(const Roster& roster) { return csvLine(headerColumns(roster)); }

QString logLine(const LogEntry& entry) {
    QStringList fields{entry.time.toString(text::kTimeFormat), entry.radio, entry.port};
    fields << entry.values;
    fields << (entry.done ? kDone : kFailed) << QString::number(entry.exitCode) << entry.backupFile << entry.message;
    return csvLine(fields);
}

QString logProblem(const QString& path, const Roster& roster) {
    const QString content = existingLog(path);
    if (content.trimmed().isEmpty()) return {};
    const std::vector<channels::csv::Record> records = channels::csv::parseRecords(content);
    if (records.empty() || records.front().fields != headerColumns(roster)) return text::kOtherLog.arg(path);
    return {};
}

QString appendLog(const QString& path, const Roster& roster, const LogEntry& entry) {
    if (const QString problem = logProblem(path, roster); !problem.isEmpty()) return problem;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return text::kCannotWrite.arg(path, file.errorString());
    QString lines;
    if (file.size() == 0) lines = logHeader(roster);
    lines += logLine(entry);
    const QByteArray bytes = lines.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush()) return text::kCannotWrite.arg(path, file.errorString());
    return {};
}

QSet<QString> doneRadios(const QString& path) {
    QSet<QString> done;
    const std::vector<channels::csv::Record> records = channels::csv::parseRecords(existingLog(path));
    if (records.empty()) return done;
    const qsizetype radio = records.front().fields.indexOf(kRadioColumn);
    const qsizetype result = records.front().fields.indexOf(kResultColumn);
    if (radio < 0 || result < 0) return done;
    for (std::size_t i = 1; i < records.size(); ++i)
        if (records[i].fields.value(result) == kDone) done.insert(records[i].fields.value(radio));
    return done;
}

} // namespace config::fleet
