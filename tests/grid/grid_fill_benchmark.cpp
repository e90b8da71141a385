// SPDX-License-Identifier: GPL-3.0-or-later
// Times what the channel list does on every load: all texts of a 204 x 10 grid, shown on screen.
// Run it by hand; it is not a test.

#include "grid/grid_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    grid::GridView view;
    view.setRowCount(204);
    view.setColumnCount(10);
    view.resize(900, 700);
    view.show();
    QApplication::processEvents();

    QTextStream out(stdout);
    constexpr int kRounds = 5;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int row = 1; row < view.rowCount(); ++row)
            for (int column = 0; column < view.columnCount(); ++column)
                view.setText(row, column, QStringLiteral("%1.%2").arg(row + round).arg(column));
        const qint64 fillNs = timer.nsecsElapsed();
        QApplication::processEvents();   // the repaint the fill scheduled
        const qint64 totalNs = timer.nsecsElapsed();
        out << "round " << round + 1 << ": fill " << fillNs / 1000 << " us, with repaint "
            << totalNs / 1000 << " us\n";
    }
    return 0;
}
