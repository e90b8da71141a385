#pragma once
// The texts the radio link shows, exactly as the program has always shown them
// (spellings included), plus the code that revives a killed or stunned radio.

#include <QString>

namespace radiolink::text {

inline const QString kCannotOpenPort = QStringLiteral("Coun`t open the port");
inline const QString kCheckConnection = QStringLiteral("Check connection, Retry or Cancel");
inline const QString kRadioKilled = QStringLiteral("Radio is killed!");
inline const QString kRadioStunned = QStringLiteral("Radio is fainted!");
inline const QString kPasswordError = QStringLiteral("Password error");
inline const QString kReadCompleted = QStringLiteral("Read data compeleted");
inline const QString kWriteCompleted = QStringLiteral("Write data compeleted");
inline const QString kReadTitle = QStringLiteral("Read data from radio");
inline const QString kWriteTitle = QStringLiteral("Write data to radio");
inline const QString kInitialPercent = QStringLiteral("0%");

// Accepted without regard to letter case.
inline const QString kReviveCode = QStringLiteral("KTR580");

// The reserved port name of the built-in simulated radio.
inline const QString kSimulatorPortName = QStringLiteral("SIMULATOR");

} // namespace radiolink::text
