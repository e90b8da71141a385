// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the radio link shows, exactly as the program has always shown them
// (spellings included), plus the code that revives a killed or stunned radio. They stay
// English here, for the command line and the logs; the windows show them through shown().

#include "app/translated_text.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace radiolink::text {

// The texts made here and in write_runner.h and write_verify.h read in the user's language
// in the windows (see app/translated_text.h).
inline constexpr char kContext[] = "radiolink::text";
using Text = app::TranslatedText<kContext>;

// A message of the link in the user's language: each of its lines that is one of the texts
// below is translated, the others (port names, the system's reasons) stay as they are.
inline QString shown(const QString& message) {
    QStringList lines = message.split(u'\n');
    for (QString& line : lines) line = QCoreApplication::translate("radiolink::text", line.toUtf8().constData());
    return lines.join(u'\n');
}

inline const QString kCannotOpenPort = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text", "Coun`t open the port"));
// The lines after it: which port, the system's reason, and on Linux the usual cause.
inline const QString kPortFailure = QStringLiteral("%1: %2");
inline const QString kPortWithDevice = QStringLiteral("%1 (%2)");
inline const QString kNoSuchPort = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text", "no serial port on this computer stands for this name"));
inline const QString kPortHintNoPermission = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text",
    "Your user may not use serial ports: add it to the \"dialout\" group (sudo adduser $USER dialout), "
    "then log out and in again."));
inline const QString kPortHintInUse = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text",
    "Another program holds the port, such as a modem manager that probes new USB serial devices: "
    "close that program and try again."));
inline const QString kPortHintAbsent = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text",
    "The port is missing: plug the programming cable in and choose its port under Setting > Port."));
inline const QString kCheckConnection = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text", "Check connection, Retry or Cancel"));
inline const QString kRadioKilled = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text", "Radio is killed!"));
inline const QString kRadioStunned = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text", "Radio is fainted!"));
inline const QString kPasswordError = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text", "Password error"));
inline const QString kReadCompleted = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text", "Read data compeleted"));
inline const QString kWriteCompleted = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text", "Write data compeleted"));
inline const QString kReadTitle = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text", "Read data from radio"));
inline const QString kWriteTitle = QString::fromUtf8(QT_TRANSLATE_NOOP("radiolink::text", "Write data to radio"));
inline const QString kInitialPercent = QStringLiteral("0%");

// Asked before a write would carry a killed or stunned state into a normal radio.
inline constexpr Text kImageStateKilled{QT_TRANSLATE_NOOP("radiolink::text", "killed")};
inline constexpr Text kImageStateStunned{QT_TRANSLATE_NOOP("radiolink::text", "stunned")};
inline constexpr Text kImageStateQuestion{QT_TRANSLATE_NOOP("radiolink::text", "This data marks the radio as %1 (state byte 0x0227 = %2), but the radio reports itself normal.\n"
    "Writing it will disable this radio.\n\nWrite the %1 state into the radio?")};

// The transfer log's line when the radio's answers cannot be checked (see the engine).
inline constexpr Text kAnswersUnchecked{QT_TRANSLATE_NOOP("radiolink::text", "the radio's answer to the password probe does not repeat the request's address (bytes 1-3: %1): "
    "its answers are taken by their length only, without checking which block they belong to")};

// Accepted without regard to letter case.
inline const QString kReviveCode = QStringLiteral("KTR580");

// The reserved port name of the built-in simulated radio.
inline const QString kSimulatorPortName = QStringLiteral("SIMULATOR");

} // namespace radiolink::text
