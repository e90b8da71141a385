// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/port_dialog.h"

#include "link/link_texts.h"
#include "app/settings_file.h"
#include "forms/form_widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {

namespace {

using radiolink::OpenStatus;

constexpr int kGridRows = 8;
constexpr int kOtherId = 0;  // button ids 1-16 are the port numbers
constexpr int kOtherMinimumLength = 18;  // room for "/dev/serial/by-id/..." to start

// The device a COMn name stands for on this system, for the label beside its button.
QString deviceOf(const QString& name, const QList<radiolink::ListedPort>& listed) {
    for (const radiolink::ListedPort& port : listed)
        if (port.name == name) return port.entry.device;
    return {};
}

void disableComboEntry(QComboBox* box, int index, const QString& why) {
    auto* model = qobject_cast<QStandardItemModel*>(box->model());
    if (QStandardItem* item = model ? model->item(index) : nullptr) item->setEnabled(false);
    box->setItemData(index, why, Qt::ToolTipRole);
}

} // namespace

OpenStatus PortDialog::probe(const QString& name) const {
    return m_link.probe ? m_link.probe(name) : OpenStatus::Absent;
}

QString PortDialog::unavailableReason(const QString& name, OpenStatus status) {
    switch (status) {
    case OpenStatus::Opened: return {};
    case OpenStatus::Absent: return tr(kAbsentTip).arg(name);
    case OpenStatus::InUse: return tr(kInUseTip).arg(name);
    case OpenStatus::NoPermission: return tr(kNoPermissionTip).arg(name);
    case OpenStatus::Failed: break;
    }
    return tr(kFailedTip).arg(name);
}

PortDialog::PortDialog(app::AppConfig& config, const LinkServices& link, QWidget* parent)
    : QDialog(parent), m_config(config), m_link(link) {
    setObjectName(QStringLiteral("portDialog"));
    setWindowTitle(tr(kTitle));
    const QList<radiolink::ListedPort> listed = m_link.listPorts ? m_link.listPorts() : QList<radiolink::ListedPort>{};

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PortDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makePortGroup(listed));
    layout->addWidget(buttons);
    selectCurrent();
    forms::addButtonMnemonics(this);
}

QWidget* PortDialog::makePortGroup(const QList<radiolink::ListedPort>& listed) {
    auto* box = new QGroupBox(tr(kGroupTitle));
    box->setObjectName(QStringLiteral("portGroup"));
    auto* grid = new QGridLayout;
    m_group = new QButtonGroup(this);
    for (int number = 1; number <= kButtonCount; ++number) {
        const QString name = radiolink::portName(number);
        auto* button = new QRadioButton(QStringLiteral("COM%1").arg(number));
        button->setObjectName(QStringLiteral("com%1").arg(number));
        const OpenStatus status = probe(name);
        button->setEnabled(status == OpenStatus::Opened);
        button->setToolTip(unavailableReason(radiolink::shownPortName(name), status));
        const QString device = deviceOf(name, listed);
        auto* label = new QLabel(device.isEmpty() || device == name ? QString() : device);
        label->setObjectName(QStringLiteral("com%1Device").arg(number));
        label->setEnabled(button->isEnabled());
        m_group->addButton(button, number);
        m_buttons[std::size_t(number - 1)] = button;
        const int row = (number - 1) % kGridRows;
        const int column = (number - 1) / kGridRows * 2;
        grid->addWidget(button, row, column);
        grid->addWidget(label, row, column + 1);
    }
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(grid);
    layout->addWidget(makeOtherRow(listed));
    return box;
}

