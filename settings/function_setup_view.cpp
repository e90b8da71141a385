// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/function_setup_view.h"

#include "settings/function_setup.h"
#include "settings/key_setting.h"
#include "forms/combo_helpers.h"
#include "forms/form_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QVBoxLayout>

namespace settings {

namespace fs = function_setup;
namespace texts = function_setup::texts;

namespace {


bool isFormKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape; }

} // namespace

COptionView::COptionView(forms::EditorEnv env, QWidget* parent) : CBaseFormView(env, parent) {
    setObjectName(QStringLiteral("optionView"));
    buildControls();
    layOut();
    fillFixedLists();
    connectControls();
}

int COptionView::helpContext() const { return texts::kHelpContext; }

// ---- controls ------------------------------------------------------------------------

void COptionView::buildControls() {
    m_startingDisplay =
        forms::filteredEdit("startingDisplay", fs::kStartingDisplayLength, forms::printableAscii(), false, this);
    m_displayMode = forms::comboBox("displayMode", this);
    m_displayLock = forms::comboBox("displayLock", this);
    m_vfoMr = forms::comboBox("vfoMr", this);
    m_mrChannel = forms::comboBox("mrChannel", this);
    m_squelchLevel = forms::comboBox("squelchLevel", this);
    m_scanResume = forms::comboBox("frequencyScan", this);
    m_brightness = forms::comboBox("backlightBrightness", this);
    m_toneBurst = forms::comboBox("toneBurst", this);
    m_timeOutTimer = forms::comboBox("timeOutTimer", this);
    m_autoPowerOff = forms::comboBox("autoPowerOff", this);
    m_voicePrompt = forms::comboBox("voicePrompt", this);
    m_backlightColour = forms::comboBox("backlightColor", this);
    m_pttReleaseBeep = forms::comboBox("pttReleaseBeep", this);
    m_scramble = forms::filteredEdit("scrambleFrequency", fs::kScrambleDigits, forms::kDigits, false, this);
    m_squelchKey = forms::comboBox("sqlKeyFunction", this);
    m_tailEliminator = forms::comboBox("tailEliminator", this);
    m_txPower = forms::comboBox("txPower", this);
    m_usePassword = forms::check(texts::tr(texts::kUsePassword), "usePassword", this);
    m_password = forms::filteredEdit("startingPassword", fs::kPasswordLength, forms::kDigits, false, this);
    m_passwordLabel = forms::labelFor(texts::tr(texts::kPassword), m_password);
    m_displayLock->setAccessibleName(texts::tr(texts::kDisplayLockName));
    m_inhibitBackground = forms::check(texts::tr(texts::kInhibitBackground), "inhibitBackground", this);
    m_inhibitInitialise = forms::check(texts::tr(texts::kInhibitInitialise), "inhibitInitialise", this);
    m_eliminateTail = forms::check(texts::tr(texts::kEliminateTail), "eliminateSquelchTail", this);
    for (QLineEdit* edit : {m_startingDisplay, m_scramble, m_password}) edit->installEventFilter(this);
    // The lock comes and goes with the display mode; its place stays, so nothing else moves.
    QSizePolicy lockPolicy = m_displayLock->sizePolicy();
    lockPolicy.setRetainSizeWhenHidden(true);
    m_displayLock->setSizePolicy(lockPolicy);
    m_scramble->setMaximumWidth(m_scramble->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
}

// Two columns in screen order, then the group of operator lock-outs.
void COptionView::layOut() {
    const auto row = [](QFormLayout* column, const QString& text, QWidget* control) {
        column->addRow(forms::labelFor(text, control), control);
    };
    const auto pair = [](QWidget* first, QWidget* second) {
        auto* line = new QHBoxLayout;
        line->addWidget(first);
        line->addWidget(second);
        return line;
    };

    auto* left = new QFormLayout;
    row(left, texts::tr(texts::kStartingDisplay), m_startingDisplay);
    left->addRow(forms::labelFor(texts::tr(texts::kDisplayMode), m_displayMode), pair(m_displayMode, m_displayLock));
    row(left, texts::tr(texts::kVfoMr), m_vfoMr);
    row(left, texts::tr(texts::kMrChannel), m_mrChannel);
    row(left, texts::tr(texts::kSquelchLevel), m_squelchLevel);
    row(left, texts::tr(texts::kFrequencyScan), m_scanResume);
    row(left, texts::tr(texts::kBrightness), m_brightness);
    row(left, texts::tr(texts::kToneBurst), m_toneBurst);
    row(left, texts::tr(texts::kTimeOutTimer), m_timeOutTimer);
    row(left, texts::tr(texts::kAutoPowerOff), m_autoPowerOff);
    row(left, texts::tr(texts::kVoicePrompt), m_voicePrompt);

    auto* right = new QFormLayout;
    row(right, texts::tr(texts::kBacklightColour), m_backlightColour);
    row(right, texts::tr(texts::kPttReleaseBeep), m_pttReleaseBeep);
    right->addRow(forms::labelFor(texts::tr(texts::kScramble), m_scramble),
                  pair(m_scramble, forms::label(texts::tr(texts::kScrambleNote), this)));
    row(right, texts::tr(texts::kSquelchKey), m_squelchKey);
    row(right, texts::tr(texts::kTailEliminator), m_tailEliminator);
    row(right, texts::tr(texts::kTxPower), m_txPower);
    right->addRow(m_usePassword);
    right->addRow(m_passwordLabel, m_password);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(24);
    columns->addLayout(right);
    columns->addStretch(1);

    auto* lockOuts = new QGroupBox(this);
    lockOuts->setObjectName(QStringLiteral("operationsGroup"));
    auto* checks = new QVBoxLayout(lockOuts);
    for (QCheckBox* box : {m_inhibitBackground, m_inhibitInitialise, m_eliminateTail}) checks->addWidget(box);
    auto* lockOutLine = new QHBoxLayout;
    lockOutLine->addWidget(lockOuts);
    lockOutLine->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(lockOutLine);
    layout->addStretch(1);
}

void COptionView::fillFixedLists() {
    forms::combo::fill(m_displayMode, fs::kDisplayModeList);
    forms::combo::fill(m_displayLock, fs::kDisplayLockList);
    forms::combo::fill(m_vfoMr, fs::kVfoMrList);
    forms::combo::fill(m_squelchLevel, fs::squelchLevelList());
    forms::combo::fill(m_scanResume, fs::kScanResumeList);
    forms::combo::fill(m_brightness, fs::brightnessList());
    forms::combo::fill(m_toneBurst, fs::kToneBurstList);
    forms::combo::fill(m_timeOutTimer, fs::timeOutTimerList());
    forms::combo::fill(m_autoPowerOff, fs::kAutoPowerOffList);
    forms::combo::fill(m_voicePrompt, fs::kOffOnList);
    forms::combo::fill(m_backlightColour, fs::kBacklightColourList);
    forms::combo::fill(m_pttReleaseBeep, fs::kOffOnList);
    forms::combo::fill(m_squelchKey, fs::kSquelchKeyList);
    forms::combo::fill(m_tailEliminator, fs::kTailEliminatorList);
    forms::combo::fill(m_txPower, fs::kTxPowerList);
}

// The rules follow the user's actions only; a load sets values without running them and
// runs the dependants once at its end.
void COptionView::connectControls() {
    connect(m_usePassword, &QCheckBox::clicked, this, [this] { updatePasswordVisibility(); });
    connect(m_displayMode, &QComboBox::activated, this, [this] { updateDisplayModeDependants(); });
    connect(m_scramble, &QLineEdit::editingFinished, this, [this] { leaveScramble(); });
}

// ---- image ---------------------------------------------------------------------------

void COptionView::LoadFromImage() {
    commitFocusedField();
    const image::RadioImage& im = img();
    loadMrChannel();
    m_scramble->setText(QString::number(fs::scrambleHzFromWord(im.u16le(fs::kScrambleWord))));
    forms::setLoadedText(m_password, fs::password(im));
    forms::combo::selectIndex(m_displayMode, im.u8(fs::kDisplayMode));
    forms::combo::selectIndex(m_displayLock, im.u8(fs::kDisplayLock));
    forms::combo::selectIndex(m_vfoMr, im.u8(fs::kVfoMr));
    forms::combo::selectIndex(m_squelchLevel, im.u8(fs::kSquelchLevel));
    forms::combo::selectIndex(m_scanResume, im.u8(fs::kScanResume));
    forms::combo::selectIndex(m_brightness, im.u8(fs::kBrightness));
    forms::combo::selectIndex(m_toneBurst, im.u8(fs::kToneBurst));
    forms::combo::selectIndex(m_timeOutTimer, im.u8(fs::kTimeOutTimer));
    forms::combo::selectIndex(m_autoPowerOff, im.u8(fs::kAutoPowerOff));
    forms::combo::selectIndex(m_voicePrompt, im.u8(fs::kVoicePrompt));
    forms::combo::selectIndex(m_backlightColour, im.u8(fs::kBacklightColour));
    forms::combo::selectIndex(m_pttReleaseBeep, im.u8(fs::kPttReleaseBeep));
    forms::combo::selectIndex(m_squelchKey, int(im.get(fs::kSquelchKeyFunction)));
    forms::combo::selectIndex(m_tailEliminator, im.u8(fs::kTailEliminator));
    forms::combo::selectIndex(m_txPower, im.u8(fs::kTxPowerClass));
    m_usePassword->setChecked(im.get(fs::kUsePassword) != 0);
    m_inhibitBackground->setChecked(im.get(fs::kInhibitBackgroundSetup) != 0);
    m_inhibitInitialise->setChecked(im.get(fs::kInhibitInitialise) != 0);
    m_eliminateTail->setChecked(im.get(fs::kEliminateTailWithoutTone) != 0);
    forms::setLoadedText(m_startingDisplay, fs::startingDisplay(im));
    runDependants();
}

void COptionView::StoreToImage() {
    commitFocusedField();
    runDependants();
    image::RadioImage& im = img();
    im.setU16le(fs::kScrambleWord, fs::scrambleWordToStore(im.u16le(fs::kScrambleWord), m_scramble->text().toInt()));
    fs::setPassword(im, m_password->text());
    forms::combo::storeSelectedIndex(im, fs::kDisplayMode, m_displayMode);
    forms::combo::storeSelectedIndex(im, fs::kDisplayLock, m_displayLock);
    forms::combo::storeSelectedIndex(im, fs::kVfoMr, m_vfoMr);
    forms::combo::storeSelectedIndex(im, fs::kSquelchLevel, m_squelchLevel);
    forms::combo::storeSelectedIndex(im, fs::kScanResume, m_scanResume);
    forms::combo::storeSelectedIndex(im, fs::kBrightness, m_brightness);
    forms::combo::storeSelectedIndex(im, fs::kToneBurst, m_toneBurst);
    forms::combo::storeSelectedIndex(im, fs::kTimeOutTimer, m_timeOutTimer);
    forms::combo::storeSelectedIndex(im, fs::kAutoPowerOff, m_autoPowerOff);
    forms::combo::storeSelectedIndex(im, fs::kVoicePrompt, m_voicePrompt);
    forms::combo::storeSelectedIndex(im, fs::kBacklightColour, m_backlightColour);
    forms::combo::storeSelectedIndex(im, fs::kPttReleaseBeep, m_pttReleaseBeep);
    forms::combo::storeSelectedIndex(im, fs::kTailEliminator, m_tailEliminator);
    forms::combo::storeSelectedIndex(im, fs::kTxPowerClass, m_txPower);
    im.setU8(fs::kMrChannel, fs::mrChannelByte(m_mrChannel->currentText()));
    const bool momentary = m_squelchKey->currentIndex() == fs::kSquelchOffMomentary;
    im.set(fs::kSquelchKeyFunction, momentary ? 0 : 1);
    if (momentary) keys::clearShortPressMoni(im);  // a momentary squelch key cannot share with MONI
    im.set(fs::kUsePassword, m_usePassword->isChecked());
    im.set(fs::kInhibitBackgroundSetup, m_inhibitBackground->isChecked());
    im.set(fs::kInhibitInitialise, m_inhibitInitialise->isChecked());
    im.set(fs::kEliminateTailWithoutTone, m_eliminateTail->isChecked());
    fs::setStartingDisplay(im, m_startingDisplay->text());
}

// The list holds the channels in use; the stored channel is found by its exact text (so 1
// never lands on 10), else the first channel in use is shown, or nothing in an empty radio.
void COptionView::loadMrChannel() {
    forms::combo::fill(m_mrChannel, fs::mrChannelList(img()));
    const int index = m_mrChannel->findText(fs::mrChannelText(img().u8(fs::kMrChannel)));
    m_mrChannel->setCurrentIndex(index >= 0 ? index : (m_mrChannel->count() > 0 ? 0 : -1));
}

// ---- rules ---------------------------------------------------------------------------

void COptionView::runDependants() {
    updatePasswordVisibility();
    updateDisplayModeDependants();
    correctScramble();
}

// The password is stored whether shown or not.
void COptionView::updatePasswordVisibility() {
    const bool on = m_usePassword->isChecked();
    m_passwordLabel->setVisible(on);
    m_password->setVisible(on);
}

// Only the "Channel" display can lock; the lock goes back to "No Lock" with any other mode.
void COptionView::updateDisplayModeDependants() {
    const bool channel = m_displayMode->currentIndex() == fs::kDisplayModeChannel;
    m_vfoMr->setEnabled(!channel);
    m_displayLock->setVisible(channel);
    if (!channel) m_displayLock->setCurrentIndex(0);
}

void COptionView::correctScramble() {
    m_scramble->setText(QString::number(fs::correctedScrambleHz(m_scramble->text())));
}

// The user leaving the field: the same correction, and a word when it changed the value.
void COptionView::leaveScramble() {
    const fs::CheckedScramble checked = fs::checkTypedScramble(m_scramble->text());
    m_scramble->setText(QString::number(checked.hz));
    env().host.showCorrection(checked.note);
}

// ---- keys ----------------------------------------------------------------------------

void COptionView::keyPressEvent(QKeyEvent* event) {
    if (!isFormKey(event->key())) {
        CBaseFormView::keyPressEvent(event);
        return;
    }
    event->accept();  // Enter and Escape do nothing in this form
}

// Enter in a text field would finish the edit; in this form it does nothing.
bool COptionView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isFormKey(static_cast<QKeyEvent*>(event)->key())) return true;
    return CBaseFormView::eventFilter(watched, event);
}

void COptionView::showEvent(QShowEvent* event) {
    CBaseFormView::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    m_squelchLevel->setFocus(Qt::OtherFocusReason);
}

} // namespace settings
