// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/print_document.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <functional>
#include <numeric>

namespace config {

namespace {

// Sizes in points and millimetres; the device's resolution turns them into its own units.
constexpr qreal kBodyPoints = 9;
constexpr qreal kTablePoints = 8.5;
constexpr qreal kNotePoints = 7.5;
constexpr qreal kSectionPoints = 11;
constexpr qreal kHeadingPoints = 15;
constexpr qreal kMarginMm = 12;       // around the page, the printer's own margin included
constexpr qreal kBandGapMm = 3;       // between header or footer and the body
constexpr qreal kSectionGapMm = 6;    // above each section title
constexpr qreal kBlockGapMm = 2.5;    // between a section's runs of fields and its tables
constexpr qreal kColumnGapMm = 8;     // between two columns of pairs
constexpr qreal kLabelGapMm = 3;      // between a label and its value
constexpr qreal kCellPadMm = 1.2;     // inside a table cell, left and right
constexpr qreal kRowPadMm = 0.6;      // above and below a table row's text
constexpr qreal kLabelShare = 0.6;    // a label column takes at most this part of its column
const QColor kLabelColour(0x44, 0x44, 0x44);
const QColor kRuleColour(0xBB, 0xBB, 0xBB);
const QColor kHeaderShade(0xE4, 0xE4, 0xE4);
const QColor kStripeShade(0xF3, 0xF3, 0xF3);

// A sans-serif face on every system; the first one installed is used.
QFont sansFont(qreal points, QFont::Weight weight = QFont::Normal, bool italic = false) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    // No ligatures: "Off" stays three letters for whoever searches or copies the PDF's text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPointSizeF(points);
    font.setWeight(weight);
    font.setItalic(italic);
    return font;
}

// One font as the device measures it.
struct Face {
    QFont font;
    QFontMetricsF metrics;
    Face(const QFont& f, QPaintDevice& device) : font(f), metrics(f, &device) {}
    qreal line() const { return metrics.lineSpacing(); }
};

struct Faces {
    Face body, bold, table, tableBold, note, section, heading;
    explicit Faces(QPaintDevice& d)
        : body(sansFont(kBodyPoints), d), bold(sansFont(kBodyPoints, QFont::Bold), d),
          table(sansFont(kTablePoints), d), tableBold(sansFont(kTablePoints, QFont::Bold), d),
          note(sansFont(kNotePoints, QFont::Normal, true), d), section(sansFont(kSectionPoints, QFont::Bold), d),
          heading(sansFont(kHeadingPoints, QFont::Bold), d) {}
};

// A word wider than the room alone is broken between characters.
void breakWord(const QFontMetricsF& fm, const QString& word, qreal width, QStringList& lines) {
    QString piece;
    for (const QChar c : word) {
        if (!piece.isEmpty() && fm.horizontalAdvance(piece + c) > width) {
            lines.append(piece);
            piece.clear();
        }
        piece += c;
    }
    lines.append(piece);
}

// Room measured as the widest text it was made for holds that text: a column's edges are sums
// of widths, a hair off the width itself.
constexpr qreal kFitTolerance = 0.5;  // of a device dot

// Where a text may wrap: at blanks, and in the program's own labels and headers also after a
// hyphen or slash between letters ("RX-" "Frequenz", "CTCSS/" "DCS"), which long compound
// words need. Values (names, codes, numbers) wrap at blanks only.
struct Piece {
    QString text;
    bool afterBlank;
};

QList<Piece> pieces(const QString& text, bool atHyphens) {
    QList<Piece> out;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        qsizetype start = 0;
        for (qsizetype i = 1; atHyphens && i + 1 < word.size(); ++i) {
            const bool joint = word[i] == u'-' || word[i] == u'/';
            if (joint && word[i - 1].isLetter() && word[i + 1].isLetter()) {
                out.append({word.mid(start, i + 1 - start), start == 0});
                start = i + 1;
            }
        }
        out.append({word.mid(start), start == 0});
    }
    return out;
}

