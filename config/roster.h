// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fleet: one master configuration and a roster with one row per radio. The roster is a CSV
// file: a column "Radio" (the label the dealer writes on the radio), an optional column
// "Port" (that radio's port), and any number of columns named by the paths of the
// configuration document (`dtmf.selfId`, `functionSetup.startingDisplay`) holding that
// radio's value. An empty cell keeps the master's value.
//
// Before any radio is touched every row is applied onto a copy of the master through the
// same checks as a configuration document, and the self IDs are compared across rows. The
// log keeps one CSV line per radio programmed, so a run can be resumed. No widgets: the
// command-line tool and the program's Fleet Write window share this.

#include "app/json_reader.h"
#include "image/band_limits.h"
#include "image/radio_image.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace config::fleet {

inline const QString kRadioColumn = QStringLiteral("Radio");
inline const QString kPortColumn = QStringLiteral("Port");

// The self IDs a fleet must not share.
inline const QStringList kUniquePaths{QStringLiteral("dtmf.selfId"), QStringLiteral("fiveTone.selfId")};

struct RosterRow {
    int line = 0;         // the row's line in the file (the header is line 1)
    QString radio;
    QString port;         // empty: the run's own port
    QStringList values;   // one per value column, as written (empty: the master's)
};

struct Roster {
    QString name;          // the file's name, which problem lines start with
    QStringList paths;     // the value columns, in the file's order
    QList<RosterRow> rows;
};

// Reads roster text. The header line decides the separator (commas, else semicolons, else
// tabs): the one that gives a "Radio" column. Problems with the file as a whole (no Radio
// column, a column that names no value) go to `problems`.
Roster parseRoster(const QString& text, const QString& name, QStringList& problems);
// The same from a file (UTF-8, UTF-16 with a byte-order mark or Latin-1).
Roster readRoster(const QString& path, QStringList& problems);

// A row's values as a configuration document, {"dtmf":{"selfId":"123"}}, applied as it stands.
app::json::Value rowDocument(const Roster& roster, const RosterRow& row);

// What a row writes: the master with the row's values applied.
struct PreparedRadio {
    int row = 0;  // index into Roster::rows
    QString radio;
    QString port;
    image::RadioImage image;
};

struct RosterCheck {
    QStringList problems;  // nothing may be written while there is one
    std::vector<PreparedRadio> radios;  // one per row, in roster order, when there is no problem
    bool ok() const { return problems.isEmpty(); }
};

// Checks every row: a Radio label (present, unique), a port (the row's or `defaultPort`),
// every value as the configuration document's checks take it (strictly: a value the checks
// would take only with a change is refused, as a radio's ID must be exact), and self IDs
// unique across rows. Problem lines read `ROSTER.csv row 3 (Radio A-12): dtmf.selfId: "12A": reason`.
RosterCheck checkRoster(const Roster& roster, const image::RadioImage& master, const QString& defaultPort,
                        const QString& modelName);

// The log: time, Radio, port, the roster's value columns, result, exit code, backup file and
// message, one line per radio programmed (or tried).
inline const QString kDone = QStringLiteral("done");
inline const QString kFailed = QStringLiteral("failed");

struct LogEntry {
    QDateTime time;
    QString radio;
    QString port;
    QStringList values;
    bool done = false;
    int exitCode = 0;
    QString backupFile;
    QString message;
};

QString logHeader(const Roster& roster);
QString logLine(const LogEntry& entry);

// Appends one line to the log, writing the header first into a new or empty file. An
// existing log with other columns is refused (its lines would not line up). Empty on
// success, else why.
QString appendLog(const QString& path, const Roster& roster, const LogEntry& entry);
// Whether the log at `path` can take this roster's lines; empty when it can.
QString logProblem(const QString& path, const Roster& roster);
// The Radio labels the log shows as done.
QSet<QString> doneRadios(const QString& path);

// What a port name stands for: "COM1" and the device it names are one cable, so radios
// given either wait for each other when written side by side.
QString portKey(const QString& port);

// The exit codes the log records, the command-line tool's own.
enum Code : int {
    kCodeDone = 0,
    kCodePort = 3,
    kCodeNoAnswer = 4,
    kCodePassword = 5,
    kCodeRadioLocked = 6,
    kCodeCancelled = 7,
    kCodeVerify = 8,
    kCodeRoster = 10,
};

} // namespace config::fleet
