// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_names.h"
#include "link/port_provider.h"

#include <gtest/gtest.h>

using namespace radiolink;

namespace {

TEST(PortNames, ShortFormUpToNineDeviceNamespaceFromTen) {
    const struct { int number; const char* name; } cases[] = {
        {1, "COM1"}, {9, "COM9"}, {10, "\\\\.\\COM10"}, {12, "\\\\.\\COM12"}, {16, "\\\\.\\COM16"},
    };
    for (const auto& c : cases) EXPECT_EQ(portName(c.number), QString::fromLatin1(c.name));
}

TEST(PortNames, ScanTakesTheNumberAfterTheFirstM) {
    const struct { const char* name; std::optional<int> number; } cases[] = {
        {"COM1", 1},
        {"COM12", 12},
        {"\\\\.\\COM12", 12},
        {"\\\\.\\COM10", 10},
        {"COM17", 17},
        {"COM3x", 3},          // trailing text is ignored
        {"COM 4", 4},          // %d skips blanks
        {"COM-2", -2},         // and takes a sign
        {"COMX", std::nullopt},
        {"COM", std::nullopt},
        {"", std::nullopt},
        {"M5", std::nullopt},  // %*[^M] needs at least one character before the M
        {"/dev/ttyUSB0", std::nullopt},
        {"SIMULATOR", std::nullopt},
        {"COM99999999999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(scanPortNumber(QString::fromLatin1(c.name)), c.number) << c.name;
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(scanPortNumber(portName(n)), n);
}

QList<PortEntry> fakePorts() {
    return {
        {"/dev/ttyS1", "built-in", "", false},
        {"/dev/ttyUSB1", "USB serial", "maker", true},
        {"/dev/ttyS0", "built-in", "", false},
        {"/dev/ttyACM0", "USB modem", "maker", true},
    };
}

TEST(PortNames, ComNumbersCountUsbAdaptersFirstThenByDevice) {
    const QList<ListedPort> listed = listPorts(fakePorts);
    ASSERT_EQ(listed.size(), 4);
    const struct { const char* name; const char* device; } expected[] = {
        {"COM1", "/dev/ttyACM0"}, {"COM2", "/dev/ttyUSB1"}, {"COM3", "/dev/ttyS0"}, {"COM4", "/dev/ttyS1"},
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(listed[i].name, QString::fromLatin1(expected[i].name));
        EXPECT_EQ(listed[i].entry.device, QString::fromLatin1(expected[i].device));
    }
}

TEST(PortNames, NamesResolveToDevices) {
    QList<PortEntry> many;
    for (int i = 0; i < 12; ++i) many.append({QStringLiteral("/dev/ttyUSB%1").arg(i, 2, 10, QChar(u'0')), "", "", true});
    const PortCatalog catalog = [&] { return many; };
    using Kind = PortTarget::Kind;
    const struct { const char* name; Kind kind; const char* device; } cases[] = {
        {"COM1", Kind::Device, "/dev/ttyUSB00"},
        {"com2", Kind::Device, "/dev/ttyUSB01"},
        {"\\\\.\\COM10", Kind::Device, "/dev/ttyUSB09"},  // port 10 in its device form
        {"\\\\.\\COM12", Kind::Device, "/dev/ttyUSB11"},
        {"COM12", Kind::Device, "/dev/ttyUSB11"},
        {"COM13", Kind::Missing, ""},
        {"COM0", Kind::Missing, ""},
        {"", Kind::Missing, ""},
        {"/dev/ttyUSB0", Kind::Device, "/dev/ttyUSB0"},
        {"SIMULATOR", Kind::Simulator, ""},
    };
    for (const auto& c : cases) {
        const PortTarget target = resolvePortName(QString::fromLatin1(c.name), catalog);
        EXPECT_EQ(target.kind, c.kind) << c.name;
        EXPECT_EQ(target.device, QString::fromLatin1(c.device)) << c.name;
    }
}

TEST(PortNames, ProbeTellsWhyAPortIsUnavailable) {
    PortProvider ports([] { return QList<PortEntry>{{"/dev/qmr-no-such-port", "", "", true}}; });
    EXPECT_EQ(ports.probe(QStringLiteral("SIMULATOR")), OpenStatus::Opened);
    EXPECT_EQ(ports.probe(QStringLiteral("COM2")), OpenStatus::Absent);   // beyond the list
    EXPECT_EQ(ports.probe(QStringLiteral("COM1")), OpenStatus::Absent);   // listed, but gone
    EXPECT_EQ(ports.probe(QStringLiteral("")), OpenStatus::Absent);
}

} // namespace