// `text` in lines no wider than `width`, broken where it may wrap.
QStringList wrapped(const QFontMetricsF& fm, const QString& text, qreal room, bool atHyphens = false) {
    const qreal width = room + kFitTolerance;
    if (fm.horizontalAdvance(text) <= width) return {text};
    QStringList lines;
    QString line;
    for (const Piece& piece : pieces(text, atHyphens)) {
        const QString joint = piece.afterBlank ? QStringLiteral(" ") : QString();
        const QString joined = line.isEmpty() ? piece.text : line + joint + piece.text;
        if (fm.horizontalAdvance(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.isEmpty()) lines.append(line);
        line.clear();
        if (fm.horizontalAdvance(piece.text) <= width) {
            line = piece.text;
        } else {
            breakWord(fm, piece.text, width, lines);
            line = lines.takeLast();
        }
    }
    lines.append(line);
    return lines;
}

void drawLines(QPainter& p, const Face& face, const QStringList& lines, qreal x, qreal top) {
    p.setFont(face.font);
    for (qsizetype i = 0; i < lines.size(); ++i)
        p.drawText(QPointF(x, top + face.metrics.ascent() + qreal(i) * face.line()), lines[i]);
}

qreal widest(const Face& face, const QStringList& texts) {
    qreal width = 0;
    for (const QString& text : texts) width = std::max(width, face.metrics.horizontalAdvance(text));
    return width;
}

qreal longestWord(const Face& face, const QString& text, bool atHyphens = false) {
    QStringList texts;
    for (const Piece& piece : pieces(text, atHyphens)) texts.append(piece.text);
    return widest(face, texts);
}

// One piece of the body: the pages break between blocks only.
struct Block {
    qreal height = 0;
    bool keepWithNext = false;  // a title stays on the page of what follows it
    bool spacer = false;        // dropped at the top of a page
    int table = -1;             // a row of this table: a page starting with it repeats the table's header
    std::function<void(QPainter&, qreal top)> draw;
};

// A table's header row, repeated where its rows continue. A narrow table flows down several
// columns side by side (rows of one height), each headed by it.
struct TableHead {
    Block header;
    int columns = 1;
    qreal columnStep = 0;  // from one column's left edge to the next
};

constexpr int kMostFlowColumns = 3;

// What the blocks draw, each kept by value in its block.

// Lines of one face, with a rule under them where `ruleWidth` is set.
struct TextDraw {
    const Face* face;
    QStringList lines;
    qreal ruleWidth = 0;

    void operator()(QPainter& p, qreal top) const {
        drawLines(p, *face, lines, 0, top);
        if (ruleWidth <= 0) return;
        const qreal y = top + qreal(lines.size()) * face->line() + 1;
        p.setPen(QPen(Qt::black, 0));
        p.drawLine(QPointF(0, y), QPointF(ruleWidth, y));
    }
};

// The pairs of one column: labels share one width, values wrap beside them.
struct PairColumn {
    qreal x = 0;
    qreal labelWidth = 0;
    qreal valueWidth = 0;
    QList<QStringList> labels;
    QList<QStringList> values;
    QList<qreal> heights;
};

// A run of pairs in its columns, drawn one column after the other, so the left column reads
// (and a PDF's text follows) before the right; a light rule under each pair.
struct PairsDraw {
    const Face* face;
    QList<PairColumn> columns;
    qreal columnWidth;
    qreal labelGap;
    qreal rowPad;

    void operator()(QPainter& p, qreal top) const {
        for (const PairColumn& column : columns) {
            qreal y = top;
            for (qsizetype i = 0; i < column.labels.size(); ++i) {
                p.setPen(kLabelColour);
                drawLines(p, *face, column.labels[i], column.x, y + rowPad);
                p.setPen(Qt::black);
                drawLines(p, *face, column.values[i], column.x + column.labelWidth + labelGap, y + rowPad);
                y += column.heights[i];
                p.setPen(QPen(kRuleColour, 0));
                p.drawLine(QPointF(column.x, y), QPointF(column.x + columnWidth, y));
            }
        }
        p.setPen(Qt::black);
    }
};

// Where a table's columns stand.
struct TableGeometry {
    QList<qreal> xs;  // the left edge of each column, then the table's right edge
    qreal pad = 0;     // inside a cell, left and right
    qreal rowPad = 0;  // above and below a row's text
    qreal width() const { return xs.last(); }
};

struct HeaderDraw {
    const Face* face;
    QList<QStringList> headers;
    TableGeometry geometry;
    qreal height;

    void operator()(QPainter& p, qreal top) const {
        p.fillRect(QRectF(0, top, geometry.width(), height), kHeaderShade);
        for (qsizetype c = 0; c < headers.size(); ++c)
            drawLines(p, *face, headers[c], geometry.xs[c] + geometry.pad, top + geometry.rowPad);
        p.setPen(QPen(Qt::black, 0));
        p.drawLine(QPointF(0, top + height), QPointF(geometry.width(), top + height));
    }
};

// A row's cells in column order, then its note below them from the second column on.
struct RowDraw {
    const Face* cellFace;
    const Face* noteFace;
    QList<QStringList> cells;
    QStringList note;
    TableGeometry geometry;
    qreal cellsHeight;
    qreal noteX;
    bool stripe;

    void operator()(QPainter& p, qreal top) const {
        const qreal noteHeight = note.isEmpty() ? 0 : qreal(note.size()) * noteFace->line() + geometry.rowPad;
        const qreal height = cellsHeight + noteHeight;
        if (stripe) p.fillRect(QRectF(0, top, geometry.width(), height), kStripeShade);
        for (qsizetype c = 0; c < cells.size(); ++c)
            drawLines(p, *cellFace, cells[c], geometry.xs[c] + geometry.pad, top + geometry.rowPad);
        if (!note.isEmpty()) drawLines(p, *noteFace, note, noteX, top + cellsHeight);
    }
};

// Turns the printout into blocks, measured with the faces on the device.
class Layout {
public:
    Layout(QPaintDevice& device, qreal width) : m_faces(device), m_width(width), m_mm(device.logicalDpiX() / 25.4) {}

    QList<Block> blocks;
    QList<TableHead> tableHeads;

    void titleBlock(const Printout& printout);
    void section(const PrintSection& section);

private:
    qreal mm(qreal millimetres) const { return millimetres * m_mm; }
    void spacer(qreal height);
    void heading(const Face& face, const QString& text, bool rule);
    void bands(const QList<PrintBand>& bands);
    PairColumn pairColumn(const QList<PrintPair>& pairs, qreal x, qreal width, qreal labelWidth) const;
    void table(const PrintTable& table);
    QList<qreal> columnWidths(const PrintTable& table) const;
    void rows(const PrintTable& table, const TableGeometry& geometry, int index);

    Faces m_faces;
    qreal m_width;
    qreal m_mm;
};

void Layout::spacer(qreal height) { blocks.append({height, false, true, -1, [](QPainter&, qreal) {}}); }

void Layout::heading(const Face& face, const QString& text, bool rule) {
    const QStringList lines = wrapped(face.metrics, text, m_width);
    const qreal height = qreal(lines.size()) * face.line() + mm(1.5);
    blocks.append({height, true, false, -1, TextDraw{&face, lines, rule ? m_width : 0}});
}

void Layout::titleBlock(const Printout& printout) {
    heading(m_faces.heading, printout.heading, false);
    bands({printout.titleFields});
    spacer(mm(kBlockGapMm));
}

void Layout::section(const PrintSection& section) {
    spacer(mm(kSectionGapMm));
    heading(m_faces.section, section.title, true);
    spacer(mm(kBlockGapMm));
    bands(section.bands);
    for (qsizetype t = 0; t < section.tables.size(); ++t) {
        if (!section.bands.isEmpty() || t > 0) spacer(mm(kBlockGapMm));
        table(section.tables[t]);
    }
}

PairColumn Layout::pairColumn(const QList<PrintPair>& pairs, qreal x, qreal width, qreal labelWidth) const {
    const Face& face = m_faces.body;
    PairColumn column{x, labelWidth, std::max(width - labelWidth - mm(kLabelGapMm), mm(10)), {}, {}, {}};
    for (const PrintPair& pair : pairs) {
        column.labels.append(wrapped(face.metrics, pair.label, column.labelWidth, true));
        column.values.append(wrapped(face.metrics, pair.value, column.valueWidth));
        const qsizetype lines = std::max(column.labels.last().size(), column.values.last().size());
        column.heights.append(qreal(lines) * face.line() + 2 * mm(kRowPadMm));
    }
    return column;
}

// Every run of the section aligns its labels: one width for the left columns of two-column
// runs, one for their right columns, one for runs in a single column (in the left's place).
void Layout::bands(const QList<PrintBand>& bandList) {
    const QFontMetricsF& metrics = m_faces.body.metrics;
    const qreal gap = mm(kColumnGapMm);
    const qreal half = (m_width - gap) / 2;
    qreal pairedLeft = 0, pairedRight = 0, single = 0;
    for (const PrintBand& band : bandList) {
        qreal& leftLabels = band.right.isEmpty() ? single : pairedLeft;
        for (const PrintPair& pair : band.left)
            leftLabels = std::max(leftLabels, metrics.horizontalAdvance(pair.label));
        for (const PrintPair& pair : band.right)
            pairedRight = std::max(pairedRight, metrics.horizontalAdvance(pair.label));
    }
    const qreal most = half * kLabelShare;
    pairedLeft = std::min(pairedLeft, most);
    pairedRight = std::min(pairedRight, most);
    single = std::min(std::max(single, pairedLeft), most);

    for (const PrintBand& band : bandList) {
        QList<PairColumn> columns;
        if (band.right.isEmpty()) {
            columns.append(pairColumn(band.left, 0, half, single));
        } else {
            columns.append(pairColumn(band.left, 0, half, pairedLeft));
            columns.append(pairColumn(band.right, half + gap, half, pairedRight));
        }
        qreal height = 0;
        for (const PairColumn& column : columns)
            height = std::max(height, std::accumulate(column.heights.begin(), column.heights.end(), 0.0));
        const PairsDraw draw{&m_faces.body, columns, half, mm(kLabelGapMm), mm(kRowPadMm)};
        blocks.append({height, false, false, -1, draw});
    }
}

// Each column as wide as its widest cell (and its header's longest word). A table wider than
// the page takes the room from the columns whose texts can wrap at a blank, never below their
// longest word, so a name or a number is never broken inside; only a table whose words alone
// are wider than the page is narrowed evenly below that.
QList<qreal> Layout::columnWidths(const PrintTable& table) const {
    const qreal pad = 2 * mm(kCellPadMm);
    QList<qreal> widths;
    QList<qreal> least;
    for (qsizetype c = 0; c < table.headers.size(); ++c) {
        qreal width = longestWord(m_faces.tableBold, table.headers[c], true);
        qreal word = width;
        for (const QStringList& row : table.rows) {
            width = std::max(width, m_faces.table.metrics.horizontalAdvance(row.value(c)));
            word = std::max(word, longestWord(m_faces.table, row.value(c)));
        }
        widths.append(width + pad);
        least.append(word + pad);
    }
    qreal total = std::accumulate(widths.begin(), widths.end(), 0.0);
    // Room to spare goes to headers that would wrap, so they take fewer lines.
    for (qsizetype c = 0; c < widths.size() && total < m_width; ++c) {
        const qreal want = m_faces.tableBold.metrics.horizontalAdvance(table.headers[c]) + pad;
        const qreal grow = std::min(std::max(want - widths[c], 0.0), m_width - total);
        widths[c] += grow;
        total += grow;
    }
    if (total <= m_width) return widths;
    qreal slack = 0;
    for (qsizetype c = 0; c < widths.size(); ++c) slack += widths[c] - least[c];
    const qreal excess = total - m_width;
    if (slack >= excess) {
        for (qsizetype c = 0; c < widths.size(); ++c) widths[c] -= (widths[c] - least[c]) * excess / slack;
        return widths;
    }
    const qreal leastTotal = std::accumulate(least.begin(), least.end(), 0.0);
    for (qreal& w : least) w *= m_width / leastTotal;
    return least;
}

void Layout::table(const PrintTable& t) {
    if (!t.caption.isEmpty()) heading(m_faces.bold, t.caption, false);
    if (t.rows.isEmpty()) {
        const Face& face = m_faces.body;
        const QStringList lines = wrapped(face.metrics, app::report::kNoneInUse, m_width);
        blocks.append({qreal(lines.size()) * face.line(), false, false, -1, TextDraw{&face, lines}});
        return;
    }
    TableGeometry geometry{{0}, mm(kCellPadMm), mm(kRowPadMm)};
    const QList<qreal> widths = columnWidths(t);
    for (const qreal w : widths) geometry.xs.append(geometry.xs.last() + w);
    const qreal gap = mm(kColumnGapMm);
    const int flow = std::clamp(int((m_width + gap) / (geometry.width() + gap)), 1, kMostFlowColumns);

    const Face& head = m_faces.tableBold;
    QList<QStringList> headers;
    qsizetype headerLines = 1;
    for (qsizetype c = 0; c < t.headers.size(); ++c) {
        headers.append(wrapped(head.metrics, t.headers[c], widths[c] - 2 * geometry.pad, true));
        headerLines = std::max(headerLines, headers.last().size());
    }
    const qreal headerHeight = qreal(headerLines) * head.line() + 2 * geometry.rowPad;
    const int index = int(tableHeads.size());
    Block header{headerHeight, false, false, index, HeaderDraw{&head, headers, geometry, headerHeight}};
    tableHeads.append({header, flow, geometry.width() + gap});
    // A flowing table's columns each get their header as they are placed.
    if (flow == 1) {
        header.keepWithNext = true;
        blocks.append(header);
    }
    rows(t, geometry, index);
}

void Layout::rows(const PrintTable& t, const TableGeometry& geometry, int index) {
    const Face& cell = m_faces.table;
    const Face& noteFace = m_faces.note;
    const qsizetype firstRow = blocks.size();
    const qsizetype columns = geometry.xs.size() - 1;
    // The note stands under the row, from its second column on.
    const qreal noteX = geometry.xs.value(std::min<qsizetype>(1, columns - 1)) + geometry.pad;
    for (qsizetype r = 0; r < t.rows.size(); ++r) {
        QList<QStringList> cells;
        qsizetype lines = 1;
        for (qsizetype c = 0; c < columns; ++c) {
            const qreal room = geometry.xs[c + 1] - geometry.xs[c] - 2 * geometry.pad;
            cells.append(wrapped(cell.metrics, t.rows[r].value(c), room));
            lines = std::max(lines, cells.last().size());
        }
        const qreal cellsHeight = qreal(lines) * cell.line() + 2 * geometry.rowPad;
        const QString noteText = t.notes.value(r);
        const QStringList note = noteText.isEmpty()
                                     ? QStringList()
                                     : wrapped(noteFace.metrics, noteText, geometry.width() - noteX - geometry.pad);
        const qreal noteHeight = note.isEmpty() ? 0 : qreal(note.size()) * noteFace.line() + geometry.rowPad;
        const qreal height = cellsHeight + noteHeight;
        blocks.append({height, false, false, index,
                       RowDraw{&cell, &noteFace, cells, note, geometry, cellsHeight, noteX, r % 2 == 1}});
    }
    if (tableHeads[index].columns == 1) return;
    // Flowing columns line up row by row: every row takes the tallest row's height.
    qreal tallest = 0;
    for (qsizetype b = firstRow; b < blocks.size(); ++b) tallest = std::max(tallest, blocks[b].height);
    for (qsizetype b = firstRow; b < blocks.size(); ++b) blocks[b].height = tallest;
}

// A block where it stands on its page, relative to the body's top left.
struct Placed {
    const Block* block;
    QPointF at;
};
using Page = QList<Placed>;

// Puts the blocks on pages: a page breaks before a block that does not fit, keeps a title
// with what follows it, drops a spacer at its top and repeats a table's header above rows
// that continue from the page before. A narrow table's rows go down its columns in turn,
// balanced on the table's last page.
class Paginator {
public:
    Paginator(const QList<Block>& blocks, const QList<TableHead>& heads, qreal bodyHeight)
        : m_blocks(blocks), m_heads(heads), m_bodyHeight(bodyHeight) {}

    QList<Page> run() {
        for (qsizetype i = 0; i < m_blocks.size();) i = flowing(m_blocks[i]) ? flowTable(i) : placeBlock(i);
        return m_pages;
    }

private:
    bool flowing(const Block& block) const { return block.table >= 0 && m_heads[block.table].columns > 1; }

    void newPage() {
        m_pages.append(Page());
        m_used = 0;
    }

    void place(const Block& block, qreal x, qreal top) { m_pages.last().append({&block, QPointF(x, top)}); }

    // What must fit with the block: the titles chained to it and what they lead to.
    qreal needed(qsizetype i) const {
        qreal height = m_blocks[i].height;
        for (qsizetype next = i; (m_blocks[next].keepWithNext || m_blocks[next].spacer) && next + 1 < m_blocks.size();
             ++next) {
            const Block& following = m_blocks[next + 1];
            height += following.height + (flowing(following) ? m_heads[following.table].header.height : 0);
        }
        return height;
    }

    qsizetype placeBlock(qsizetype i) {
        const Block& block = m_blocks[i];
        if (block.spacer && m_used == 0) return i + 1;
        if (m_used > 0 && m_used + needed(i) > m_bodyHeight) {
            newPage();
            if (block.spacer) return i + 1;
            if (block.table >= 0 && !block.keepWithNext) {
                const Block& header = m_heads[block.table].header;
                place(header, 0, m_used);
                m_used += header.height;
            }
        }
        place(block, 0, m_used);
        m_used += block.height;
        return i + 1;
    }

    qsizetype flowTable(qsizetype first) {
        const int table = m_blocks[first].table;
        const TableHead& head = m_heads[table];
        qsizetype end = first;
        while (end < m_blocks.size() && m_blocks[end].table == table) ++end;
        const qreal rowHeight = m_blocks[first].height;
        qsizetype next = first;
        while (next < end) {
            qsizetype perColumn = qsizetype((m_bodyHeight - m_used - head.header.height) / rowHeight);
            if (perColumn < 1 && m_used > 0) {
                newPage();
                continue;
            }
            perColumn = std::max<qsizetype>(perColumn, 1);
            const qsizetype left = end - next;
            if (left <= perColumn * head.columns) perColumn = (left + head.columns - 1) / head.columns;
            qreal bottom = m_used;
            for (int column = 0; column < head.columns && next < end; ++column) {
                const qreal x = column * head.columnStep;
                qreal top = m_used;
                place(head.header, x, top);
                top += head.header.height;
                for (qsizetype k = 0; k < perColumn && next < end; ++k, ++next) {
                    place(m_blocks[next], x, top);
                    top += rowHeight;
                }
                bottom = std::max(bottom, top);
            }
            m_used = bottom;
            if (next < end) newPage();
        }
        return end;
    }

    const QList<Block>& m_blocks;
    const QList<TableHead>& m_heads;
    qreal m_bodyHeight;
    QList<Page> m_pages{Page()};
    qreal m_used = 0;
};

struct PageFrame {
    QRectF body;
    QRectF header;
    QRectF footer;
};

void drawHeader(QPainter& p, const Face& face, const QRectF& band, const QString& name) {
    p.setFont(face.font);
    p.setPen(Qt::black);
    p.drawText(band, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, name);
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(band.bottomLeft(), band.bottomRight());
}

void drawFooter(QPainter& p, const Face& face, const QRectF& band, int page, int pages) {
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(band.topLeft(), band.topRight());
    p.setFont(face.font);
    p.drawText(band, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine | Qt::TextDontClip,
               printFooterText(page, pages));
}

// The page's own margin, less what the printer keeps blank already.
PageFrame pageFrame(const QPagedPaintDevice& device, const Face& bold) {
    const qreal dotsPerMm = device.logicalDpiX() / 25.4;
    const QMarginsF printerMargins = device.pageLayout().margins(QPageLayout::Millimeter);
    const qreal side = std::max(0.0, kMarginMm - printerMargins.left()) * dotsPerMm;
    const qreal top = std::max(0.0, kMarginMm - printerMargins.top()) * dotsPerMm;
    const qreal bottom = std::max(0.0, kMarginMm - printerMargins.bottom()) * dotsPerMm;
    const QRectF page(side, top, device.width() - 2 * side, device.height() - top - bottom);
    const qreal band = bold.line() * 1.4;
    const qreal gap = kBandGapMm * dotsPerMm;
    PageFrame frame;
    frame.header = QRectF(page.left(), page.top(), page.width(), band);
    frame.footer = QRectF(page.left(), page.bottom() - band, page.width(), band);
    frame.body = QRectF(page.left(), frame.header.bottom() + gap, page.width(),
                        frame.footer.top() - gap - (frame.header.bottom() + gap));
    return frame;
}

} // namespace

