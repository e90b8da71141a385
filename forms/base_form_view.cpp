// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/base_form_view.h"

#include <QApplication>
#include <QKeyEvent>
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

void CBaseFormView::commitFocusedField() {
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (field && isAncestorOf(field)) emit field->editingFinished();
}

} // namespace forms
