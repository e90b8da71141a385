// Fleet Write as a user runs it: a roster imported from CSV, Start, each radio written with
// its own row's values and logged; a resumed run writes nothing, and a roster with a shared
// self ID writes nothing at all.

#include "shell_fixture.h"

#include "default_image.h"
#include "settings/function_setup.h"
#include "shell/fleet_dialog.h"
#include "signalling/dtmf_codes.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace shelltest;

namespace {

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
