// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/dtmf_view.h"

#include "channels/value_tables.h"
#include "grid/grid_view.h"
#include "forms/combo_helpers.h"
#include "forms/form_widgets.h"
#include "signalling/audition_panel.h"
#include "signalling/dtmf_codes.h"
#include "signalling/dtmf_call_dialog.h"
#include "signalling/dtmf_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace signalling {

namespace texts = dtmf::texts;
using dtmf::CodeField;

namespace {

constexpr int kLabelColumn = 0;
constexpr int kCodeColumn = 1;
constexpr int kLabelTwips = 500;
constexpr int kCodeTwips = 4000;
constexpr int kFieldWidth = 160;  // pixels: room for "Beep Tone & Response"
constexpr int kGridRows = dtmf::kEncodeEntries + 1;  // the header row, then M1-M16

QString symbolChars() { return QString::fromLatin1(forms::kDtmfSymbols); }

QLineEdit* codeEdit(const char* objectName, CodeField field, QWidget* parent) {
    return forms::filteredEdit(objectName, field.symbols, symbolChars(), true, parent);
}

// An index list with nothing selected (its stored index lies past the list and the user left
// it alone) keeps its byte.
void storeIndex(image::RadioImage& img, image::Addr at, const QComboBox* box) {
    if (box->currentIndex() >= 0) img.setU8(at, std::uint8_t(box->currentIndex()));
}

} // namespace

CDtmfView::CDtmfView(forms::EditorEnv env, QWidget* parent)
    : CBaseFormView(env, parent), m_ani(forms::comboBox("ani", this)),
      m_transmittingTime(forms::comboBox("transmittingTime", this)),
      m_selfId(forms::filteredEdit("selfId", dtmf::kSelfIdDigits, QString::fromLatin1(forms::kDigits), false, this)),
      m_interval(forms::comboBox("intervalCharacter", this)), m_groupCode(forms::comboBox("groupCode", this)),
      m_decodingResponse(forms::comboBox("decodingResponse", this)), m_firstDigitTime(forms::comboBox("firstDigitTime", this)),
      m_pretime(forms::comboBox("pretime", this)), m_autoResetTime(forms::comboBox("autoResetTime", this)),
      m_timeLapse(forms::comboBox("timeLapseAfterEncode", this)), m_pttIdPause(forms::comboBox("pttIdPauseTime", this)),
      m_sideTone(forms::check(texts::tr(texts::kSideTone), "sideTone", this)),
      m_remoteKill(codeEdit("remoteKill", dtmf::kRemoteKill, this)),
      m_remoteStun(codeEdit("remoteStun", dtmf::kRemoteStun, this)),
      m_pttIdStart(codeEdit("pttIdStart", dtmf::kPttIdStart, this)),
      m_pttIdEnd(codeEdit("pttIdEnd", dtmf::kPttIdEnd, this)), m_grid(new grid::GridView(this)),
      m_specialCall(new QPushButton(texts::tr(texts::kSpecialCall), this)),
      m_runSpecialCall([](CDtmfSpecialCallDialog& dialog) { return dialog.exec(); }),
      m_audition(std::make_unique<AuditionPanel>(env, [this] { storeForAudition(); }, this)) {
    setObjectName(QStringLiteral("dtmfView"));
    m_grid->setObjectName(QStringLiteral("encodeList"));
    m_grid->setAccessibleName(texts::tr(texts::kEncodeListName));
    m_specialCall->setObjectName(QStringLiteral("specialCall"));
    m_specialCall->setAutoDefault(false);
    buildControls();
    fillLists();
    setUpGrid();
    connectControls();
}

// The base destructor hides the form, and the self ID losing the focus then would run its
// leave-field rule on members already destroyed.
CDtmfView::~CDtmfView() {
    m_selfId->disconnect(this);
    m_audition.reset();
}

int CDtmfView::helpContext() const { return texts::kHelpContext; }

// ---- controls ------------------------------------------------------------------------

