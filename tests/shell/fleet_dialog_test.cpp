// SPDX-License-Identifier: GPL-3.0-or-later
// Fleet Write as a user runs it: a roster imported from CSV, Start, each radio written with
// its own row's values and logged; a resumed run writes nothing, and a roster with a shared
// self ID writes nothing at all.

#include "shell_fixture.h"

#include "default_image.h"
#include "settings/function_setup.h"
#include "shell/fleet_dialog.h"
#include "config/roster.h"
#include "signalling/dtmf_codes.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace shelltest;

namespace {

// A document's objects and texts as compact JSON, to compare with what a row says.
QString compact(const app::json::Value& value) {
    if (!value.isObject()) return app::json::quoted(value.text);
    QStringList members;
    for (const app::json::Member& m : value.members) members << app::json::quoted(m.key) + u':' + compact(m.value);
    return u'{' + members.join(u',') + u'}';
}

constexpr int kRunMs = 60000;

QStringList logLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

QString stateOf(const QTableWidget& table, int row) { return table.item(row, table.columnCount() - 1)->text(); }

} // namespace

TEST(FleetDialogTest, EachRadioGetsItsOwnRowLoggedAndNothingTwiceOrWithASharedId) {
    AppDir dir;
    app::AppState state;
    state.config = app::startupConfig(dir.exePath());
    state.image = defaultdat::defaultImage();
    QFile roster(dir.file(QStringLiteral("fleet.csv")));
    ASSERT_TRUE(roster.open(QIODevice::WriteOnly));
    roster.write("Radio,dtmf.selfId,functionSetup.startingDisplay\nA-1,201,ONE\nA-2,202,TWO\n");
    roster.close();
    ScriptedPrompts prompts;
    FakeLink link;
    const shell::LinkServices services = link.services();
    shell::FleetDialog dialog(state, prompts, services);
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("roster"));
    auto* start = dialog.findChild<QPushButton*>(QStringLiteral("startButton"));
    dialog.findChild<QCheckBox*>(QStringLiteral("askEachBox"))->setChecked(false);
    dialog.show();

    ASSERT_TRUE(dialog.importRoster(roster.fileName()));
    EXPECT_EQ(dialog.logPath(), dir.file(QStringLiteral("fleet-log.csv")));
    ASSERT_EQ(table->rowCount(), 2);
    QSignalSpy finished(&dialog, &shell::FleetDialog::finished);
    QTest::mouseClick(start, Qt::LeftButton);
    ASSERT_TRUE(finished.wait(kRunMs));
    EXPECT_EQ(stateOf(*table, 0), shell::FleetDialog::kDone);
    EXPECT_EQ(stateOf(*table, 1), shell::FleetDialog::kDone);
    const QStringList log = logLines(dialog.logPath());
    ASSERT_EQ(log.size(), 3) << log.join(u'\n').toStdString();
    EXPECT_TRUE(log[1].contains(QStringLiteral(",A-1,COM3,201,ONE,done,0,"))) << log[1].toStdString();
    EXPECT_TRUE(log[2].endsWith(QStringLiteral(",A-2,COM3,202,TWO,done,0,") + log[2].section(u',', -2)));
    image::RadioImage expected = state.image;  // the last radio written: the master with its row
    signalling::dtmf::storeSelfId(expected, u"202");
    settings::function_setup::setStartingDisplay(expected, QStringLiteral("TWO"));
    EXPECT_TRUE(std::equal(expected.all().begin() + 0x100, expected.all().end(), link.radio.memory().all().begin() + 0x100));
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join(u'\n').toStdString();

    // Resumed: both done before, the radio untouched.
    link.radio.memory() = image::RadioImage();
    dialog.findChild<QCheckBox*>(QStringLiteral("resumeBox"))->setChecked(true);
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(finished.count(), 2) << "nothing to write ends the run at once";
    EXPECT_EQ(stateOf(*table, 0), shell::FleetDialog::kDoneBefore);
    EXPECT_EQ(stateOf(*table, 1), shell::FleetDialog::kDoneBefore);
    EXPECT_EQ(logLines(dialog.logPath()).size(), 3);

    // A new radio sharing A-1's self ID: named, and nothing written.
    table->setRowCount(3);
    table->setItem(2, 0, new QTableWidgetItem(QStringLiteral("A-3")));
    table->setItem(2, 2, new QTableWidgetItem(QStringLiteral("201")));
    EXPECT_FALSE(dialog.start());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(
        QStringLiteral("Roster row 3 (Radio A-3): dtmf.selfId: \"201\": also the self ID of row 1 (Radio A-1)")))
        << prompts.messages[0].toStdString();
    EXPECT_EQ(link.radio.memory(), image::RadioImage());
    EXPECT_EQ(logLines(dialog.logPath()).size(), 3);
}

