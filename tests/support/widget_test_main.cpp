// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// One QApplication for the whole run. ctest sets QT_QPA_PLATFORM=offscreen for the tests, but
// test discovery and a plain command-line run do not, and a machine without a display would
// abort there; so the tests stay headless unless the caller picks a platform.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    ::testing::InitGoogleTest(&argc, argv);
    // Per-user settings (the recent-file list) go to a folder of this run, never the user's own.
    const QTemporaryDir userConfig;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(userConfig.path()));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
