// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Model Infomation": shows the model and the band limits in whole MHz and lets the user
// pick other limits, accepted only when one row of the band table holds them; "OK" with
// other limits says under the fields why they were refused. The Enter and Escape keys do
// nothing here, so a half-typed entry is never taken or dropped by accident; only the
// buttons close the dialog.

#include "channels/channel_rows.h"
#include "image/band_limits.h"
#include "image/radio_image.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
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
    // What a screen reader calls the entries between "RX(" and "MHz)", and the band table.
    static inline const QString kRxLowName = QStringLiteral("RX Low (MHz)");
    static inline const QString kRxHighName = QStringLiteral("RX High (MHz)");
    static inline const QString kTxLowName = QStringLiteral("TX Low (MHz)");
    static inline const QString kTxHighName = QStringLiteral("TX High (MHz)");
    static inline const QString kBandTableName = QStringLiteral("Band Table");
    static constexpr int kEntryLength = 3;
    // Shown in the dialog when "OK" finds limits no band of the radio takes.
    static inline const QString kNotWholeMHz = QStringLiteral("Enter each limit as a whole number of MHz.");
    static inline const QString kRxInNoBand =
        QStringLiteral("No band of this radio receives on %1-%2 MHz: choose RX limits within one line of the list.");
    static inline const QString kTxOutsideBand =
        QStringLiteral("With RX %1-%2 MHz this radio transmits within %3 MHz only: TX %4-%5 MHz lies outside.");
    static inline const QString kBandsJoiner = QStringLiteral(" or ");
    // Asked when the new band would move channels.
    static inline const QString kOneChannel = QStringLiteral("1 channel lies");
    static inline const QString kChannels = QStringLiteral("%1 channels lie");
    static inline const QString kMoveQuestion = QStringLiteral(
        "%1 outside the new band (RX %2-%3 MHz, TX %4-%5 MHz).\n"
        "The channel list moves each of them to the nearest band limit, and the next store "
        "writes it there.\n\nChange the band anyway?");

    // Asked on "OK" with limits the band table accepts: true closes the dialog with them,
    // false leaves it open with nothing changed.
    using Confirm = std::function<bool(const image::BandLimits& limits)>;

    ModelDialog(const QString& modelName, const image::BandLimits& limits, QWidget* parent = nullptr);

    void setConfirm(Confirm confirm) { m_confirm = std::move(confirm); }

    // The limits chosen with "OK"; meaningful once the dialog was accepted.
    const image::BandLimits& limits() const { return m_limits; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tryAccept();
    void showRefusal(const QString& text);
    QLayout* makeRangeRow(const QString& label, QLineEdit* low, QLineEdit* high);
    QLayout* makeButtons();

    image::BandLimits m_limits;
    Confirm m_confirm;
    enum Entry { RxLow, RxHigh, TxLow, TxHigh };
    std::array<QLineEdit*, 4> m_entries{};
    QLabel* m_refusal = nullptr;  // why "OK" did not take the limits; hidden until then
};

// The channels that new limits would move (the channel list's own count).
using channels::channelsOutsideBand;

// The question asked before such limits are taken, naming how many channels would move.
QString channelsOutsideBandQuestion(int count, const image::BandLimits& limits);

} // namespace shell
