// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the radio link shows, exactly as the program has always shown them
// (spellings included), plus the code that revives a killed or stunned radio.

#include <QString>

namespace radiolink::text {

inline const QString kCannotOpenPort = QStringLiteral("Coun`t open the port");
// The lines after it: which port, the system's reason, and on Linux the usual cause.
inline const QString kPortFailure = QStringLiteral("%1: %2");
inline const QString kPortWithDevice = QStringLiteral("%1 (%2)");
inline const QString kNoSuchPort = QStringLiteral("no serial port on this computer stands for this name");
inline const QString kPortHintNoPermission = QStringLiteral(
    "Your user may not use serial ports: add it to the \"dialout\" group (sudo adduser $USER dialout), "
    "then log out and in again.");
inline const QString kPortHintInUse = QStringLiteral(
    "Another program holds the port, such as a modem manager that probes new USB serial devices: "
    "close that program and try again.");
inline const QString kPortHintAbsent = QStringLiteral(
    "The port is missing: plug the programming cable in and choose its port under Setting > Port.");
inline const QString kCheckConnection = QStringLiteral("Check connection, Retry or Cancel");
inline const QString kRadioKilled = QStringLiteral("Radio is killed!");
inline const QString kRadioStunned = QStringLiteral("Radio is fainted!");
inline const QString kPasswordError = QStringLiteral("Password error");
inline const QString kReadCompleted = QStringLiteral("Read data compeleted");
inline const QString kWriteCompleted = QStringLiteral("Write data compeleted");
inline const QString kReadTitle = QStringLiteral("Read data from radio");
inline const QString kWriteTitle = QStringLiteral("Write data to radio");
inline const QString kInitialPercent = QStringLiteral("0%");

// Asked before a write would carry a killed or stunned state into a normal radio.
inline const QString kImageStateKilled = QStringLiteral("killed");
inline const QString kImageStateStunned = QStringLiteral("stunned");
inline const QString kImageStateQuestion = QStringLiteral(
    "This data marks the radio as %1 (state byte 0x0227 = %2), but the radio reports itself normal.\n"
    "Writing it will disable this radio.\n\nWrite the %1 state into the radio?");

// The transfer log's line when the radio's answers cannot be checked (see the engine).
inline const QString kAnswersUnchecked = QStringLiteral(
    "the radio's answer to the password probe does not repeat the request's address (bytes 1-3: %1): "
    "its answers are taken by their length only, without checking which block they belong to");

// Accepted without regard to letter case.
inline const QString kReviveCode = QStringLiteral("KTR580");

// The reserved port name of the built-in simulated radio.
inline const QString kSimulatorPortName = QStringLiteral("SIMULATOR");

} // namespace radiolink::text
