// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/model_dialog.h"

#include "forms/form_widgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>
#include <vector>

namespace shell {

namespace {

QLineEdit* mhzEntry(int mhz, const char* name, const QString& spokenName) {
    auto* entry = new QLineEdit(QString::number(mhz));
    entry->setObjectName(QLatin1String(name));
    entry->setAccessibleName(spokenName);
    entry->setMaxLength(ModelDialog::kEntryLength);
    return entry;
}

// The entry read as a signed whole number; nothing for text that is none.
std::optional<int> entryValue(const QLineEdit* entry) {
    bool ok = false;
    const int value = entry->text().trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

// Why a band row lookup refused limits the user typed, in whole MHz.
QString refusalText(int rxLow, int rxHigh, int txLow, int txHigh) {
    const std::vector<image::BandRow> rows = image::rowsHoldingReceive(rxLow, rxHigh);
    if (rows.empty()) return ModelDialog::tr(ModelDialog::kRxInNoBand).arg(rxLow).arg(rxHigh);
    QStringList transmit;
    for (const image::BandRow& row : rows) transmit.append(QStringLiteral("%1-%2").arg(row.txLowMHz).arg(row.txHighMHz));
    transmit.removeDuplicates();
    return ModelDialog::tr(ModelDialog::kTxOutsideBand).arg(rxLow)
        .arg(rxHigh)
        .arg(transmit.join(ModelDialog::tr(ModelDialog::kBandsJoiner)))
        .arg(txLow)
        .arg(txHigh);
}

} // namespace

ModelDialog::ModelDialog(const QString& modelName, const image::BandLimits& limits, QWidget* parent)
    : QDialog(parent), m_limits(limits) {
    setObjectName(QStringLiteral("modelDialog"));
    setWindowTitle(tr(kTitle));

    auto* model = new QComboBox;
    model->setObjectName(QStringLiteral("model"));
    model->addItem(modelName);
    model->setCurrentIndex(0);
    model->setEnabled(false);

    m_entries = {mhzEntry(limits.rxLow.wholeMHz(), "rxLow", tr(kRxLowName)),
                 mhzEntry(limits.rxHigh.wholeMHz(), "rxHigh", tr(kRxHighName)),
                 mhzEntry(limits.txLow.wholeMHz(), "txLow", tr(kTxLowName)),
                 mhzEntry(limits.txHigh.wholeMHz(), "txHigh", tr(kTxHighName))};

    auto* table = new QPlainTextEdit(image::bandTableText());
    table->setObjectName(QStringLiteral("bandTable"));
    table->setReadOnly(true);
    table->setAccessibleName(tr(kBandTableName));

    auto* modelRow = new QHBoxLayout;
    modelRow->addWidget(forms::labelFor(tr(kModelLabel), model));
    modelRow->addWidget(model, 1);

    m_refusal = new QLabel;
    m_refusal->setObjectName(QStringLiteral("refusal"));
    m_refusal->setWordWrap(true);
    m_refusal->setTextFormat(Qt::PlainText);
    m_refusal->hide();
    // Typing again answers the refusal.
    for (QLineEdit* entry : m_entries) connect(entry, &QLineEdit::textEdited, m_refusal, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modelRow);
    layout->addLayout(makeRangeRow(tr(kRxLabel), m_entries[RxLow], m_entries[RxHigh]));
    layout->addLayout(makeRangeRow(tr(kTxLabel), m_entries[TxLow], m_entries[TxHigh]));
    layout->addWidget(m_refusal);
    layout->addWidget(table, 1);
    layout->addLayout(makeButtons());
    forms::addButtonMnemonics(this);
}

QLayout* ModelDialog::makeRangeRow(const QString& label, QLineEdit* low, QLineEdit* high) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label));
    row->addWidget(low);
    row->addWidget(new QLabel(kRangeDash));
    row->addWidget(high);
    row->addWidget(new QLabel(tr(kMHzLabel)));
    return row;
}

QLayout* ModelDialog::makeButtons() {
    auto* ok = new QPushButton(tr(kOk));
    ok->setObjectName(QStringLiteral("okButton"));
    auto* cancel = new QPushButton(tr(kCancel));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton* button : {ok, cancel}) {
        button->setAutoDefault(false);  // Enter must not press a button
        button->setDefault(false);
    }
    connect(ok, &QPushButton::clicked, this, &ModelDialog::tryAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

void ModelDialog::tryAccept() {
    std::array<int, 4> mhz{};
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const std::optional<int> value = entryValue(m_entries[i]);
        if (!value) {
            showRefusal(tr(kNotWholeMHz));
            return;
        }
        mhz[i] = *value;
    }
    const auto [rxLow, rxHigh, txLow, txHigh] = mhz;
    if (!image::modelEntryValid(rxLow, rxHigh, txLow, txHigh)) {
        showRefusal(refusalText(rxLow, rxHigh, txLow, txHigh));  // the dialog stays open
        return;
    }
    m_refusal->hide();
    const image::BandLimits chosen = image::bandLimitsFromMHz(rxLow, rxHigh, txLow, txHigh);
    if (m_confirm && !m_confirm(chosen)) return;  // the user keeps the dialog and the channels
    m_limits = chosen;
    accept();
}

void ModelDialog::showRefusal(const QString& text) {
    m_refusal->setText(text);
    m_refusal->show();
}

void ModelDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

QString channelsOutsideBandQuestion(int count, const image::BandLimits& limits) {
    const QString channelsText = count == 1 ? ModelDialog::tr(ModelDialog::kOneChannel) : ModelDialog::tr(ModelDialog::kChannels).arg(count);
    return ModelDialog::tr(ModelDialog::kMoveQuestion).arg(channelsText)
        .arg(limits.rxLow.wholeMHz())
        .arg(limits.rxHigh.wholeMHz())
        .arg(limits.txLow.wholeMHz())
        .arg(limits.txHigh.wholeMHz());
}

} // namespace shell

