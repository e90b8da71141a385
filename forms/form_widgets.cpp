#include "forms/form_widgets.h"

#include "grid/char_filter_validator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace form {

QLabel* label(const char* text, QWidget* parent) { return new QLabel(QString::fromLatin1(text), parent); }

QComboBox* combo(const char* objectName, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

QLineEdit* lineEdit(const char* objectName, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    if (maxLength > 0) edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit* filteredEdit(const char* objectName, int maxLength, const QString& allowedChars, bool upperCase,
                        QWidget* parent) {
    QLineEdit* edit = lineEdit(objectName, maxLength, parent);
    edit->setValidator(new grid::CharFilterValidator(allowedChars, upperCase, edit));
    return edit;
}

void setLoadedText(QLineEdit* edit, const QString& text) {
    // A line edit runs its validator on every change, setText included.
    const QValidator* filter = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(text);
    edit->setValidator(filter);
}

QCheckBox* check(const char* text, const char* objectName, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

QToolButton* arrow(Qt::ArrowType direction, const char* objectName, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setArrowType(direction);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace form