// The roster as spreadsheets write it: any separator, quoted cells, blank lines; an empty cell
// keeps the master's value; what cannot be a roster is named once, with its row.
TEST(FleetRosterTest, ReadsWhatSpreadsheetsWriteAndNamesEveryProblem) {
    QStringList problems;
    const config::fleet::Roster roster = config::fleet::parseRoster(
        QStringLiteral("port;RADIO;dtmf.selfId;functionSetup.startingDisplay\r\n"
                       "COM2;A-1;201;\" UNIT;1\"\r\n\r\n;A-2;;\r\n"),
        QStringLiteral("r.csv"), problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    EXPECT_EQ(roster.paths, QStringList({"dtmf.selfId", "functionSetup.startingDisplay"}));
    ASSERT_EQ(roster.rows.size(), 2);
    EXPECT_EQ(roster.rows[0].port, "COM2");
    EXPECT_EQ(roster.rows[1].line, 4);
    EXPECT_EQ(compact(config::fleet::rowDocument(roster, roster.rows[0])),
              R"({"dtmf":{"selfId":"201"},"functionSetup":{"startingDisplay":" UNIT;1"}})");
    EXPECT_EQ(compact(config::fleet::rowDocument(roster, roster.rows[1])), "{}");

    const image::RadioImage master = defaultdat::defaultImage();
    const config::fleet::RosterCheck check = config::fleet::checkRoster(roster, master, QStringLiteral("COM1"), QStringLiteral("QMR-417"));
    ASSERT_TRUE(check.ok()) << check.problems.join(u'\n').toStdString();
    ASSERT_EQ(check.radios.size(), 2u);
    EXPECT_EQ(check.radios[0].port, "COM2");
    EXPECT_EQ(check.radios[1].port, "COM1");
    EXPECT_TRUE(check.radios[1].image == master) << "empty cells keep the master";

    const struct { const char* text; const char* problem; } bad[] = {
        {"Name,dtmf.selfId\nA,1\n", "r.csv: no \"Radio\" column in the header line"},
        {"Radio,dtmf\nA,1\n", "r.csv: column \"dtmf\" names no value"},
        {"Radio,Radio\nA,B\n", "r.csv: column \"Radio\" appears twice"},
        {"Radio,dtmf.selfId\nA,1,2\n", "r.csv row 2 (Radio A): 3 cells, the header has 2 columns"},
        {"Radio\n", "r.csv: no radios below the header line"},
    };
    for (const auto& b : bad) {
        QStringList found;
        config::fleet::parseRoster(QString::fromLatin1(b.text), QStringLiteral("r.csv"), found);
        EXPECT_TRUE(found.join(u'\n').startsWith(QString::fromLatin1(b.problem))) << b.text << "\n"
                                                                                 << found.join(u'\n').toStdString();
    }
    QStringList none;
    const config::fleet::Roster portless = config::fleet::parseRoster(QStringLiteral("Radio\nA\n"), QStringLiteral("r.csv"), none);
    EXPECT_EQ(config::fleet::checkRoster(portless, master, QString(), QStringLiteral("QMR-417")).problems,
              QStringList({"r.csv row 2 (Radio A): no Port, and no port given for the run"}));

    // A log kept for another roster is not mixed with this one's lines.
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("log.csv"));
    config::fleet::LogEntry entry{QDateTime::currentDateTime(), QStringLiteral("A-1"), QStringLiteral("COM2"), {"201", ""}, true};
    EXPECT_EQ(config::fleet::appendLog(log, roster, entry), QString());
    EXPECT_EQ(config::fleet::doneRadios(log), QSet<QString>({"A-1"}));
    EXPECT_FALSE(config::fleet::appendLog(log, portless, entry).isEmpty());
}
