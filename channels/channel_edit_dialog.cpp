// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/channel_edit_dialog.h"

#include "channels/channel_edit_rules.h"
#include "channels/channel_rows.h"
#include "channels/channel_texts.h"
#include "channels/value_tables.h"
#include "forms/combo_helpers.h"
#include "forms/form_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace channels {

namespace {

constexpr int kFrequencyLength = 9;
constexpr int kDcsCodes = 512;

QStringList ctcssEntries() { return forms::combo::toStringList(kCtcssTable); }

QStringList dcsEntries() {
    QStringList list;
    list.reserve(kDcsCodes);
    for (int code = 0; code < kDcsCodes; ++code) list.append(dcsCodeText(code));
    return list;
}

bool isToneType(int index) { return index == int(kToneTypeCtcss) || index == int(kToneTypeDcs); }

bool isSignallingType(int index) { return index >= kSignallingDtmf && index <= kSignallingFiveTone; }

// A printable character that the field does not accept is dropped, as its key never came.
bool refusedCharacter(const QKeyEvent& key, bool (*accepts)(QChar)) {
    const QString text = key.text();
    return !text.isEmpty() && text[0].isPrint() && !accepts(text[0]);
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Focus that leaves with the window (another window activated, a popup opened) is not the
// user leaving the field; committing then would show the VFO message again on every return.
bool userLeftField(const QFocusEvent& focus) {
    return focus.reason() != Qt::ActiveWindowFocusReason && focus.reason() != Qt::PopupFocusReason;
}

} // namespace

CChannelEditDialog::CChannelEditDialog(forms::EditorEnv env, int slot, QWidget* parent)
    : QDialog(parent), m_env(env), m_slot(clampedSlot(slot)) {
    setObjectName(QStringLiteral("channelEditDialog"));
    setWindowTitle(texts::tr(texts::kDialogTitle));
    buildControls();
    fillFixedLists();
    connectControls();
    m_no->setText(channelLabel(m_slot));
    loadSlot(m_slot);
}

CChannelEditDialog::~CChannelEditDialog() {
    // Destroyed without being closed (its owner went away): keep what is on screen.
    if (!m_stored) {
        commitPendingEdits();
        storeSlot();
    }
}

// ---- controls ------------------------------------------------------------------------

void CChannelEditDialog::buildControls() {
    m_no = forms::lineEdit("channelNo", kSlotTextLength, this);
    m_up = forms::arrow(Qt::UpArrow, "slotUp", this);
    m_down = forms::arrow(Qt::DownArrow, "slotDown", this);
    m_rx = forms::lineEdit("rxFrequency", kFrequencyLength, this);
    m_tx = forms::lineEdit("txFrequency", kFrequencyLength, this);
    m_name = forms::lineEdit("channelName", kChannelNameLength, this);
    m_step = forms::comboBox("step", this);
    m_spacing = forms::comboBox("spacing", this);
    m_power = forms::comboBox("power", this);
    m_decode = {forms::comboBox("decodeType", this), forms::comboBox("decodeValue", this),
                forms::check(texts::dcsReverseText(), "decodeReverse", this)};
    m_encode = {forms::comboBox("encodeType", this), forms::comboBox("encodeValue", this),
                forms::check(texts::dcsReverseText(), "encodeReverse", this)};
    m_signalling = forms::comboBox("signallingType", this);
    m_code = forms::comboBox("signallingCode", this);
    m_squelch = forms::comboBox("squelchMode", this);
    m_dtmfPttId = forms::comboBox("dtmfPttId", this);
    m_fiveTonePttId = forms::comboBox("fiveTonePttId", this);
    m_scrambler = forms::comboBox("scrambler", this);
    m_busyLock = forms::comboBox("busyLock", this);
    m_scanSkip = forms::check(texts::tr(texts::kScanSkip), "scanSkip", this);
    m_reverse = forms::check(texts::tr(texts::kReverse), "reverse", this);
    m_talkAround = forms::check(texts::tr(texts::kTalkAround), "talkAround", this);
    m_compander = forms::check(texts::tr(texts::kCompander), "compander", this);
    m_txOff = forms::check(texts::tr(texts::kTxOff), "txOff", this);
    m_close = new QPushButton(texts::tr(texts::kClose), this);
    m_close->setObjectName(QStringLiteral("close"));
    m_close->setAutoDefault(false);  // Enter does nothing in this dialog

    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    auto* number = new QHBoxLayout;
    number->addWidget(m_no);
    number->addLayout(arrows);

    auto* grid = new QGridLayout(this);
    int row = 0;
    grid->addWidget(forms::labelFor(texts::tr(texts::kNo), m_no), row, 0);
    grid->addLayout(number, row++, 1);
    const auto pair = [&](const QString& leftText, QWidget* left, const QString& rightText, QWidget* right) {
        grid->addWidget(forms::labelFor(leftText, left), row, 0);
        grid->addWidget(left, row, 1);
        grid->addWidget(!rightText.isEmpty() ? forms::labelFor(rightText, right) : forms::label(rightText, this), row, 2);
        grid->addWidget(right, row++, 3);
    };
    pair(texts::tr(texts::kRxFrequency), m_rx, texts::tr(texts::kTxFrequency), m_tx);
    pair(texts::tr(texts::kChannelName), m_name, texts::tr(texts::kStep), m_step);
    pair(texts::tr(texts::kSpacing), m_spacing, texts::tr(texts::kPower), m_power);
    m_decode.value->setAccessibleName(texts::tr(texts::kDecodeCodeName));
    m_encode.value->setAccessibleName(texts::tr(texts::kEncodeCodeName));
    m_code->setAccessibleName(texts::tr(texts::kSignallingCodeName));
    for (const auto& [text, side] : {std::pair{texts::tr(texts::kDecode), &m_decode}, std::pair{texts::tr(texts::kEncode), &m_encode}}) {
        grid->addWidget(forms::labelFor(text, side->type), row, 0);
        grid->addWidget(side->type, row, 1);
        grid->addWidget(side->value, row, 2);
        grid->addWidget(side->reverse, row++, 3);
    }
    pair(texts::tr(texts::kSignalling), m_signalling, QString(), m_code);
    pair(texts::tr(texts::kSquelchMode), m_squelch, texts::tr(texts::kScrambler), m_scrambler);
    pair(texts::tr(texts::kDtmfPttId), m_dtmfPttId, texts::tr(texts::kFiveTonePttId), m_fiveTonePttId);
    pair(texts::tr(texts::kBusyLock), m_busyLock, QString(), m_scanSkip);
    auto* checks = new QHBoxLayout;
    for (QCheckBox* box : {m_reverse, m_talkAround, m_compander, m_txOff}) checks->addWidget(box);
    checks->addStretch(1);  // each box only as wide as what it shows, so a click beside it does nothing
    grid->addLayout(checks, row++, 0, 1, 4);
    grid->addWidget(m_close, row, 3);
    forms::addButtonMnemonics(this);
}

void CChannelEditDialog::fillFixedLists() {
    forms::combo::fill(m_step, kStepList);
    forms::combo::fill(m_spacing, kSpacingList);
    forms::combo::fill(m_power, kPowerList);
    forms::combo::fill(m_signalling, kSignallingTypeList);
    forms::combo::fill(m_dtmfPttId, kPttIdList);
    forms::combo::fill(m_fiveTonePttId, kPttIdList);
    forms::combo::fill(m_squelch, kSquelchModeList);
    // Sized now for its longest entry: the list shrinks to "Carrier" on a channel without tones.
    m_squelch->setMinimumWidth(m_squelch->sizeHint().width());
    forms::combo::fill(m_busyLock, kBusyLockList);
    forms::combo::fill(m_scrambler, kScramblerList);
    forms::combo::fill(m_decode.type, kToneTypeList);
    forms::combo::fill(m_encode.type, kToneTypeList);
}

void CChannelEditDialog::connectControls() {
    for (QLineEdit* edit : {m_no, m_rx, m_tx}) edit->installEventFilter(this);
    connect(m_rx, &QLineEdit::returnPressed, this, [this] { commitRx(); });
    // What is typed into the name becomes upper case; a name loaded as stored stays as it is.
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = m_name->cursorPosition();
        m_name->setText(text.toUpper());
        m_name->setCursorPosition(cursor);
    });
    connect(m_up, &QToolButton::clicked, this, [this] { stepSlot(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { stepSlot(-1); });
    connect(m_decode.type, &QComboBox::activated, this, [this] { toneTypeChosen(ToneSide::Decode); });
    connect(m_encode.type, &QComboBox::activated, this, [this] { toneTypeChosen(ToneSide::Encode); });
    connect(m_signalling, &QComboBox::activated, this, [this] { signallingTypeChosen(); });
    // Only the user's own choices exclude each other; a record loads as it is.
    connect(m_reverse, &QCheckBox::clicked, this, [this](bool on) { if (on) m_talkAround->setChecked(false); });
    connect(m_talkAround, &QCheckBox::clicked, this, [this](bool on) { if (on) m_reverse->setChecked(false); });
    connect(m_dtmfPttId, &QComboBox::activated, this, [this](int i) { if (i > 0) m_fiveTonePttId->setCurrentIndex(0); });
    connect(m_fiveTonePttId, &QComboBox::activated, this, [this](int i) { if (i > 0) m_dtmfPttId->setCurrentIndex(0); });
    connect(m_close, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
}

void CChannelEditDialog::setRecordControlsEnabled(bool on) {
    const QList<QWidget*> always{m_no, m_up, m_down, m_rx, m_close};
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!always.contains(child) && !qobject_cast<QLabel*>(child)) child->setEnabled(on);
}

// ---- load ----------------------------------------------------------------------------

void CChannelEditDialog::loadSlot(int slot) {
    m_slot = slot;
    const ChannelRecordView record(m_env.state.image, slot);
    if (record.isEmpty()) {
        showEmptyRecord();
        return;
    }
    setRecordControlsEnabled(true);
    // The dialog shows the record as it is; only the list clamps into the bands.
    m_rx->setText(image::formatFrequency(record.rx()));
    m_tx->setText(image::formatFrequency(record.txFrequency()));
    loadOptions(record);
    m_rememberedRx = m_rx->text();
    m_rememberedTx = m_tx->text();
}

void CChannelEditDialog::showEmptyRecord() {
    setRecordControlsEnabled(false);
    for (QLineEdit* edit : {m_rx, m_tx, m_name}) edit->clear();
    for (QCheckBox* box : findChildren<QCheckBox*>()) box->setChecked(false);
    for (QComboBox* box : findChildren<QComboBox*>()) box->setCurrentIndex(-1);
    for (QWidget* dependent : std::initializer_list<QWidget*>{m_decode.value, m_decode.reverse, m_encode.value,
                                                              m_encode.reverse, m_code})
        dependent->hide();
    m_rememberedRx.clear();
    m_rememberedTx.clear();
}

void CChannelEditDialog::loadOptions(const ChannelRecordView& record) {
    forms::combo::selectIndex(m_step, record.step());
    forms::combo::selectIndex(m_spacing, record.spacing());
    forms::combo::selectIndex(m_power, record.power());
    loadTone(ToneSide::Decode, record);
    loadTone(ToneSide::Encode, record);
    loadSignalling(record);
    m_name->setText(record.name());
    forms::combo::selectIndex(m_busyLock, record.busyLock());
    rebuildSquelchList();
    m_squelch->setCurrentIndex(std::max(m_squelch->findText(entryText(kSquelchModeList, record.squelchMode())), 0));
    m_scanSkip->setChecked(scanSkip(m_env.state.image, record.slot()));
    m_reverse->setChecked(record.reverse());
    m_talkAround->setChecked(record.talkAround());
    m_compander->setChecked(record.compander());
    m_txOff->setChecked(record.txOff());
    forms::combo::selectIndex(m_dtmfPttId, record.dtmfPttId());
    forms::combo::selectIndex(m_fiveTonePttId, record.fiveTonePttId());
    forms::combo::selectIndex(m_scrambler, record.scrambler());
    if (m_scrambler->currentIndex() < 0) m_scrambler->setCurrentIndex(0);
}

void CChannelEditDialog::loadTone(ToneSide side, const ChannelRecordView& record) {
    ToneControls& t = tone(side);
    forms::combo::selectIndex(t.type, int(record.toneType(side)));
    t.rememberedType = t.type->currentIndex();
    rebuildToneValues(side);
    if (t.type->currentIndex() == int(kToneTypeCtcss)) forms::combo::selectIndex(t.value, record.ctcss(side));
    if (t.type->currentIndex() == int(kToneTypeDcs)) {
        forms::combo::selectIndex(t.value, record.dcsCode(side));
        t.reverse->setChecked(record.dcsInverted(side));
    }
}

void CChannelEditDialog::loadSignalling(const ChannelRecordView& record) {
    forms::combo::selectIndex(m_signalling, record.signallingType());
    m_rememberedSignalling = m_signalling->currentIndex();
    rebuildCodeList();
    const int entry = m_code->findText(signallingCodeText(record));
    if (entry >= 0) m_code->setCurrentIndex(entry);
}

// ---- dependencies --------------------------------------------------------------------

void CChannelEditDialog::rebuildToneValues(ToneSide side) {
    ToneControls& t = tone(side);
    const int type = t.type->currentIndex();
    if (type == int(kToneTypeCtcss)) forms::combo::fill(t.value, ctcssEntries());
    if (type == int(kToneTypeDcs)) forms::combo::fill(t.value, dcsEntries());
    t.value->setVisible(isToneType(type));
    t.reverse->setVisible(type == int(kToneTypeDcs));
    if (isToneType(type)) t.value->setCurrentIndex(0);
}

void CChannelEditDialog::rebuildCodeList() {
    const int type = m_signalling->currentIndex();
    forms::combo::fill(m_code, signallingCodeEntries(m_env.state.image, type));
    m_code->setVisible(isSignallingType(type));
    if (m_code->count() > 0) m_code->setCurrentIndex(0);
}

void CChannelEditDialog::rebuildSquelchList() {
    const QString previous = m_squelch->currentText();
    const bool toneChosen = isToneType(m_decode.type->currentIndex()) || isToneType(m_encode.type->currentIndex());
    forms::combo::fill(m_squelch, squelchEntries(toneChosen, isSignallingType(m_signalling->currentIndex())));
    m_squelch->setCurrentIndex(std::max(m_squelch->findText(previous), 0));
}

void CChannelEditDialog::toneTypeChosen(ToneSide side) {
    ToneControls& t = tone(side);
    if (t.type->currentIndex() == t.rememberedType) return;
    rebuildToneValues(side);
    t.rememberedType = t.type->currentIndex();
    rebuildSquelchList();
}

void CChannelEditDialog::signallingTypeChosen() {
    if (m_signalling->currentIndex() == m_rememberedSignalling) return;
    rebuildCodeList();
    m_rememberedSignalling = m_signalling->currentIndex();
    rebuildSquelchList();
}

// ---- store ---------------------------------------------------------------------------

ChannelEdit::Tone CChannelEditDialog::toneEdit(ToneSide side) const {
    const ToneControls& t = side == ToneSide::Decode ? m_decode : m_encode;
    return {t.type->currentIndex(), t.value->currentIndex(), t.reverse->isChecked()};
}

void CChannelEditDialog::storeSlot() {
    ChannelEdit edit;
    edit.rx = m_rx->text();
    edit.tx = m_tx->text();
    edit.name = m_name->text();
    edit.step = m_step->currentIndex();
    edit.spacing = m_spacing->currentIndex();
    edit.power = m_power->currentIndex();
    edit.decode = toneEdit(ToneSide::Decode);
    edit.encode = toneEdit(ToneSide::Encode);
    edit.signalling = m_signalling->currentIndex();
    edit.code = m_code->currentText();
    edit.squelch = m_squelch->currentText();
    edit.busyLock = m_busyLock->currentIndex();
    edit.dtmfPttId = m_dtmfPttId->currentIndex();
    edit.fiveTonePttId = m_fiveTonePttId->currentIndex();
    edit.scrambler = m_scrambler->currentIndex();
    edit.txOff = m_txOff->isChecked();
    edit.reverse = m_reverse->isChecked();
    edit.compander = m_compander->isChecked();
    edit.talkAround = m_talkAround->isChecked();
    edit.scanSkip = m_scanSkip->isChecked();
    storeChannelEdit(m_env.state.image, m_slot, edit);
}

// ---- commits and navigation ----------------------------------------------------------

void CChannelEditDialog::commitRx() {
    if (m_committing) return;
    m_committing = true;
    const QString text = m_rx->text();
    if (text.isEmpty() && m_slot == kSlotVFO) {
        m_env.prompts.message(texts::tr(texts::kVfoCannotBeNull));
        m_rx->setText(m_rememberedRx);
    } else if (text.isEmpty()) {
        // The record itself is cleared when the slot is stored.
        showEmptyRecord();
    } else {
        setRecordControlsEnabled(true);
        const RxEntry entry = rxEntry(text, m_env.state.bandLimits);
        m_rx->setText(image::formatFrequency(entry.rx));
        app::Correction correction = entry.rxNote;
        if (m_rememberedRx.isEmpty()) {
            // A new channel starts from the defaults of a cleared record.
            m_tx->setText(image::formatFrequency(entry.tx));
            m_rememberedTx = m_tx->text();
            channelClear(m_env.state.image, m_slot);
            loadOptions(ChannelRecordView(m_env.state.image, m_slot));
            if (!correction.corrected()) correction = entry.txNote;
        }
        m_rememberedRx = m_rx->text();
        m_env.host.showCorrection(correction);
    }
    m_committing = false;
}

void CChannelEditDialog::commitTx() {
    if (m_rx->text().isEmpty()) return;
    // An emptied TX puts the last one back, as in the list: a zero TX frequency would be
    // written as an offset the size of the RX frequency.
    if (image::parseFrequencyText(m_tx->text()).value == 0) {
        m_tx->setText(m_rememberedTx);
        m_env.host.showCorrection(keptTxNote(m_rememberedTx));
        return;
    }
    const TxEntry entry = roundedTxEntry(m_tx->text());
    m_tx->setText(image::formatFrequency(entry.tx));
    m_rememberedTx = m_tx->text();
    m_env.host.showCorrection(entry.note);
}

// Closing or stepping by the arrows moves no focus, so an edit still being typed is
// committed here as leaving the field would have done.
void CChannelEditDialog::commitPendingEdits() {
    if (m_rx->isModified()) commitRx();
    if (m_tx->isModified()) commitTx();
}

void CChannelEditDialog::leaveSlotFor(int slot) {
    commitPendingEdits();
    storeSlot();
    m_no->setText(channelLabel(slot));
    loadSlot(slot);
}

void CChannelEditDialog::navigateToTypedSlot() {
    const int named = slotFromChannelLabel(m_no->text());
    if (named != m_slot) leaveSlotFor(clampedSlot(named));
}

void CChannelEditDialog::stepSlot(int step) {
    leaveSlotFor(steppedSlot(slotFromChannelLabel(m_no->text()), step));
}

void CChannelEditDialog::done(int result) {
    if (!m_stored) {
        commitPendingEdits();
        storeSlot();
        m_stored = true;
    }
    QDialog::done(result);
}

// ---- keys and focus ------------------------------------------------------------------

void CChannelEditDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_F1: m_env.help.showContext(texts::kChannelHelpContext); break;
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter: break;  // neither closes this dialog
    default: QDialog::keyPressEvent(event); return;
    }
    event->accept();
}

bool CChannelEditDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && userLeftField(*static_cast<QFocusEvent*>(event))) {
        if (watched == m_rx) commitRx();
        if (watched == m_tx) commitTx();
        if (watched == m_no) navigateToTypedSlot();
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if ((watched == m_rx || watched == m_tx) && refusedCharacter(key, isFrequencyCharacter)) return true;
        if (watched == m_no && refusedCharacter(key, isDigit)) return true;
        if (watched == m_no && (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down)) {
            stepSlot(key.key() == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace channels
