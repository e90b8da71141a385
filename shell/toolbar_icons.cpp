// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolbar_icons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPalette>
#include <QPainter>
#include <QPainterPath>

namespace shell {

namespace {

// All drawings use a 16 x 16 unit square; the painter scales it to the requested size.
constexpr qreal kUnits = 16.0;

const QColor kPaper(250, 250, 250);
const QColor kFolder(230, 180, 60);
const QColor kDisk(60, 100, 170);
const QColor kRadio(70, 70, 80);
const QColor kArrow(40, 150, 60);
const QColor kInfo(40, 110, 200);

void drawArrow(QPainter& p, QPointF from, QPointF to) {
    p.setPen(QPen(kArrow, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const qreal dir = to.y() > from.y() ? -1.0 : 1.0;
    p.drawLine(to, to + QPointF(-2.5, 2.5 * dir));
    p.drawLine(to, to + QPointF(2.5, 2.5 * dir));
}

void drawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(3, 1.5);
    page.lineTo(10, 1.5);
    page.lineTo(13, 4.5);
    page.lineTo(13, 14.5);
    page.lineTo(3, 14.5);
    page.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({{10, 1.5}, {10, 4.5}, {13, 4.5}}));
}

void drawFolder(QPainter& p) {
    p.setBrush(kFolder.darker(115));
    p.drawRect(QRectF(1.5, 3.5, 12, 10));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF({{3.5, 6.5}, {15, 6.5}, {13, 13.5}, {1.5, 13.5}}));
}

void drawDisk(QPainter& p) {
    p.setBrush(kDisk);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.drawRect(QRectF(3.5, 9, 9, 5.5));
}

// A hand-held radio with its antenna, on the left half; an arrow beside it.
void drawRadio(QPainter& p) {
    p.setBrush(kRadio);
    p.drawRoundedRect(QRectF(2, 5, 6, 10), 1, 1);
    p.drawLine(QPointF(6.5, 5), QPointF(6.5, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3, 6.5, 4, 2.5));
}

void drawPlug(QPainter& p) {
    p.setBrush(kRadio);
    p.drawRoundedRect(QRectF(2, 5, 10, 6), 1, 1);
    p.drawLine(QPointF(12, 8), QPointF(15, 8));
    p.setBrush(kPaper);
    for (qreal x : {4.0, 6.5, 9.0}) p.drawEllipse(QPointF(x, 8), 0.8, 0.8);
}

void drawPrinter(QPainter& p) {
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(kRadio.lighter(160));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(4, 10.5, 8, 4));
}

void drawInfo(QPainter& p) {
    p.setBrush(kInfo);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(kPaper, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 7.5), QPointF(8, 11.5));
    p.drawPoint(QPointF(8, 4.8));
}

// The program's own icon: a hand-held radio standing upright, antenna and knob on top, a
// display and a keypad on its face.
// The program's icon. desktop/qmr417.svg is the same drawing for the desktop's menus: change both.
void drawHandheld(QPainter& p) {
    p.setPen(QPen(Qt::black, 0.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kRadio);
    p.drawRoundedRect(QRectF(9.2, 0.6, 1.6, 5), 0.7, 0.7);   // antenna
    p.drawRect(QRectF(5.2, 2.6, 1.8, 2));                   // knob
    p.drawRoundedRect(QRectF(3.8, 4.2, 8.4, 11.3), 1.4, 1.4);
    p.setBrush(QColor(150, 210, 160));
    p.drawRect(QRectF(5, 5.6, 6, 3.2));                      // display
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            p.drawEllipse(QPointF(6 + column * 2, 10.4 + row * 1.7), 0.55, 0.55);
}

// The outlines take the desktop's text colour: black on a light toolbar, light on a dark one,
// where black lines around the dark radio would vanish.
void drawIcon(QPainter& p, ToolbarIcon which) {
    p.setPen(QPen(QGuiApplication::palette().color(QPalette::WindowText), 0.8, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    switch (which) {
    case ToolbarIcon::New: drawPage(p); break;
    case ToolbarIcon::Open: drawFolder(p); break;
    case ToolbarIcon::Save: drawDisk(p); break;
    case ToolbarIcon::Read:  // from the radio into the program
        drawRadio(p);
        drawArrow(p, {12, 3}, {12, 13});
        break;
    case ToolbarIcon::Write:  // from the program into the radio
        drawRadio(p);
        drawArrow(p, {12, 13}, {12, 3});
        break;
    case ToolbarIcon::Port: drawPlug(p); break;
    case ToolbarIcon::Print: drawPrinter(p); break;
    case ToolbarIcon::About: drawInfo(p); break;
    }
}

class PaintedIconEngine : public QIconEngine {
public:
    explicit PaintedIconEngine(ToolbarIcon which) : m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / kUnits, rect.height() / kUnits);
        if (mode == QIcon::Disabled) painter->setOpacity(0.35);
        drawIcon(*painter, m_which);
        painter->restore();
    }

    // Sizes arrive in device pixels, so drawing at exactly that size keeps the lines sharp.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(m_which); }

private:
    ToolbarIcon m_which;
};

} // namespace

QIcon toolbarIcon(ToolbarIcon which) { return QIcon(new PaintedIconEngine(which)); }

QIcon applicationIcon() {
    // Fixed sizes, because window systems ask for icons by the sizes an icon lists.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / kUnits, size / kUnits);
        drawHandheld(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace shell
