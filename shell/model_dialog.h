#pragma once
// "Model Infomation": shows the model and the band limits in whole MHz and lets the user
// pick other limits, accepted only when one row of the band table holds them. The Enter
// and Escape keys do nothing here, so a half-typed entry is never taken or dropped by
// accident; only the buttons close the dialog.

#include "image/band_limits.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace shell {

class ModelDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString kTitle = QStringLiteral("Model Infomation");
    static inline const QString kModelLabel = QStringLiteral("Model");
    static inline const QString kRxLabel = QStringLiteral("RX(");
    static inline const QString kTxLabel = QStringLiteral("TX(");
    static inline const QString kRangeDash = QStringLiteral("-");
    static inline const QString kMHzLabel = QStringLiteral("MHz)");
    static inline const QString kOk = QStringLiteral("OK");
    static inline const QString kCancel = QStringLiteral("Cancel");
    static constexpr int kEntryLength = 3;

    ModelDialog(const QString& modelName, const image::BandLimits& limits, QWidget* parent = nullptr);

    // The limits chosen with "OK"; meaningful once the dialog was accepted.
    const image::BandLimits& limits() const { return m_limits; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tryAccept();
    QLayout* makeRangeRow(const QString& label, QLineEdit* low, QLineEdit* high);
    QLayout* makeButtons();

    image::BandLimits m_limits;
    enum Entry { RxLow, RxHigh, TxLow, TxHigh };
    std::array<QLineEdit*, 4> m_entries{};
};

} // namespace shell