void CDtmfView::buildControls() {
    using audition::SourceKind;
    // The list's Play comes first: the list is what Ctrl+Space plays until another code is chosen.
    QPushButton* listPlay = m_audition->addPlayButton(
        m_grid, [this] { return audition::Source{SourceKind::DtmfEntry, std::max(m_grid->currentRow(), 1) - 1}; },
        "encodeListPlay", texts::tr(texts::kEncodeListName), this);

    auto* fields = new QGridLayout;
    int row = 0;
    const auto pair = [&](const QString& leftText, QWidget* left, const QString& rightText, QWidget* right) {
        fields->addWidget(forms::labelFor(leftText, left), row, 0);
        fields->addWidget(left, row, 1);
        if (!rightText.isEmpty()) fields->addWidget(forms::labelFor(rightText, right), row, 2);
        fields->addWidget(right, row++, 3);
    };
    pair(texts::tr(texts::kAni), m_ani, texts::tr(texts::kTransmittingTime), m_transmittingTime);
    pair(texts::tr(texts::kSelfId), m_selfId, texts::tr(texts::kIntervalCharacter), m_interval);
    pair(texts::tr(texts::kGroupCode), m_groupCode, texts::tr(texts::kDecodingResponse), m_decodingResponse);
    pair(texts::tr(texts::kFirstDigitTime), m_firstDigitTime, texts::tr(texts::kPretime), m_pretime);
    pair(texts::tr(texts::kAutoResetTime), m_autoResetTime, texts::tr(texts::kTimeLapseAfterEncode), m_timeLapse);
    pair(texts::tr(texts::kPttIdPauseTime), m_pttIdPause, QString(), m_sideTone);
    // A code field with its Play button beside it, reached with Tab right after the field.
    const auto code = [&](const QString& text, QLineEdit* edit, SourceKind kind, const char* playName, int column,
                          int span) {
        QPushButton* play = m_audition->addPlayButton(
            edit, [kind] { return audition::Source{kind}; }, playName, text, this);
        auto* cell = new QHBoxLayout;
        cell->addWidget(edit, 1);
        cell->addWidget(play);
        fields->addWidget(forms::labelFor(text, edit), row, column);
        fields->addLayout(cell, row, column + 1, 1, span);
        setTabOrder(edit, play);
    };
    code(texts::tr(texts::kRemoteKill), m_remoteKill, SourceKind::DtmfRemoteKill, "remoteKillPlay", 0, 1);
    code(texts::tr(texts::kRemoteStun), m_remoteStun, SourceKind::DtmfRemoteStun, "remoteStunPlay", 2, 1);
    ++row;
    code(texts::tr(texts::kPttIdStart), m_pttIdStart, SourceKind::DtmfPttIdStart, "pttIdStartPlay", 0, 3);
    ++row;
    code(texts::tr(texts::kPttIdEnd), m_pttIdEnd, SourceKind::DtmfPttIdEnd, "pttIdEndPlay", 0, 3);
    ++row;
    fields->setRowStretch(row, 1);
    fields->setColumnMinimumWidth(1, kFieldWidth);
    fields->setColumnMinimumWidth(3, kFieldWidth);

    // The list is as large as its sixteen entries, with the hint and the button under it.
    m_grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_grid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* list = new QVBoxLayout;
    list->addWidget(m_grid);
    list->addWidget(forms::label(texts::tr(texts::kSymbolHint), this));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_specialCall);
    buttons->addWidget(listPlay);
    buttons->addWidget(m_audition->saveButton());
    buttons->addStretch(1);
    list->addLayout(buttons);
    list->addStretch(1);
    setTabOrder(m_specialCall, listPlay);
    setTabOrder(listPlay, m_audition->saveButton());

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(list);
    layout->addSpacing(kFieldWidth / 4);
    layout->addLayout(fields);
    layout->addStretch(1);
}

void CDtmfView::fillLists() {
    forms::combo::fill(m_ani, dtmf::kAniList);
    forms::combo::fill(m_transmittingTime, dtmf::kTransmittingTimeList);
    forms::combo::fill(m_interval, dtmf::kIntervalCharacterList);
    forms::combo::fill(m_groupCode, dtmf::kGroupCodeList);
    forms::combo::fill(m_decodingResponse, dtmf::kDecodingResponseList);
    forms::combo::fill(m_firstDigitTime, dtmf::millisecondEntries(dtmf::kFirstDigitTimeFrom));
    forms::combo::fill(m_pretime, dtmf::millisecondEntries(dtmf::kPretimeFrom));
    forms::combo::fill(m_autoResetTime, dtmf::autoResetEntries());
    forms::combo::fill(m_timeLapse, dtmf::millisecondEntries(dtmf::kPretimeFrom));
    forms::combo::fill(m_pttIdPause, dtmf::pttIdPauseEntries());
}

