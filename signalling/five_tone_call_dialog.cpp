// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/five_tone_call_dialog.h"

#include "forms/combo_helpers.h"
#include "forms/form_widgets.h"
#include "signalling/five_tone_texts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace signalling {

namespace {

namespace ft = five_tone;

constexpr int kPttIdMessageLength = 8;
constexpr int kListMessageLength = 16;
constexpr int kOtherSideIdLength = 5;

QString lettersAndDigits() {
    QString chars = QString::fromLatin1(forms::kDigits);
    for (char c = 'A'; c <= 'Z'; ++c) chars.append(QLatin1Char(c)).append(QLatin1Char(char(c - 'A' + 'a')));
    return chars;
}

QPushButton* button(const QString& text, const char* objectName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

} // namespace

CFiveToneSpecialCallDialog::CFiveToneSpecialCallDialog(Variant variant, std::uint8_t interval, int entry,
                                                       QWidget* parent)
    : QDialog(parent) {
    const bool list = variant == Variant::EncodeList;
    setObjectName(QStringLiteral("fiveToneSpecialCallDialog"));
    setWindowTitle(ft::texts::tr(ft::texts::kDialogTitle));

    m_kind = forms::comboBox("callKind", this);
    m_otherSideId = forms::filteredEdit("otherSideId", kOtherSideIdLength, QString::fromLatin1(forms::kDigits), false, this);
    m_interval = forms::comboBox("intervalCharacter", this);
    m_message = forms::filteredEdit("message", list ? kListMessageLength : kPttIdMessageLength, lettersAndDigits(),
                                   false, this);
    m_otherSideIdLabel = forms::labelFor(ft::texts::tr(ft::texts::kOtherSideId), m_otherSideId);
    m_intervalLabel = forms::labelFor(ft::texts::tr(ft::texts::kIntervalCharacter), m_interval);
    m_messageLabel = forms::labelFor(ft::texts::tr(ft::texts::kMessage), m_message);

    auto* fields = new QFormLayout;
    if (list) {
        m_entry = forms::comboBox("entryNumber", this);
        forms::combo::fill(m_entry, ft::numberList(0, ft::kEncodeEntries - 1, 1));
        forms::combo::selectIndex(m_entry, entry);
        fields->addRow(forms::labelFor(ft::texts::tr(ft::texts::kEntryNumber), m_entry), m_entry);
    }
    const QString kindLabel = list ? ft::texts::tr(ft::texts::kChooseCallFormat) : ft::texts::tr(ft::texts::kChooseCallType);
    fields->addRow(forms::labelFor(kindLabel, m_kind), m_kind);
    fields->addRow(m_otherSideIdLabel, m_otherSideId);
    fields->addRow(m_intervalLabel, m_interval);
    fields->addRow(m_messageLabel, m_message);

    forms::combo::fill(m_kind, ft::kCallKindList);
    m_kind->setCurrentIndex(0);  // "Send Message"
    m_otherSideId->setText(QString::fromLatin1(ft::texts::kOtherSideIdPreset));
    forms::combo::fill(m_interval, list ? ft::kListIntervalList : ft::kPttIdIntervalList);
    const int shown = m_interval->findText(QString::number(interval, 16).toUpper());
    m_interval->setCurrentIndex(shown < 0 ? 0 : shown);
    if (list)  // the list's dialog completes a short ID as soon as the field is left
        connect(m_otherSideId, &QLineEdit::editingFinished, this,
                [this] { m_otherSideId->setText(ft::padOtherSideId(m_otherSideId->text())); });

    QPushButton* ok = button(ft::texts::tr(ft::texts::kOk), "ok", this);
    QPushButton* cancel = button(ft::texts::tr(ft::texts::kCancel), "cancel", this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] { showFieldsForKind(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    showFieldsForKind();
    forms::addButtonMnemonics(this);
}

void CFiveToneSpecialCallDialog::showFieldsForKind() {
    const ft::CallKind kind = ft::callKindFromText(m_kind->currentText());
    const bool id = kind == ft::CallKind::SendMessage || kind == ft::CallKind::Ani;
    m_otherSideIdLabel->setVisible(id);
    m_otherSideId->setVisible(id);
    m_intervalLabel->setVisible(kind == ft::CallKind::Ani);
    m_interval->setVisible(kind == ft::CallKind::Ani);
    m_messageLabel->setVisible(kind == ft::CallKind::SendMessage);
    m_message->setVisible(kind == ft::CallKind::SendMessage);
}

ft::SpecialCall CFiveToneSpecialCallDialog::call() const {
    ft::SpecialCall call;
    call.kind = ft::callKindFromText(m_kind->currentText());
    call.otherSideId = ft::padOtherSideId(m_otherSideId->text());
    call.interval = ft::intervalByte(m_interval->currentText());
    call.message = m_message->text();
    call.entry = m_entry ? std::max(m_entry->currentIndex(), 0) : 0;
    return call;
}

void CFiveToneSpecialCallDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: event->accept(); return;
    default: QDialog::keyPressEvent(event);
    }
}

} // namespace signalling
