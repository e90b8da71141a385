// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/two_tone_pages.h"

#include "grid/grid_view.h"
#include "forms/combo_helpers.h"
#include "forms/form_widgets.h"
#include "signalling/two_tone_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace signalling {

using namespace twotone;

namespace {

constexpr int kGridRows = kEntries + 1;  // the header row, then one row per entry
constexpr int kColTone1 = 1;
constexpr int kColTone2 = 2;
constexpr int kColName = 3;
constexpr int kToneLength = 6;
constexpr const char* kToneCharacters = "0123456789.";

// The first tone of a row is the whole entry: without it the row is empty.
bool rowIsEmpty(const grid::GridView& view, int gridRow) { return view.text(gridRow, kColTone1).isEmpty(); }

QComboBox* listCombo(const char* objectName, const QStringList& entries, QWidget* parent) {
    QComboBox* box = forms::comboBox(objectName, parent);
    forms::combo::fill(box, entries);
    return box;
}

} // namespace

// ---- "Encode" ------------------------------------------------------------------------

CT2EncodePage::CT2EncodePage(forms::EditorHost& host, QWidget* parent)
    : CT2Page(parent), m_host(host), m_grid(new grid::GridView(this)),
      m_tone1Duration(listCombo("tone1Duration", durationEntries(), this)),
      m_tone2Duration(listCombo("tone2Duration", durationEntries(), this)),
      m_longToneDuration(listCombo("longToneDuration", durationEntries(), this)),
      m_gapTime(listCombo("gapTime", gapEntries(), this)),
      m_autoResetTime(listCombo("autoResetTime", autoResetEntries(), this)),
      m_sideTone(forms::check(texts::tr(texts::kSideTone), "sideTone", this)) {
    setObjectName(QStringLiteral("encodePage"));
    m_grid->setObjectName(QStringLiteral("encodeList"));
    m_grid->setAccessibleName(texts::tr(texts::kEncodeListName));
    setUpGrid();

    auto* settings = new QFormLayout;
    settings->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    settings->addRow(forms::labelFor(texts::tr(texts::kTone1Duration), m_tone1Duration), m_tone1Duration);
    settings->addRow(forms::labelFor(texts::tr(texts::kTone2Duration), m_tone2Duration), m_tone2Duration);
    settings->addRow(forms::labelFor(texts::tr(texts::kLongToneDuration), m_longToneDuration), m_longToneDuration);
    settings->addRow(forms::labelFor(texts::tr(texts::kGapTime), m_gapTime), m_gapTime);
    settings->addRow(forms::labelFor(texts::tr(texts::kAutoResetTime), m_autoResetTime), m_autoResetTime);
    settings->addRow(m_sideTone);
    auto* right = new QVBoxLayout;
    right->addLayout(settings);
    right->addStretch(1);

    QLabel* hint = forms::label(texts::tr(texts::kRangeHint), this);
    hint->setObjectName(QStringLiteral("rangeHint"));
    m_listColumn = new QVBoxLayout;
    m_listColumn->addWidget(hint);
    m_listColumn->addWidget(m_grid, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(m_listColumn, 0);
    layout->addSpacing(16);
    layout->addLayout(right, 0);
    layout->addStretch(1);
}

CT2EncodePage::~CT2EncodePage() { m_grid->setHooks({}); }

void CT2EncodePage::placeUnderList(const QList<QWidget*>& buttons) {
    auto* row = new QHBoxLayout;
    for (QWidget* button : buttons) row->addWidget(button);
    row->addStretch(1);
    m_listColumn->addLayout(row);
}

void CT2EncodePage::setUpGrid() {
    m_grid->setRowCount(kGridRows);
    m_grid->setColumnCount(int(texts::kListColumns.size()));
    m_grid->setRowHeightTwips(0, texts::kHeaderRowTwips);
    for (int column = 0; column < m_grid->columnCount(); ++column) {
        const texts::ListColumn& info = texts::kListColumns[std::size_t(column)];
        m_grid->setText(0, column, QString::fromLatin1(info.header));
        m_grid->setColumnWidthTwips(column, info.widthTwips);
        m_grid->setColumnAlignment(column, Qt::AlignCenter);
    }
    for (int index = 0; index < kEntries; ++index) m_grid->setText(index + 1, 0, QString::number(index));
    // The tone headers are wider than their columns; a smaller face keeps them to the two
    // lines the 600-twip header row holds.
    QFont headerFont = m_grid->horizontalHeader()->font();
    if (headerFont.pointSizeF() > 0) headerFont.setPointSizeF(headerFont.pointSizeF() * 0.85);
    m_grid->horizontalHeader()->setFont(headerFont);
    const grid::LineEditorSetup tone{QString::fromLatin1(kToneCharacters), kToneLength, false};
    m_grid->setColumnEditor(kColTone1, tone);
    m_grid->setColumnEditor(kColTone2, tone);
    m_grid->setColumnEditor(kColName, grid::LineEditorSetup{forms::printableAscii(), entry::kNameLength, true});
    // Wide enough for every column and the scroll bar, so the list never scrolls sideways.
    m_grid->setShowsAllColumns(true);

    grid::GridHooks hooks;
    hooks.beforeEdit = [this](int gridRow, int column) { return beforeEdit(gridRow, column); };
    hooks.commit = [this](int gridRow, int column, const QString& text) { commitCell(gridRow, column, text); };
    // A click on a row label shows the whole row selected; in the data cells only the frame.
    hooks.mousePress = [this](Qt::MouseButton button, Qt::KeyboardModifiers, int, int column) {
        if (button != Qt::LeftButton) return;
        m_grid->setSelectionDisplay(column == 0 ? grid::SelectionDisplay::WithFocus
                                                : grid::SelectionDisplay::CellOnly);
    };
    m_grid->setHooks(std::move(hooks));
    m_grid->setSelectionDisplay(grid::SelectionDisplay::CellOnly);
}

void CT2EncodePage::load(const image::RadioImage& img) {
    m_grid->commitEdit();
    forms::combo::selectPrefix(m_tone1Duration, tenthsText(img.u8(kTone1Duration)));
    forms::combo::selectPrefix(m_tone2Duration, tenthsText(img.u8(kTone2Duration)));
    forms::combo::selectPrefix(m_longToneDuration, tenthsText(img.u8(kLongToneDuration)));
    forms::combo::selectPrefix(m_gapTime, gapText(img.u8(kGapTime)));
    forms::combo::selectPrefix(m_autoResetTime, tenthsText(img.u8(kAutoResetTime)));
    m_sideTone->setChecked(img.u8(kSideTone) != 0);
    for (int index = 0; index < kEntries; ++index) showRow(index + 1, loadEncodeRow(img, index));
}

void CT2EncodePage::store(image::RadioImage& img) {
    m_grid->commitEdit();
    img.setU8(kTone1Duration, tenthsValue(m_tone1Duration->currentText()));
    img.setU8(kTone2Duration, tenthsValue(m_tone2Duration->currentText()));
    img.setU8(kLongToneDuration, tenthsValue(m_longToneDuration->currentText()));
    img.setU8(kGapTime, gapValue(m_gapTime->currentText()));
    img.setU8(kAutoResetTime, tenthsValue(m_autoResetTime->currentText()));
    img.setU8(kSideTone, m_sideTone->isChecked() ? 1 : 0);
    for (int index = 0; index < kEntries; ++index) storeEncodeRow(img, index, row(index + 1));
    storeOccupancy(img);
}

EncodeRow CT2EncodePage::row(int gridRow) const {
    return {m_grid->text(gridRow, kColTone1), m_grid->text(gridRow, kColTone2), m_grid->text(gridRow, kColName)};
}

void CT2EncodePage::showRow(int gridRow, const EncodeRow& cells) {
    m_grid->setText(gridRow, kColTone1, cells.tone1);
    m_grid->setText(gridRow, kColTone2, cells.tone2);
    m_grid->setText(gridRow, kColName, cells.name);
}

// A new entry starts with its first tone.
bool CT2EncodePage::beforeEdit(int gridRow, int) {
    if (rowIsEmpty(*m_grid, gridRow)) m_grid->setCurrentColumn(kColTone1);
    m_grid->setSelectionDisplay(grid::SelectionDisplay::CellOnly);
    return true;
}

void CT2EncodePage::commitCell(int gridRow, int column, const QString& text) {
    const EncodeRow before = row(gridRow);
    if (column == kColName) {
        showRow(gridRow, commitNameCell(before, text));
        return;
    }
    const ToneCellCommit commit = commitToneCell(before, column, text);
    showRow(gridRow, commit.row);
    m_host.showCorrection(commit.note);
}

// ---- "Decode" ------------------------------------------------------------------------

CT2DecodePage::CT2DecodePage(forms::EditorHost& host, QWidget* parent)
    : CT2Page(parent), m_host(host), m_callFormat(forms::comboBox("callFormat", this)),
      m_decodeResponse(forms::comboBox("decodeResponse", this)) {
    setObjectName(QStringLiteral("decodePage"));
    forms::combo::fill(m_callFormat, kCallFormatList);
    forms::combo::fill(m_decodeResponse, kDecodeResponseList);

    auto* fields = new QFormLayout;
    fields->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    fields->addRow(forms::labelFor(texts::tr(texts::kCallFormat), m_callFormat), m_callFormat);
    fields->addRow(forms::labelFor(texts::tr(texts::kDecodeResponse), m_decodeResponse), m_decodeResponse);
    static constexpr std::array<const char*, kDecodeToneCount> kNames{"toneA", "toneB", "toneC", "toneD"};
    for (int tone = 0; tone < kDecodeToneCount; ++tone) {
        QLineEdit* edit = forms::filteredEdit(kNames[std::size_t(tone)], kToneLength,
                                             QString::fromLatin1(kToneCharacters), false, this);
        m_tones[std::size_t(tone)] = edit;
        fields->addRow(forms::labelFor(texts::tr(texts::kToneLabels[std::size_t(tone)]), edit), edit);
        connect(edit, &QLineEdit::editingFinished, this, [this, tone] { leaveTone(tone); });
    }
    // The user's choice of format changes which tones it takes; a load sets the format
    // without this signal and runs the rule itself.
    connect(m_callFormat, &QComboBox::activated, this, [this] { enableFormatTones(); });

    auto* layout = new QHBoxLayout(this);
    auto* column = new QVBoxLayout;
    column->addLayout(fields);
    column->addStretch(1);
    layout->addLayout(column);
    layout->addStretch(1);
}

void CT2DecodePage::load(const image::RadioImage& img) {
    forms::combo::selectIndex(m_callFormat, img.u8(kCallFormat));
    forms::combo::selectIndex(m_decodeResponse, img.u8(kDecodeResponse));
    for (int tone = 0; tone < kDecodeToneCount; ++tone) {
        m_tones[std::size_t(tone)]->setText(toneText(img.u16be(decodeToneAddress(tone))));
        checkTone(tone);
    }
    enableFormatTones();
}

// Every tone is checked first, whichever has the focus, so an emptied or out-of-range field
// stores 288.0 Hz and no value reaches the 16-bit word uncorrected. A list left without a
// selection (its stored index lies past the list) keeps its byte; without a format the
// call format words stay as they are too.
void CT2DecodePage::store(image::RadioImage& img) {
    for (int tone = 0; tone < kDecodeToneCount; ++tone) checkTone(tone);
    forms::combo::storeSelectedIndex(img, kCallFormat, m_callFormat);
    forms::combo::storeSelectedIndex(img, kDecodeResponse, m_decodeResponse);
    for (int tone = 0; tone < kDecodeToneCount; ++tone)
        img.setU16be(decodeToneAddress(tone), decodeTone(m_tones[std::size_t(tone)]->text()));
    if (m_callFormat->currentIndex() >= 0) storeCallFormatTones(img, m_callFormat->currentIndex());
}

void CT2DecodePage::enableFormatTones() {
    const QString format = m_callFormat->currentText();
    for (int tone = 0; tone < kDecodeToneCount; ++tone)
        m_tones[std::size_t(tone)]->setEnabled(formatUsesTone(format, tone));
}

void CT2DecodePage::checkTone(int tone) {
    QLineEdit* edit = m_tones[std::size_t(tone)];
    const QString checked = checkedDecodeToneText(edit->text());
    if (checked != edit->text()) edit->setText(checked);
}

// The user leaving a tone field: the same check, and a word when it corrected the tone.
void CT2DecodePage::leaveTone(int tone) {
    QLineEdit* edit = m_tones[std::size_t(tone)];
    const CheckedTone checked = checkTypedDecodeTone(tone, edit->text());
    if (checked.text != edit->text()) edit->setText(checked.text);
    m_host.showCorrection(checked.note);
}

} // namespace signalling
