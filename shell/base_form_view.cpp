#include "shell/base_form_view.h"

#include <QApplication>
#include <QLineEdit>

namespace shell {

void CBaseFormView::commitFocusedField() {
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (field && isAncestorOf(field)) emit field->editingFinished();
}

} // namespace shell
