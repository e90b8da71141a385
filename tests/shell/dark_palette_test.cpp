// SPDX-License-Identifier: GPL-3.0-or-later
// A dark desktop: under a dark palette every text the program draws keeps its contrast: the
// channel list's cells and headers, the status bar's band indicator and the help page.

#include "shell_fixture.h"

#include "channels/channel_record.h"
#include "default_image.h"
#include "grid/grid_view.h"
#include "shell/help_window.h"
#include "shell/main_frame.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace shelltest;

namespace {

// The relative luminance and contrast ratio of the web's accessibility guidelines.
double luminance(QColor colour) {
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How far what is drawn in `area` stands out from its background (the most frequent colour).
double drawnContrast(QWidget* widget, const QRect& area) {
    const QImage image = widget->grab().toImage();
    std::map<QRgb, int> counts;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y)];
    if (counts.empty()) return 0;
    const QColor background =
        std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
    double best = 1;
    for (const auto& [rgb, count] : counts) best = std::max(best, contrast(QColor(rgb), background));
    return best;
}

// A dark desktop for the length of a test: the Fusion style with a dark palette.
class DarkDesktop {
public:
    DarkDesktop() : m_style(QApplication::style()->name()), m_palette(QApplication::palette()) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette dark(QColor(53, 53, 53));  // window and button; texts and the rest follow
        dark.setColor(QPalette::Base, QColor(35, 35, 35));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        QApplication::setPalette(dark);
    }
    ~DarkDesktop() {
        QApplication::setStyle(QStyleFactory::create(m_style));
        QApplication::setPalette(m_palette);
    }

private:
    QString m_style;
    QPalette m_palette;
};

constexpr double kReadable = 4.5;  // the guidelines' minimum for text

} // namespace

TEST(DarkPaletteTest, ListStatusBarAndHelpTextsKeepTheirContrast) {
    const DarkDesktop dark;
    AppDir dir;
    image::RadioImage img = defaultdat::defaultImage();  // one channel: texts in its cells
    channels::channelClear(img, channels::kFirstSlot);
    channels::setUsageBit(img, channels::kFirstSlot, false);
    channels::ChannelRecord(img, channels::kFirstSlot).writeRxTx(image::Freq10Hz(14500000), image::Freq10Hz(14500000));
    dir.writeDefaultDat(img);
    app::AppState state;
    state.config = app::startupConfig(dir.exePath());
    ScriptedPrompts prompts;
    shell::BuiltInHelp help;
    FakeLink link;
    shell::CMainFrame frame(state, prompts, help, shell::programEditors(), link.services());
    help.setWindowParent(&frame);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));

    auto* grid = frame.findChild<grid::GridView*>();
    const QModelIndex txCell = grid->model()->index(0, 1);  // not the current cell, with its frame
    EXPECT_GE(drawnContrast(grid->viewport(), grid->visualRect(txCell)), kReadable) << "a cell's text";
    QHeaderView* columns = grid->horizontalHeader();
    EXPECT_GE(drawnContrast(columns, QRect(columns->sectionViewportPosition(1), 0, columns->sectionSize(1),
                                           columns->height())),
              kReadable)
        << "a column header";
    QHeaderView* labels = grid->verticalHeader();
    EXPECT_GE(drawnContrast(labels, QRect(0, labels->sectionViewportPosition(0), labels->width(),
                                          labels->sectionSize(0))),
              kReadable)
        << "a channel label";
    auto* band = frame.findChild<QLabel*>(QStringLiteral("freqPane"));
    EXPECT_GE(drawnContrast(band, band->rect()), kReadable) << "the band indicator";

    help.showContext(shell::kChannelListHelp);
    auto* page = help.window()->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help.window()));
    EXPECT_GE(drawnContrast(page->viewport(), page->viewport()->rect()), kReadable) << "the help page";
}