void CDtmfView::setUpGrid() {
    m_grid->setRowCount(kGridRows);
    m_grid->setColumnCount(2);
    m_grid->setText(0, kLabelColumn, texts::tr(texts::kNo));
    m_grid->setText(0, kCodeColumn, texts::tr(texts::kEncode));
    m_grid->setColumnWidthTwips(kLabelColumn, kLabelTwips);
    m_grid->setColumnWidthTwips(kCodeColumn, kCodeTwips);
    m_grid->setColumnAlignment(kLabelColumn, Qt::AlignCenter);
    m_grid->setColumnAlignment(kCodeColumn, Qt::AlignCenter);
    for (int index = 0; index < dtmf::kEncodeEntries; ++index)
        m_grid->setText(index + 1, kLabelColumn, channels::dtmfCodeLabel(index));
    m_grid->setColumnEditor(kCodeColumn, grid::LineEditorSetup{symbolChars(), dtmf::kLongCodeSymbols, true});
}

void CDtmfView::connectControls() {
    connect(m_selfId, &QLineEdit::editingFinished, this, [this] { selfIdLeft(); });
    // Only the user's choice re-suffixes the list; a load sets the interval without it.
    connect(m_interval, &QComboBox::activated, this, [this] { intervalChosen(); });
    connect(m_specialCall, &QPushButton::clicked, this, [this] { openSpecialCall(); });
}

// ---- image ---------------------------------------------------------------------------

void CDtmfView::commitPendingEdits() {
    m_grid->commitEdit();
    commitFocusedField();
}

void CDtmfView::LoadFromImage() {
    commitPendingEdits();
    const image::RadioImage& im = img();
    forms::combo::selectIndex(m_ani, int(im.get(dtmf::kAni)));
    forms::combo::selectIndex(m_transmittingTime, im.u8(dtmf::kTransmittingTime));
    forms::setLoadedText(m_selfId, dtmf::selfIdText(im));
    forms::combo::selectPrefix(m_interval, dtmf::symbolListText(im.u8(dtmf::kIntervalCharacter)));
    forms::combo::selectPrefix(m_groupCode, dtmf::symbolListText(im.u8(dtmf::kGroupCode)));
    forms::combo::selectIndex(m_decodingResponse, im.u8(dtmf::kDecodingResponse));
    forms::combo::selectPrefix(m_firstDigitTime, dtmf::millisecondText(im.u8(dtmf::kFirstDigitTime)));
    forms::combo::selectPrefix(m_pretime, dtmf::millisecondText(im.u8(dtmf::kPretime)));
    forms::combo::selectPrefix(m_autoResetTime, dtmf::tenthsText(im.u8(dtmf::kAutoResetTime)));
    forms::combo::selectPrefix(m_timeLapse, dtmf::millisecondText(im.u8(dtmf::kTimeLapseAfterEncode)));
    forms::combo::selectPrefix(m_pttIdPause, dtmf::pttIdPauseText(im.u8(dtmf::kPttIdPauseTime)));
    m_sideTone->setChecked(im.u8(dtmf::kSideTone) != 0);
    m_remoteKill->setText(dtmf::unpackCode(im, dtmf::kRemoteKill));
    m_remoteStun->setText(dtmf::unpackCode(im, dtmf::kRemoteStun));
    m_pttIdStart->setText(dtmf::unpackCode(im, dtmf::kPttIdStart));
    m_pttIdEnd->setText(dtmf::unpackCode(im, dtmf::kPttIdEnd));
    for (int index = 0; index < dtmf::kEncodeEntries; ++index)
        setEncodeText(index, dtmf::unpackCode(im, dtmf::encodeEntry(index)));
    m_previousInterval = m_interval->currentText();
    m_previousSelfId = m_selfId->text();
}

