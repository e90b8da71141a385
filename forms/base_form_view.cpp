// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/base_form_view.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace forms {

CBaseFormView::~CBaseFormView() {
    // The editor's own part is gone by now, but its controls live until the widget part is
    // destroyed, and hiding them then moves the focus: a leave-field rule connected to a
    // control's signal would run on the destroyed editor. Nothing of a control reaches it now.
    for (QObject* control : findChildren<QObject*>()) disconnect(control, nullptr, this, nullptr);
}

void CBaseFormView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        env().help.showContext(helpContext());
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

namespace {

// "&Priority Channel 1:" as a finding names it: "Priority Channel 1".
QString labelName(const QLabel& label) {
    QString text = label.text();
    text.remove(u'&');
    text = text.trimmed();
    if (text.endsWith(u':')) text.chop(1);
    return text.trimmed();
}

} // namespace

void CBaseFormView::showField(const QString& field) {
    for (const QLabel* label : findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (buddy && labelName(*label) == field) {
            buddy->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void CBaseFormView::showEvent(QShowEvent* event) {
    if (!m_reportsEdits) reportEdits();
    QWidget::showEvent(event);
}

// Connected after the editor's own rules (made in its constructor), so they run first.
void CBaseFormView::reportEdits() {
    m_reportsEdits = true;
    for (QComboBox* combo : findChildren<QComboBox*>())
        connect(combo, &QComboBox::activated, this, &CBaseFormView::editFinished);
    for (QLineEdit* field : findChildren<QLineEdit*>())
        connect(field, &QLineEdit::editingFinished, this, &CBaseFormView::editFinished);
    for (QAbstractSpinBox* spin : findChildren<QAbstractSpinBox*>())
        connect(spin, &QAbstractSpinBox::editingFinished, this, &CBaseFormView::editFinished);
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        if (button->isCheckable()) connect(button, &QAbstractButton::clicked, this, &CBaseFormView::editFinished);
}

void CBaseFormView::editFinished() {
    // A field also finishes when a message or a dialog takes the focus from it, in the middle
    // of whatever showed that window: the store waits for the user's next edit or switch.
    if (m_reportingEdit || QApplication::activeModalWidget() || QApplication::activePopupWidget()) return;
    m_reportingEdit = true;
    emit editCompleted();
    m_reportingEdit = false;
}

void CBaseFormView::commitFocusedField() {
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!field || !isAncestorOf(field)) return;
    // The rule runs as part of this load or store, which no edit report may interrupt (a
    // store of every editor in the middle of a reload would write the old fields back).
    const bool reporting = m_reportingEdit;
    m_reportingEdit = true;
    emit field->editingFinished();
    m_reportingEdit = reporting;
}

} // namespace forms