// The ports without a button (numbered above 16) by their device, the simulated radio,
// and whatever device path the user types.
QWidget* PortDialog::makeOtherRow(const QList<radiolink::ListedPort>& listed) {
    m_other = new QRadioButton(tr(kOtherLabel));
    m_other->setObjectName(QStringLiteral("otherButton"));
    m_group->addButton(m_other, kOtherId);
    m_otherPorts = new QComboBox;
    m_otherPorts->setObjectName(QStringLiteral("otherPorts"));
    m_otherPorts->setAccessibleName(tr(kOtherLabel));  // the radio button beside it says what it is
    m_otherPorts->setEditable(true);
    m_otherPorts->lineEdit()->setAccessibleName(kOtherLabel);  // the field typed into, not its text
    m_otherPorts->setInsertPolicy(QComboBox::NoInsert);
    m_otherPorts->setMinimumContentsLength(kOtherMinimumLength);
    m_otherPorts->addItem(radiolink::text::kSimulatorPortName, radiolink::text::kSimulatorPortName);
    m_otherPorts->setItemData(0, tr(kSimulatorDescription), Qt::ToolTipRole);
    for (qsizetype i = kButtonCount; i < listed.size(); ++i) {
        const QString device = listed[i].entry.device;
        m_otherPorts->addItem(device, device);
        const int index = m_otherPorts->count() - 1;
        m_otherPorts->setItemData(index, listed[i].entry.description, Qt::ToolTipRole);
        const OpenStatus status = probe(device);
        if (status != OpenStatus::Opened) disableComboEntry(m_otherPorts, index, unavailableReason(device, status));
    }
    m_otherPorts->setCurrentIndex(-1);
    m_otherDescription = new QLabel;
    m_otherDescription->setObjectName(QStringLiteral("otherDescription"));
    // Room for the longest description from the start, so the dialog keeps its size while
    // the user types and a description comes and goes.
    int widest = 0;
    for (int index = 0; index < m_otherPorts->count(); ++index)
        widest = std::max(widest, m_otherDescription->fontMetrics().horizontalAdvance(
                                      m_otherPorts->itemData(index, Qt::ToolTipRole).toString()));
    m_otherDescription->setMinimumWidth(widest);
    const auto chooseOther = [this] { m_other->setChecked(true); };
    connect(m_otherPorts, &QComboBox::activated, m_other, chooseOther);
    connect(m_otherPorts->lineEdit(), &QLineEdit::textEdited, m_other, chooseOther);
    connect(m_otherPorts, &QComboBox::currentTextChanged, this, &PortDialog::showOtherDescription);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_other);
    layout->addWidget(m_otherPorts, 1);
    layout->addWidget(m_otherDescription);
    return row;
}

void PortDialog::showOtherDescription() {
    const int index = m_otherPorts->findText(m_otherPorts->currentText());
    m_otherDescription->setText(index >= 0 ? m_otherPorts->itemData(index, Qt::ToolTipRole).toString() : QString());
}

void PortDialog::selectCurrent() {
    const QString current = m_config.portName;
    if (current.isEmpty()) return;
    const std::optional<int> number = radiolink::scanPortNumber(current);
    if (number && *number >= 1 && *number <= kButtonCount && m_otherPorts->findData(current) < 0) {
        button(*number)->setChecked(true);
        return;
    }
    // Any other name shows under "Other", listed or not.
    const int listedAt = m_otherPorts->findData(current);
    if (listedAt >= 0)
        m_otherPorts->setCurrentIndex(listedAt);
    else
        m_otherPorts->setEditText(radiolink::shownPortName(current));  // "\\.\COM20" is COM20 to the user
    m_other->setChecked(true);
}

QString PortDialog::chosenName() const {
    const int id = m_group->checkedId();
    if (id >= 1 && id <= kButtonCount) return radiolink::portName(id);
    if (id != kOtherId) return {};
    // A COMn typed or shown under "Other" is stored by the naming rule ("\\.\COM20").
    const QString typed = m_otherPorts->currentText().trimmed();
    static const QRegularExpression comNumber(QStringLiteral("^COM([1-9][0-9]{0,3})$"));
    const QRegularExpressionMatch match = comNumber.match(typed);
    return match.hasMatch() ? radiolink::portName(match.captured(1).toInt()) : typed;
}

void PortDialog::confirm() {
    const QString name = chosenName();
    if (!name.isEmpty()) {
        m_config.portName = name;
        app::SettingsFile(m_config.settingsPath).write(app::kSettingsSection, app::kPortKey, name);
    }
    accept();
}

} // namespace shell
