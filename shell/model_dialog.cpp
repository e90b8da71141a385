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

namespace shell {

namespace {

QLineEdit* mhzEntry(int mhz, const char* name, const QString& spokenName) {
    auto* entry = new QLineEdit(QString::number(mhz));
    entry->setObjectName(QLatin1String(name));
    entry->setAccessibleName(spokenName);
    entry->setMaxLength(ModelDialog::kEntryLength);
    return entry;
}

// The entry read as a signed whole number; text that is none reads as 0.
int entryValue(const QLineEdit* entry) {
    bool ok = false;
    const int value = entry->text().trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

ModelDialog::ModelDialog(const QString& modelName, const image::BandLimits& limits, QWidget* parent)
    : QDialog(parent), m_limits(limits) {
    setObjectName(QStringLiteral("modelDialog"));
    setWindowTitle(kTitle);

    auto* model = new QComboBox;
    model->setObjectName(QStringLiteral("model"));
    model->addItem(modelName);
    model->setCurrentIndex(0);
    model->setEnabled(false);

    m_entries = {mhzEntry(limits.rxLow.wholeMHz(), "rxLow", kRxLowName),
                 mhzEntry(limits.rxHigh.wholeMHz(), "rxHigh", kRxHighName),
                 mhzEntry(limits.txLow.wholeMHz(), "txLow", kTxLowName),
                 mhzEntry(limits.txHigh.wholeMHz(), "txHigh", kTxHighName)};

    auto* table = new QPlainTextEdit(image::bandTableText());
    table->setObjectName(QStringLiteral("bandTable"));
    table->setReadOnly(true);
    table->setAccessibleName(kBandTableName);

    auto* modelRow = new QHBoxLayout;
    modelRow->addWidget(form::labelFor(kModelLabel, model));
    modelRow->addWidget(model, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modelRow);
    layout->addLayout(makeRangeRow(kRxLabel, m_entries[RxLow], m_entries[RxHigh]));
    layout->addLayout(makeRangeRow(kTxLabel, m_entries[TxLow], m_entries[TxHigh]));
    layout->addWidget(table, 1);
    layout->addLayout(makeButtons());
    form::addButtonMnemonics(this);
}

QLayout* ModelDialog::makeRangeRow(const QString& label, QLineEdit* low, QLineEdit* high) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(label));
    row->addWidget(low);
    row->addWidget(new QLabel(kRangeDash));
    row->addWidget(high);
    row->addWidget(new QLabel(kMHzLabel));
    return row;
}

QLayout* ModelDialog::makeButtons() {
    auto* ok = new QPushButton(kOk);
    ok->setObjectName(QStringLiteral("okButton"));
    auto* cancel = new QPushButton(kCancel);
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
    const int rxLow = entryValue(m_entries[RxLow]);
    const int rxHigh = entryValue(m_entries[RxHigh]);
    const int txLow = entryValue(m_entries[TxLow]);
    const int txHigh = entryValue(m_entries[TxHigh]);
    if (!image::modelEntryValid(rxLow, rxHigh, txLow, txHigh)) return;  // stays open, no message
    const image::BandLimits chosen = image::bandLimitsFromMHz(rxLow, rxHigh, txLow, txHigh);
    if (m_confirm && !m_confirm(chosen)) return;  // the user keeps the dialog and the channels
    m_limits = chosen;
    accept();
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
    const QString channelsText = count == 1 ? ModelDialog::kOneChannel : ModelDialog::kChannels.arg(count);
    return ModelDialog::kMoveQuestion.arg(channelsText)
        .arg(limits.rxLow.wholeMHz())
        .arg(limits.rxHigh.wholeMHz())
        .arg(limits.txLow.wholeMHz())
        .arg(limits.txHigh.wholeMHz());
}

} // namespace shell

