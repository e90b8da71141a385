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
    static constexpr const char* kTitle = QT_TR_NOOP("Model Infomation");
    static constexpr const char* kModelLabel = QT_TR_NOOP("Model");
    static constexpr const char* kRxLabel = QT_TR_NOOP("RX(");
    static constexpr const char* kTxLabel = QT_TR_NOOP("TX(");
    static inline const QString kRangeDash = QStringLiteral("-");
    static constexpr const char* kMHzLabel = QT_TR_NOOP("MHz)");
    static constexpr const char* kOk = QT_TR_NOOP("OK");
    static constexpr const char* kCancel = QT_TR_NOOP("Cancel");
    // What a screen reader calls the entries between "RX(" and "MHz)", and the band table.
    static constexpr const char* kRxLowName = QT_TR_NOOP("RX Low (MHz)");
    static constexpr const char* kRxHighName = QT_TR_NOOP("RX High (MHz)");
    static constexpr const char* kTxLowName = QT_TR_NOOP("TX Low (MHz)");
    static constexpr const char* kTxHighName = QT_TR_NOOP("TX High (MHz)");
    static constexpr const char* kBandTableName = QT_TR_NOOP("Band Table");
    static constexpr int kEntryLength = 3;
    // Shown in the dialog when "OK" finds limits no band of the radio takes.
    static constexpr const char* kNotWholeMHz = QT_TR_NOOP("Enter each limit as a whole number of MHz.");
    static constexpr const char* kRxInNoBand =
        QT_TR_NOOP("No band of this radio receives on %1-%2 MHz: choose RX limits within one line of the list.");
    static constexpr const char* kTxOutsideBand =
        QT_TR_NOOP("With RX %1-%2 MHz this radio transmits within %3 MHz only: TX %4-%5 MHz lies outside.");
    static constexpr const char* kBandsJoiner = QT_TR_NOOP(" or ");
    // Asked when the new band would move channels.
    static constexpr const char* kOneChannel = QT_TR_NOOP("1 channel lies");
    static constexpr const char* kChannels = QT_TR_NOOP("%1 channels lie");
    static constexpr const char* kMoveQuestion = QT_TR_NOOP(
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
