// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/five_tone_view.h"

#include "grid/grid_view.h"
#include "forms/combo_helpers.h"
#include "forms/form_widgets.h"
#include "signalling/audition_panel.h"
#include "signalling/five_tone_codes.h"
#include "signalling/five_tone_encode_list.h"
#include "signalling/five_tone_call_dialog.h"
#include "signalling/five_tone_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace signalling {

namespace {

namespace ft = five_tone;
using five_tone::Addr;

constexpr int kFunctionOptionEmergency = 2;
constexpr int kFunctionOptionWakeUp = 5;
constexpr int kFunctionOptionGroupCall = 6;
constexpr int kResponseNone = 0;
constexpr int kResponseBeepAndResponse = 2;
constexpr int kToneTableLines = 22;
constexpr int kToneTableColumns = 24;

const char* kLoadedByte = "loadedByte";

// An index list shows the stored position; a byte past the list shows no selection and is
// written back as it was while the user leaves the list alone.
void loadIndex(QComboBox* box, std::uint8_t stored) {
    forms::combo::selectIndex(box, stored);
    box->setProperty(kLoadedByte, unsigned(stored));
}

std::uint8_t storeIndex(const QComboBox* box) {
    const QVariant loaded = box->property(kLoadedByte);
    if (box->currentIndex() < 0 && loaded.isValid()) return std::uint8_t(loaded.toUInt());
    return forms::combo::storedIndex(box);
}

QPushButton* button(const QString& text, const char* objectName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

void selectText(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    if (index >= 0) box->setCurrentIndex(index);
}

} // namespace

CT5View::CT5View(forms::EditorEnv env, QWidget* parent)
    : CBaseFormView(env, parent), m_runSpecialCall([](CFiveToneSpecialCallDialog& dialog) {
          return dialog.exec() == QDialog::Accepted;
      }) {
    setObjectName(QStringLiteral("fiveToneView"));
    QWidget* general = buildGeneral();
    QGroupBox* bot = buildPttIdCode(m_bot, ft::texts::tr(ft::texts::kBotGroup), "bot");
    QGroupBox* eot = buildPttIdCode(m_eot, ft::texts::tr(ft::texts::kEotGroup), "eot");
    QGroupBox* information = buildInformation();
    m_toneTable = new QPlainTextEdit(this);
    m_toneTable->setObjectName(QStringLiteral("toneTable"));
    m_toneTable->setReadOnly(true);
    m_toneTable->setAccessibleName(ft::texts::tr(ft::texts::kToneTableName));
    m_toneTable->setMinimumHeight(m_toneTable->fontMetrics().lineSpacing() * kToneTableLines / 2);
    m_toneTable->setFixedWidth(m_toneTable->fontMetrics().horizontalAdvance(QStringLiteral("0")) * kToneTableColumns);
    m_grid = new grid::GridView(this);
    m_grid->setAccessibleName(ft::texts::tr(ft::texts::kEncodeListName));
    m_listSpecialCall = button(ft::texts::tr(ft::texts::kSpecialCall), "listSpecialCall", this);
    m_list = std::make_unique<FiveToneEncodeList>(*m_grid, env.prompts, [this](int s) { showToneTable(s); });

    auto* top = new QHBoxLayout;
    top->addWidget(general, 1);
    top->addWidget(m_toneTable);
    auto* codes = new QHBoxLayout;
    codes->addWidget(bot);
    codes->addWidget(eot);
    codes->addWidget(information);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(m_listSpecialCall);
    addAuditionButtons(listButtons);
    listButtons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(codes);
    layout->addWidget(m_grid, 1);
    layout->addLayout(listButtons);

    fillLists();
    connectControls();
}

// The panel goes before the base destructor hides the form and moves the focus.
CT5View::~CT5View() { m_audition.reset(); }

int CT5View::helpContext() const { return ft::texts::kHelpContext; }

// ---- controls ------------------------------------------------------------------------

QWidget* CT5View::buildGeneral() {
    auto* box = new QWidget(this);
    m_selfId = forms::filteredEdit("selfId", ft::kSelfIdDigits, QString::fromLatin1(forms::kDigits), false, box);
    m_decodeStandard = forms::comboBox("decodeStandard", box);
    m_decodingResponse = forms::comboBox("decodingResponse", box);
    m_decodeToneLength = forms::comboBox("decodeToneLength", box);
    m_pretime = forms::comboBox("pretime", box);
    m_autoResetTime = forms::comboBox("autoResetTime", box);
    m_timeLapse = forms::comboBox("timeLapseAfterEncode", box);
    m_pttIdPause = forms::comboBox("pttIdPauseTime", box);
    m_firstDelay = forms::comboBox("firstDelay", box);
    m_stopCode = forms::comboBox("stopCode", box);
    m_stopTime = forms::comboBox("stopTime", box);
    m_decodeTime = forms::comboBox("decodeTime", box);
    m_sideTone = forms::check(ft::texts::tr(ft::texts::kSideTone), "sideTone", box);
    m_msLists = {{m_decodeToneLength, ft::kDecodeToneLength}, {m_pretime, ft::kPretime},
                 {m_timeLapse, ft::kTimeLapseAfterEncode},  {m_firstDelay, ft::kFirstDelay},
                 {m_stopTime, ft::kStopTime},               {m_decodeTime, ft::kDecodeTime}};

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::pair<QString, QWidget*> fields[] = {
        {ft::texts::tr(ft::texts::kSelfId), m_selfId},
        {ft::texts::tr(ft::texts::kDecodeStandard), m_decodeStandard},
        {ft::texts::tr(ft::texts::kDecodingResponse), m_decodingResponse},
        {ft::texts::tr(ft::texts::kDecodeToneLength), m_decodeToneLength},
        {ft::texts::tr(ft::texts::kPretime), m_pretime},
        {ft::texts::tr(ft::texts::kAutoResetTime), m_autoResetTime},
        {ft::texts::tr(ft::texts::kTimeLapseAfterEncode), m_timeLapse},
        {ft::texts::tr(ft::texts::kPttIdPause), m_pttIdPause},
        {ft::texts::tr(ft::texts::kFirstDelay), m_firstDelay},
        {ft::texts::tr(ft::texts::kStopCode), m_stopCode},
        {ft::texts::tr(ft::texts::kStopTime), m_stopTime},
        {ft::texts::tr(ft::texts::kDecodeTime), m_decodeTime},
    };
    constexpr int kRows = 6;
    int i = 0;
    for (const auto& [text, control] : fields) {
        grid->addWidget(forms::labelFor(text, control), i % kRows, 2 * (i / kRows));
        grid->addWidget(control, i % kRows, 2 * (i / kRows) + 1);
        ++i;
    }
    grid->addWidget(m_sideTone, kRows, 1);
    grid->setColumnStretch(4, 1);  // the lists keep their natural width
    return box;
}

QGroupBox* CT5View::buildPttIdCode(PttIdCode& code, const QString& title, const char* prefix) {
    auto* group = new QGroupBox(title, this);
    const auto name = [prefix](const char* field) { return QByteArray(prefix) + field; };
    code.encodeId = forms::filteredEdit(name("EncodeId").constData(), ft::kPttIdCodeDigits,
                                       QString::fromLatin1(forms::kHexDigits), true, group);
    code.standard = forms::comboBox(name("Standard").constData(), group);
    code.toneLength = forms::comboBox(name("ToneLength").constData(), group);
    code.specialCall = button(ft::texts::tr(ft::texts::kSpecialCall), name("SpecialCall").constData(), group);
    auto* fields = new QFormLayout(group);
    fields->addRow(forms::labelFor(ft::texts::tr(ft::texts::kEncodeId), code.encodeId), code.encodeId);
    fields->addRow(forms::labelFor(ft::texts::tr(ft::texts::kStandard), code.standard), code.standard);
    fields->addRow(forms::labelFor(ft::texts::tr(ft::texts::kToneLength), code.toneLength), code.toneLength);
    code.buttons = new QHBoxLayout;
    code.buttons->addWidget(code.specialCall);
    fields->addRow(QString(), code.buttons);
    return group;
}

QGroupBox* CT5View::buildInformation() {
    auto* group = new QGroupBox(ft::texts::tr(ft::texts::kInformationGroup), this);
    m_infoNumber = forms::comboBox("informationNumber", group);
    m_functionOption = forms::comboBox("functionOption", group);
    m_infoResponse = forms::comboBox("informationResponse", group);
    m_infoId = forms::filteredEdit("informationId", ft::kInfoIdDigits, QString::fromLatin1(forms::kHexDigits), true, group);
    m_functionName = forms::filteredEdit("functionName", ft::kInfoFunctionNameLength, forms::printableAscii(), true, group);
    auto* fields = new QFormLayout(group);
    fields->addRow(forms::labelFor(ft::texts::tr(ft::texts::kInformationNumber), m_infoNumber), m_infoNumber);
    fields->addRow(forms::labelFor(ft::texts::tr(ft::texts::kFunctionOption), m_functionOption), m_functionOption);
    fields->addRow(forms::labelFor(ft::texts::tr(ft::texts::kDecodingResponse), m_infoResponse), m_infoResponse);
    fields->addRow(forms::labelFor(ft::texts::tr(ft::texts::kInformationId), m_infoId), m_infoId);
    fields->addRow(forms::labelFor(ft::texts::tr(ft::texts::kFunctionName), m_functionName), m_functionName);
    return group;
}

// Play beside the list and beside each PTT ID code; the list's comes first, so it is what
// Ctrl+Space plays until another code is chosen.
void CT5View::addAuditionButtons(QHBoxLayout* listButtons) {
    using audition::Source;
    using audition::SourceKind;
    m_audition = std::make_unique<AuditionPanel>(env(), [this] { storeForAudition(); }, this);
    QPushButton* listPlay = m_audition->addPlayButton(
        m_grid, [this] { return Source{SourceKind::FiveToneEntry, m_list->currentEntry()}; }, "encodeListPlay",
        ft::texts::tr(ft::texts::kEncodeListName), this);
    listButtons->addWidget(listPlay);
    listButtons->addWidget(m_audition->saveButton());
    setTabOrder(m_listSpecialCall, listPlay);
    setTabOrder(listPlay, m_audition->saveButton());
    // Any field of a code's group chooses that code.
    const auto codePlay = [this](PttIdCode& code, SourceKind kind, const char* name, const QString& title) {
        QPushButton* play = m_audition->addPlayButton(
            code.specialCall->parentWidget(), [kind] { return Source{kind}; }, name, title,
            code.specialCall->parentWidget());
        code.buttons->addWidget(play);
        setTabOrder(code.specialCall, play);
    };
    codePlay(m_bot, SourceKind::FiveTonePttIdStart, "botPlay", ft::texts::tr(ft::texts::kBotGroup));
    codePlay(m_eot, SourceKind::FiveTonePttIdEnd, "eotPlay", ft::texts::tr(ft::texts::kEotGroup));
}

void CT5View::fillLists() {
    const QStringList standards = ft::standardNames();
    const QStringList toneLengths = ft::toneLengthEntries();
    forms::combo::fill(m_decodeStandard, standards);
    forms::combo::fill(m_decodingResponse, ft::kDecodingResponseList);
    forms::combo::fill(m_decodeToneLength, toneLengths);
    forms::combo::fill(m_pretime, ft::delayEntries());
    forms::combo::fill(m_autoResetTime, ft::autoResetEntries());
    forms::combo::fill(m_timeLapse, ft::delayEntries());
    forms::combo::fill(m_pttIdPause, ft::pttIdPauseEntries());
    forms::combo::fill(m_firstDelay, ft::delayEntries());
    forms::combo::fill(m_stopCode, ft::kStopCodeList);
    forms::combo::fill(m_stopTime, ft::stopTimeEntries());
    forms::combo::fill(m_decodeTime, ft::decodeTimeEntries());
    for (PttIdCode* code : {&m_bot, &m_eot}) {
        forms::combo::fill(code->standard, standards);
        forms::combo::fill(code->toneLength, toneLengths);
    }
    forms::combo::fill(m_infoNumber, ft::kInformationNumberList);
    m_infoNumber->setCurrentIndex(0);
    forms::combo::fill(m_functionOption, ft::kFunctionOptionList);
}

void CT5View::connectControls() {
    connect(m_selfId, &QLineEdit::editingFinished, this, [this] { completeSelfId(); });
    connect(m_decodeStandard, &QComboBox::activated, this,
            [this](int standard) { standardChosen(m_decodeToneLength, standard); });
    for (PttIdCode* code : {&m_bot, &m_eot}) {
        connect(code->standard, &QComboBox::activated, this,
                [this, code](int standard) { standardChosen(code->toneLength, standard); });
        connect(code->encodeId, &QLineEdit::textEdited, this, [code] { code->typed = true; });
        connect(code->encodeId, &QLineEdit::editingFinished, this, [this, code] { leavePttIdCode(*code); });
        connect(code->specialCall, &QPushButton::clicked, this, [this, code] { pttIdSpecialCall(*code); });
    }
    connect(m_infoNumber, &QComboBox::activated, this, [this](int index) { switchInformation(index + 1); });
    connect(m_functionOption, &QComboBox::activated, this, [this](int option) { applyFunctionOptionRule(option); });
    connect(m_listSpecialCall, &QPushButton::clicked, this, [this] { listSpecialCall(); });
}

// ---- image ---------------------------------------------------------------------------

void CT5View::LoadFromImage() {
    commitFocusedField();
    m_grid->commitEdit();
    loadInformation(m_shownInfo);
    loadGeneral();
    loadPttIdCode(m_bot);
    loadPttIdCode(m_eot);
    m_list->load(img(), m_selfId->text());
    showToneTable(0);
}

void CT5View::StoreToImage() {
    commitFocusedField();
    m_grid->commitEdit();
    completeSelfId();  // the list's PTT ID and ANI entries are built on all five digits
    storeInformation(m_shownInfo);
    storeGeneral();
    storePttIdCode(m_bot);
    storePttIdCode(m_eot);
    m_list->store(img(), m_selfId->text());
}

void CT5View::loadInformation(int number) {
    const Addr record = ft::informationAddress(number);
    loadIndex(m_functionOption, img().u8(Addr(record + ft::kInfoFunctionOption)));
    applyFunctionOptionRule(m_functionOption->currentIndex());
    loadIndex(m_infoResponse, img().u8(Addr(record + ft::kInfoDecodingResponse)));
    forms::setLoadedText(m_infoId, ft::readInformationId(img(), number));
    forms::setLoadedText(m_functionName, ft::readFunctionName(img(), number));
}

void CT5View::storeInformation(int number) {
    const Addr record = ft::informationAddress(number);
    img().setU8(Addr(record + ft::kInfoFunctionOption), storeIndex(m_functionOption));
    img().setU8(Addr(record + ft::kInfoDecodingResponse), storeIndex(m_infoResponse));
    ft::writeInformationId(img(), number, m_infoId->text());
    ft::writeFunctionName(img(), number, m_functionName->text());
}

void CT5View::loadGeneral() {
    loadIndex(m_decodingResponse, img().u8(ft::kDecodingResponse));
    loadIndex(m_decodeStandard, img().u8(ft::kDecodeStandard));
    forms::setLoadedText(m_selfId, ft::readSelfId(img()));
    for (const MsList& list : m_msLists) forms::combo::selectPrefix(list.box, ft::msText(img().u8(list.at)));
    forms::combo::selectPrefix(m_autoResetTime, ft::tenthsText(img().u8(ft::kAutoResetTime)));
    forms::combo::selectPrefix(m_pttIdPause, ft::pttIdPauseText(img().u8(ft::kPttIdPause)));
    forms::combo::selectPrefix(m_stopCode, ft::stopCodeText(img().u8(ft::kStopCode)));
    m_sideTone->setChecked(img().u8(ft::kSideTone) != 0);
}

void CT5View::storeGeneral() {
    img().setU8(ft::kDecodingResponse, storeIndex(m_decodingResponse));
    img().setU8(ft::kDecodeStandard, storeIndex(m_decodeStandard));
    ft::writeSelfId(img(), m_selfId->text());
    for (const MsList& list : m_msLists) img().setU8(list.at, ft::msValue(list.box->currentText()));
    img().setU8(ft::kAutoResetTime, ft::autoResetValue(m_autoResetTime->currentText()));
    img().setU8(ft::kPttIdPause, ft::pttIdPauseValue(m_pttIdPause->currentText()));
    img().setU8(ft::kStopCode, ft::stopCodeByte(m_stopCode->currentText()));
    img().setU8(ft::kSideTone, m_sideTone->isChecked() ? 1 : 0);
}

void CT5View::loadPttIdCode(PttIdCode& code) {
    loadIndex(code.standard, img().u8(Addr(code.record + ft::kCodeStandard)));
    forms::combo::selectPrefix(code.toneLength, ft::msText(img().u8(Addr(code.record + ft::kCodeToneLength))));
    code.loaded = ft::readPttIdCode(img(), code.record);
    forms::setLoadedText(code.encodeId, code.loaded);
    code.typed = false;
}

void CT5View::storePttIdCode(const PttIdCode& code) {
    img().setU8(Addr(code.record + ft::kCodeStandard), storeIndex(code.standard));
    img().setU8(Addr(code.record + ft::kCodeToneLength), ft::msValue(code.toneLength->currentText()));
    // A code left as loaded keeps every digit byte, padding included, and its length as far as
    // the field reaches.
    if (code.encodeId->text() != code.loaded) ft::writePttIdCode(img(), code.record, code.encodeId->text());
    else ft::clampCodeLength(img(), code.record, ft::kPttIdCodeDigits);
}

// ---- rules ---------------------------------------------------------------------------

void CT5View::switchInformation(int number) {
    if (number == m_shownInfo) return;
    storeInformation(m_shownInfo);
    m_shownInfo = number;
    loadInformation(number);
}

// What each function option allows for its decoding response and function name.
void CT5View::applyFunctionOptionRule(int option) {
    forms::combo::fill(m_infoResponse, ft::informationResponseEntries(option));
    const bool fixedResponse = option >= kFunctionOptionEmergency && option <= kFunctionOptionGroupCall;
    m_infoResponse->setEnabled(!fixedResponse);
    const bool remote = option > kFunctionOptionEmergency && option <= kFunctionOptionWakeUp;
    m_infoResponse->setCurrentIndex(remote ? kResponseBeepAndResponse : kResponseNone);
    const bool noName = !ft::hasFunctionName(option);
    if (noName) m_functionName->clear();
    m_functionName->setEnabled(!noName);
}

void CT5View::standardChosen(QComboBox* toneLength, int standard) {
    selectText(toneLength, QString::number(ft::defaultToneLengthMs(standard)));
    showToneTable(standard);
}

void CT5View::showToneTable(int standard) {
    // The table's "\r\r\n" and "\r\n" are line ends of the radio's own software.
    m_toneTable->setPlainText(ft::standardTableText(standard).remove(u'\r'));
}

void CT5View::completeSelfId() {
    if (m_selfId->text().size() < ft::kSelfIdDigits) m_selfId->setText(ft::completeSelfId(m_selfId->text()));
}

// Typed digits follow the repeat rule when the field is left; a loaded code is shown as stored.
void CT5View::leavePttIdCode(PttIdCode& code) {
    if (!code.typed) return;
    code.typed = false;
    code.encodeId->setText(ft::applyRepeatRule(code.encodeId->text()));
}

void CT5View::pttIdSpecialCall(PttIdCode& code) {
    CFiveToneSpecialCallDialog dialog(CFiveToneSpecialCallDialog::Variant::PttIdCode,
                                      img().u8(ft::kIntervalCharacter), 0, this);
    if (!m_runSpecialCall(dialog)) return;
    const ft::SpecialCall call = dialog.call();
    img().setU8(ft::kIntervalCharacter, call.interval);
    completeSelfId();
    code.encodeId->setText(ft::composePttIdCall(call, m_selfId->text()));
    code.typed = false;
}

void CT5View::listSpecialCall() {
    m_grid->commitEdit();
    CFiveToneSpecialCallDialog dialog(CFiveToneSpecialCallDialog::Variant::EncodeList,
                                      img().u8(ft::kIntervalCharacter), m_list->currentEntry(), this);
    if (!m_runSpecialCall(dialog)) return;
    const ft::SpecialCall call = dialog.call();
    img().setU8(ft::kIntervalCharacter, call.interval);
    m_list->applySpecialCall(call);
}

// What is heard is what the form shows: the form stores first, and the main window takes the
// store as an edit of its own (one undo step when something changed).
void CT5View::storeForAudition() {
    StoreToImage();
    emit editCompleted();
}

} // namespace signalling
