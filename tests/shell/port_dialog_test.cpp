// SPDX-License-Identifier: GPL-3.0-or-later
// "Port Setting" against a fixed port list and a scripted probe.

#include "shell_fixture.h"

#include "link/port_names.h"
#include "app/app_config.h"
#include "shell/port_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace shelltest;

class PortDialogTest : public ::testing::Test {
protected:
    AppDir dir;
    app::AppConfig config = app::startupConfig(dir.exePath());  // port "COM3"
    FakeLink link;
    shell::LinkServices services = link.services();

    void SetUp() override {
        link.ports = {{"COM1", {"/dev/ttyUSB0", "USB serial", "maker", true}},
                      {"COM2", {"/dev/ttyS0", "builtin", "", false}}};
        for (int n = 1; n <= 16; ++n) link.openable.insert(radiolink::portName(n));
    }
    void confirm(shell::PortDialog& dialog) {
        dialog.findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok)->click();
    }
    int checkedNumber(const shell::PortDialog& dialog) {
        for (int n = 1; n <= 16; ++n)
            if (dialog.button(n)->isChecked()) return n;
        return 0;
    }
};

TEST_F(PortDialogTest, SixteenButtonsEnabledByProbeWithDevicesAndReasons) {
    link.openable.remove("COM2");
    link.openable.remove("\\\\.\\COM10");
    shell::PortDialog dialog(config, services);
    EXPECT_EQ(dialog.windowTitle(), "Port Setting");
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(dialog.button(n)->text(), QString("COM%1").arg(n));
    EXPECT_TRUE(dialog.button(1)->isEnabled());
    EXPECT_FALSE(dialog.button(2)->isEnabled());
    EXPECT_FALSE(dialog.button(10)->isEnabled());  // probed in the device-namespace form
    EXPECT_TRUE(dialog.button(2)->toolTip().contains("no serial port"));
    EXPECT_TRUE(dialog.button(1)->toolTip().isEmpty());
    EXPECT_EQ(dialog.findChild<QLabel*>("com1Device")->text(), "/dev/ttyUSB0");
    EXPECT_EQ(checkedNumber(dialog), 3);
}

TEST_F(PortDialogTest, ReasonsNameInUseAndMissingPermission) {
    EXPECT_TRUE(shell::PortDialog::unavailableReason("COM1", radiolink::OpenStatus::InUse).contains("in use"));
    const QString permission = shell::PortDialog::unavailableReason("COM1", radiolink::OpenStatus::NoPermission);
    EXPECT_TRUE(permission.contains("dialout"));
    EXPECT_TRUE(permission.contains("group"));
}

TEST_F(PortDialogTest, Com12IsStoredInTheDeviceNamespaceFormAndReselected) {
    {
        shell::PortDialog dialog(config, services);
        dialog.button(12)->setChecked(true);
        confirm(dialog);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(config.portName, "\\\\.\\COM12");
    EXPECT_EQ(dir.readIniValue("COM"), "\\\\.\\COM12");
    shell::PortDialog again(config, services);
    EXPECT_EQ(checkedNumber(again), 12);
}

TEST_F(PortDialogTest, ACurrentPortThatDoesNotOpenIsShownAndKept) {
    link.openable.remove("COM3");
    shell::PortDialog dialog(config, services);
    EXPECT_EQ(checkedNumber(dialog), 3);
    EXPECT_FALSE(dialog.button(3)->isEnabled());
    confirm(dialog);
    EXPECT_EQ(config.portName, "COM3");
    EXPECT_EQ(dir.readIniValue("COM"), "COM3");
}

TEST_F(PortDialogTest, APortWithoutAButtonShowsUnderOtherAndIsKept) {
    config.portName = "\\\\.\\COM20";
    shell::PortDialog dialog(config, services);
    EXPECT_EQ(checkedNumber(dialog), 0);
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("otherButton")->isChecked());
    // Shown as the user knows it, kept in the stored form.
    EXPECT_EQ(dialog.findChild<QComboBox*>("otherPorts")->currentText(), "COM20");
    confirm(dialog);
    EXPECT_EQ(config.portName, "\\\\.\\COM20");
}

// A pseudo-terminal (the radio simulator's, say) is typed as a path.
TEST_F(PortDialogTest, ATypedDevicePathBecomesThePortAndIsShownAgain) {
    {
        shell::PortDialog dialog(config, services);
        auto* others = dialog.findChild<QComboBox*>("otherPorts");
        QTest::keyClicks(others->lineEdit(), "/dev/pts/3");
        EXPECT_TRUE(dialog.findChild<QRadioButton*>("otherButton")->isChecked());
        confirm(dialog);
    }
    EXPECT_EQ(config.portName, "/dev/pts/3");
    EXPECT_EQ(dir.readIniValue("COM"), "/dev/pts/3");
    shell::PortDialog again(config, services);
    EXPECT_TRUE(again.findChild<QRadioButton*>("otherButton")->isChecked());
    EXPECT_EQ(again.findChild<QComboBox*>("otherPorts")->currentText(), "/dev/pts/3");
}

TEST_F(PortDialogTest, CancelChangesNothing) {
    shell::PortDialog dialog(config, services);
    dialog.button(5)->setChecked(true);
    dialog.reject();
    EXPECT_EQ(config.portName, "COM3");
}

TEST_F(PortDialogTest, SimulatorAndFurtherPortsCanBeChosenAndAreReselected) {
    for (int n = 3; n <= 18; ++n)  // 18 ports: the last two have no button
        link.ports.append({radiolink::portName(n), {QString("/dev/ttyS%1").arg(n), "builtin", "", false}});
    link.openable.insert("SIMULATOR");
    link.openable.insert("/dev/ttyS18");
    {
        shell::PortDialog dialog(config, services);
        auto* others = dialog.findChild<QComboBox*>("otherPorts");
        ASSERT_EQ(others->count(), 3);  // the simulator, /dev/ttyS17, /dev/ttyS18
        EXPECT_EQ(others->itemData(0).toString(), "SIMULATOR");
        EXPECT_FALSE(others->itemData(1, Qt::ToolTipRole).toString().isEmpty());  // ttyS17 does not open
        dialog.findChild<QRadioButton*>("otherButton")->setChecked(true);
        others->setCurrentIndex(2);
        confirm(dialog);
    }
    EXPECT_EQ(config.portName, "/dev/ttyS18");
    shell::PortDialog again(config, services);
    EXPECT_TRUE(again.findChild<QRadioButton*>("otherButton")->isChecked());
    EXPECT_EQ(again.findChild<QComboBox*>("otherPorts")->currentData().toString(), "/dev/ttyS18");
}

TEST_F(PortDialogTest, ExitWritesThePortBackUnlessItIsEmpty) {
    config.portName = "COM7";
    app::writePortAtExit(config);
    EXPECT_EQ(dir.readIniValue("COM"), "COM7");
    config.portName.clear();
    app::writePortAtExit(config);
    EXPECT_EQ(dir.readIniValue("COM"), "COM7");
}