void CDtmfView::StoreToImage() {
    commitPendingEdits();
    image::RadioImage& im = img();
    im.set(dtmf::kAni, m_ani->currentIndex() == 1 ? 1u : 0u);
    storeIndex(im, dtmf::kTransmittingTime, m_transmittingTime);
    dtmf::storeSelfId(im, m_selfId->text());
    im.setU8(dtmf::kIntervalCharacter, dtmf::symbolListValue(m_interval->currentText()));
    im.setU8(dtmf::kGroupCode, dtmf::symbolListValue(m_groupCode->currentText()));
    storeIndex(im, dtmf::kDecodingResponse, m_decodingResponse);
    im.setU8(dtmf::kFirstDigitTime, dtmf::millisecondValue(m_firstDigitTime->currentText()));
    im.setU8(dtmf::kPretime, dtmf::millisecondValue(m_pretime->currentText()));
    im.setU8(dtmf::kAutoResetTime, dtmf::tenthsValue(m_autoResetTime->currentText()));
    im.setU8(dtmf::kTimeLapseAfterEncode, dtmf::millisecondValue(m_timeLapse->currentText()));
    im.setU8(dtmf::kPttIdPauseTime, dtmf::pttIdPauseValue(m_pttIdPause->currentText()));
    im.setU8(dtmf::kSideTone, m_sideTone->isChecked() ? 1 : 0);
    dtmf::packCode(im, dtmf::kRemoteKill, m_remoteKill->text());
    dtmf::packCode(im, dtmf::kRemoteStun, m_remoteStun->text());
    dtmf::packCode(im, dtmf::kPttIdStart, m_pttIdStart->text());
    dtmf::packCode(im, dtmf::kPttIdEnd, m_pttIdEnd->text());
    for (int index = 0; index < dtmf::kEncodeEntries; ++index)
        dtmf::packCode(im, dtmf::encodeEntry(index), encodeText(index));
}

QString CDtmfView::encodeText(int index) const { return m_grid->text(index + 1, kCodeColumn); }

void CDtmfView::setEncodeText(int index, const QString& code) { m_grid->setText(index + 1, kCodeColumn, code); }

// ---- self ID and interval character ----------------------------------------------------

// Leaving the self ID completes it; the entries that carried the old ID as their suffix
// follow the new one.
void CDtmfView::selfIdLeft() {
    const QString typed = m_selfId->text();
    const QString completed = dtmf::completedSelfId(typed, m_previousSelfId);
    if (completed != typed) m_selfId->setText(completed);
    env().host.showCorrection(dtmf::selfIdNote(typed, m_previousSelfId));
    if (typed.isEmpty()) return;  // the previous ID is back; nothing else changes
    resuffixEncodeList(m_previousInterval + m_previousSelfId, m_interval->currentText() + completed);
    m_previousSelfId = completed;
}

void CDtmfView::intervalChosen() {
    const QString interval = m_interval->currentText();
    resuffixEncodeList(m_previousInterval + m_previousSelfId, interval + m_selfId->text());
    m_previousInterval = interval;
}

void CDtmfView::resuffixEncodeList(const QString& oldSuffix, const QString& newSuffix) {
    for (int index = 0; index < dtmf::kEncodeEntries; ++index)
        if (const auto code = dtmf::resuffixed(encodeText(index), oldSuffix, newSuffix)) setEncodeText(index, *code);
}

// ---- special call ----------------------------------------------------------------------

void CDtmfView::openSpecialCall() {
    commitPendingEdits();  // the call is built from a complete self ID
    const int entry = m_grid->currentRow() - 1;  // no current row preselects M1
    CDtmfSpecialCallDialog dialog(entry, m_interval->currentText(), m_selfId->text(), this);
    if (m_runSpecialCall(dialog) != QDialog::Accepted) return;
    if (const auto call = dialog.call()) setEncodeText(call->entry, call->code);
}

// ---- audition --------------------------------------------------------------------------

// What is heard is what the form shows: the form stores first, and the main window takes the
// store as an edit of its own (one undo step when something changed).
void CDtmfView::storeForAudition() {
    StoreToImage();
    emit editCompleted();
}

} // namespace signalling