QString printDocumentName(const app::AppConfig& config) {
    const QString name = config.currentFileName.isEmpty() ? config.defaultDataFileName : config.currentFileName;
    const qsizetype dot = name.indexOf(u'.');
    return dot < 0 ? QString() : name.left(dot);
}

QString printFooterText(int page, int pages) { return QCoreApplication::translate("config::print", "-- Page %1 of %2 --").arg(page).arg(pages); }

int printDocument(QPagedPaintDevice& device, const Printout& printout, const std::function<void()>& abort) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const Face bold(sansFont(kBodyPoints, QFont::Bold), device);
    const PageFrame frame = pageFrame(device, bold);
    Layout layout(device, frame.body.width());
    layout.titleBlock(printout);
    for (const PrintSection& section : printout.sections) layout.section(section);
    const QList<Page> pages = Paginator(layout.blocks, layout.tableHeads, frame.body.height()).run();

    const int count = int(pages.size());
    for (int page = 1; page <= count; ++page) {
        if (page > 1 && !device.newPage()) {
            if (abort) abort();
            painter.end();
            return 0;
        }
        drawHeader(painter, bold, frame.header, printout.documentName);
        painter.save();
        painter.translate(frame.body.topLeft());
        for (const Placed& placed : pages[page - 1]) {
            painter.save();
            painter.translate(placed.at.x(), 0);
            placed.block->draw(painter, placed.at.y());
            painter.restore();
        }
        painter.restore();
        drawFooter(painter, bold, frame.footer, page, count);
    }
    return painter.end() ? count : 0;
}

// The printer's resolution of the program's printouts, so a PDF breaks its lines and pages
// where paper does.
constexpr int kPdfDotsPerInch = 1200;

int writePdf(const QString& path, const Printout& printout) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setResolution(kPdfDotsPerInch);
    writer.setTitle(printout.documentName);
    // A file that could not be opened leaves the painter inactive: printDocument says false.
    return printDocument(writer, printout);
}

} // namespace config
