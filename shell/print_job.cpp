#include "shell/print_job.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

namespace shell {

namespace {

const QString kFontFace = QStringLiteral("Times New Roman");
constexpr int kFontPoints = 12;
const QString kMeasureText = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ");
constexpr int kMeasureLength = 52;
constexpr int kBodyGap = 40;      // between header band and body
constexpr int kFooterLift = 30;   // footer band above the page bottom
constexpr int kBodyReserve = 100; // besides three character heights for header and footer
const QString kPairMarker = QStringLiteral("^^");

// Device-unit measures of one job.
struct PageMetrics {
    int lineHeight = 0;
    int charWidth = 0;
    int charHeight = 0;
    int pageWidth = 0;
    int pageHeight = 0;
    int bodyHeight = 0;
};

PageMetrics measure(const QFont& font, const QPaintDevice& device) {
    const QFontMetrics fm(font, &device);
    PageMetrics m;
    m.lineHeight = fm.height() + fm.leading();
    m.charWidth = fm.horizontalAdvance(kMeasureText.left(kMeasureLength)) / kMeasureLength;
    m.charHeight = fm.height();
    m.pageWidth = device.width();
    m.pageHeight = device.height();
    m.bodyHeight = m.pageHeight - (3 * m.charHeight + kBodyReserve);
    return m;
}

// The index of the first line of each page.
QList<int> paginate(const QStringList& lines, const PageMetrics& m) {
    QList<int> starts{0};
    int used = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (used + m.lineHeight > m.bodyHeight && used > 0) {
            starts.append(i);
            used = 0;
        }
        used += m.lineHeight;
    }
    return starts;
}

QFont boldCopy(const QFont& font) {
    QFont bold = font;
    bold.setWeight(QFont::Bold);
    return bold;
}

void drawHeader(QPainter& p, const QRect& band, const QString& name) {
    p.save();
    p.setFont(boldCopy(p.font()));
    p.drawText(band, Qt::AlignCenter | Qt::TextSingleLine, name);
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(band.bottomLeft(), band.bottomRight());
    p.restore();
}

void drawFooter(QPainter& p, QRect band, int page, int pages, int charHeight) {
    p.save();
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(band.topLeft(), band.topRight());
    band.translate(0, charHeight / 2);
    p.setFont(boldCopy(p.font()));
    p.drawText(band, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, printFooterText(page, pages));
    p.restore();
}

// A line of "label: value^^" pairs: labels right-aligned in a sixth of the band, values
// beside them, three pairs to a line. Text after the last marker is not drawn.
void drawPairs(QPainter& p, const QRect& band, const QString& line) {
    const int sixth = band.width() / 6;
    const QStringList pieces = line.split(kPairMarker);
    for (int i = 0; i + 1 < pieces.size(); ++i) {
        const QString& piece = pieces[i];
        const qsizetype colon = piece.indexOf(u':');
        const QString label = colon < 0 ? piece : piece.left(colon + 1);
        const QString value = colon < 0 ? QString() : piece.mid(colon + 1);
        const int left = band.left() + i * 2 * sixth;
        p.drawText(QRect(left, band.top(), sixth, band.height()), Qt::AlignRight | Qt::AlignVCenter, label);
        p.drawText(QRect(left + sixth + 20, band.top(), sixth - 20, band.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   value);
    }
}

void drawBody(QPainter& p, const QStringList& lines, int first, int end, const PageMetrics& m, int width) {
    int top = 0;
    for (int i = first; i < end; ++i) {
        const QRect band(0, top, width, m.lineHeight);
        if (lines[i].contains(kPairMarker))
            drawPairs(p, band, lines[i]);
        else
            p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs, lines[i]);
        top += m.lineHeight;
    }
}

void drawPage(QPainter& p, const PageMetrics& m, const QString& name, const QStringList& lines, int first, int end,
              int page, int pages) {
    p.save();
    p.translate(4 * m.charWidth, 0);
    const QRect header(0, 0, m.pageWidth - 8 * m.charWidth, 2 * m.charHeight);
    drawHeader(p, header, name);
    p.save();
    p.translate(0, 2 * m.charHeight + kBodyGap);
    drawBody(p, lines, first, end, m, header.width());
    p.restore();
    const QRect footer(0, m.pageHeight - m.charHeight - kFooterLift, header.width(), m.charHeight);
    drawFooter(p, footer, page, pages, m.charHeight);
    p.restore();
}

} // namespace

QString printDocumentName(const app::AppConfig& config) {
    const QString name = config.currentFileName.isEmpty() ? config.defaultDataFileName : config.currentFileName;
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? QString() : name.left(dot);
}

QString printFooterText(int page, int pages) { return QStringLiteral("-- Page %1 of %2 --").arg(page).arg(pages); }

bool printDocument(QPagedPaintDevice& device, const QString& documentName, const QStringList& lines) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    QFont font(kFontFace);
    font.setPointSize(kFontPoints);
    painter.setFont(font);
    const PageMetrics m = measure(painter.font(), device);
    const QList<int> starts = paginate(lines, m);
    const int pages = int(starts.size());
    for (int page = 1; page <= pages; ++page) {
        if (page > 1 && !device.newPage()) {
            // A printer drops the pages it holds rather than print half a configuration.
            if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->abort();
            painter.end();
            return false;
        }
        const int first = starts[page - 1];
        const int end = page < pages ? starts[page] : int(lines.size());
        drawPage(painter, m, documentName, lines, first, end, page, pages);
    }
    return painter.end();
}

} // namespace shell
