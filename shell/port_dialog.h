// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Port Setting": sixteen buttons "COM1"-"COM16", each enabled when its port opens and
// labelled with the device it stands for. "Other" takes any other port: the system's
// further serial ports and the built-in simulated radio are listed, and a device path
// (a pseudo-terminal, say) can be typed. The current port is shown selected whatever it
// is, also when it does not open now. "OK" makes the choice the port name and writes it to
// key "COM"; with nothing chosen the name stays as it was.

#include "app/app_config.h"
#include "shell/link_services.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QRadioButton;

namespace shell {

class PortDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString kTitle = QStringLiteral("Port Setting");
    static inline const QString kGroupTitle = QStringLiteral("Port");
    static inline const QString kOtherLabel = QStringLiteral("Other");
    static inline const QString kSimulatorDescription = QStringLiteral("built-in simulated radio");
    static inline const QString kNoDevice = QStringLiteral("(none)");
    static inline const QString kAbsentTip = QStringLiteral("%1: no serial port stands for this name.");
    static inline const QString kInUseTip = QStringLiteral("%1: in use by another program.");
    static inline const QString kNoPermissionTip = QStringLiteral(
        "%1: no permission to open it. On Linux your user must belong to the group that owns the serial "
        "devices (\"dialout\" on Debian); log in again after joining it.");
    static inline const QString kFailedTip = QStringLiteral("%1: cannot be opened.");
    static constexpr int kButtonCount = 16;

    PortDialog(app::AppConfig& config, const LinkServices& link, QWidget* parent = nullptr);

    QRadioButton* button(int number) const { return m_buttons[std::size_t(number - 1)]; }

    // Why a port cannot be chosen, for its tooltip.
    static QString unavailableReason(const QString& name, radiolink::OpenStatus status);

private:
    QWidget* makePortGroup(const QList<radiolink::ListedPort>& listed);
    QWidget* makeOtherRow(const QList<radiolink::ListedPort>& listed);
    radiolink::OpenStatus probe(const QString& name) const;
    void selectCurrent();
    void showOtherDescription();
    QString chosenName() const;
    void confirm();

    app::AppConfig& m_config;
    const LinkServices& m_link;
    std::array<QRadioButton*, kButtonCount> m_buttons{};
    QButtonGroup* m_group = nullptr;
    QRadioButton* m_other = nullptr;
    QComboBox* m_otherPorts = nullptr;   // editable: a device path may be typed
    QLabel* m_otherDescription = nullptr;
};

} // namespace shell
