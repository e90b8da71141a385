// SPDX-License-Identifier: GPL-3.0-or-later
#include "signalling/dtmf_call_dialog.h"

#include "channels/value_tables.h"
#include "forms/combo_helpers.h"
#include "forms/form_widgets.h"
#include "signalling/dtmf_texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace signalling {

namespace {

constexpr int kOtherSideIdLength = 3;

QStringList entryLabels() {
    QStringList labels;
    for (int index = 0; index < dtmf::kEncodeEntries; ++index) labels.append(channels::dtmfCodeLabel(index));
    return labels;
}

} // namespace

CDtmfSpecialCallDialog::CDtmfSpecialCallDialog(int entry, QString interval, QString selfId, QWidget* parent)
    : QDialog(parent), m_no(forms::comboBox("specialCallNo", this)), m_callType(forms::comboBox("callType", this)),
      m_otherSideLabel(forms::label(dtmf::texts::tr(dtmf::texts::kOtherSideId), this)),
      // The other side ID goes into a code: only DTMF symbols can be packed into its nibbles.
      m_otherSide(forms::filteredEdit("otherSideId", kOtherSideIdLength, QString::fromLatin1(forms::kDtmfSymbols), true,
                                     this)),
      m_interval(std::move(interval)), m_selfId(std::move(selfId)) {
    setObjectName(QStringLiteral("dtmfSpecialCallDialog"));
    setWindowTitle(dtmf::texts::tr(dtmf::texts::kSpecialCallTitle));

    forms::combo::fill(m_no, entryLabels());
    m_no->setCurrentIndex(entry >= 0 && entry < dtmf::kEncodeEntries ? entry : 0);
    forms::combo::fill(m_callType, dtmf::kSpecialCallTypeList);
    m_callType->setCurrentIndex(int(dtmf::SpecialCallType::Ani));
    m_otherSide->setText(QString::fromLatin1(dtmf::texts::kOtherSidePreset));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(dtmf::texts::tr(dtmf::texts::kOk), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(dtmf::texts::tr(dtmf::texts::kCancel), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("ok"));
    cancel->setObjectName(QStringLiteral("cancel"));
    ok->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(forms::labelFor(dtmf::texts::tr(dtmf::texts::kNo), m_no), 0, 0);
    layout->addWidget(m_no, 0, 1);
    layout->addWidget(forms::labelFor(dtmf::texts::tr(dtmf::texts::kCallType), m_callType), 1, 0);
    layout->addWidget(m_callType, 1, 1);
    m_otherSideLabel->setBuddy(m_otherSide);
    layout->addWidget(m_otherSideLabel, 2, 0);
    layout->addWidget(m_otherSide, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_callType, &QComboBox::activated, this, [this](int type) { showOtherSideFor(type); });
    showOtherSideFor(m_callType->currentIndex());
    forms::addButtonMnemonics(this);
}

void CDtmfSpecialCallDialog::showOtherSideFor(int callType) {
    const bool ani = callType == int(dtmf::SpecialCallType::Ani);
    m_otherSideLabel->setVisible(ani);
    m_otherSide->setVisible(ani);
}

std::optional<CDtmfSpecialCallDialog::Call> CDtmfSpecialCallDialog::call() const {
    // An empty text would read as number 0, that is "M1": only an "M" label names an entry.
    const QString label = m_no->currentText();
    if (!label.startsWith(u'M')) return {};
    const int entry = channels::dtmfCodeIndex(label);
    if (entry < 0 || entry >= dtmf::kEncodeEntries) return {};
    const auto type = m_callType->currentIndex() == int(dtmf::SpecialCallType::PttId) ? dtmf::SpecialCallType::PttId
                                                                                      : dtmf::SpecialCallType::Ani;
    return Call{entry, dtmf::specialCallCode(type, m_otherSide->text(), m_interval, m_selfId)};
}

} // namespace signalling
