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
    static constexpr const char* kTitle = QT_TR_NOOP("Port Setting");
    static constexpr const char* kGroupTitle = QT_TR_NOOP("Port");
    static constexpr const char* kOtherLabel = QT_TR_NOOP("Other");
    static constexpr const char* kSimulatorDescription = QT_TR_NOOP("built-in simulated radio");
    static constexpr const char* kNoDevice = QT_TR_NOOP("(none)");
    static constexpr const char* kAbsentTip = QT_TR_NOOP("%1: no serial port stands for this name.");
    static constexpr const char* kInUseTip = QT_TR_NOOP("%1: in use by another program.");
    static constexpr const char* kNoPermissionTip = QT_TR_NOOP(
        "%1: no permission to open it. On Linux your user must belong to the group that owns the serial "
        "devices (\"dialout\" on Debian); log in again after joining it.");
    static constexpr const char* kFailedTip = QT_TR_NOOP("%1: cannot be opened.");
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
