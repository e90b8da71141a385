#include "forms/form_widgets.h"

#include "grid/char_filter_validator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace form {

QLabel* label(const char* text, QWidget* parent) { return new QLabel(QString::fromLatin1(text), parent); }

QLabel* labelFor(const QString& text, QWidget* control) {
    auto* caption = new QLabel(text, control->parentWidget());
    caption->setBuddy(control);
    return caption;
}

QLabel* labelFor(const char* text, QWidget* control) { return labelFor(QString::fromLatin1(text), control); }

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

namespace {

// The letter after a lone "&" in a button text, or nothing.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&') continue;
        if (text[i + 1] != u'&') return text[i + 1].toLower();
        ++i;  // "&&" is a plain "&"
    }
    return {};
}

// Where the mnemonic goes: the first free letter starting a word, else any free letter.
qsizetype mnemonicPosition(const QString& text, const QString& taken) {
    const auto free = [&](qsizetype i) { return text[i].isLetterOrNumber() && !taken.contains(text[i].toLower()); };
    for (qsizetype i = 0; i < text.size(); ++i)
        if (free(i) && (i == 0 || text[i - 1] == u' ')) return i;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (free(i)) return i;
    return -1;
}

} // namespace

void addButtonMnemonics(QWidget* dialog) {
    QList<QPushButton*> buttons;
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->window() == dialog) buttons.append(button);
    QString taken;
    for (const QPushButton* button : std::as_const(buttons))
        if (const QChar key = mnemonicOf(button->text()); !key.isNull()) taken.append(key);
    for (QPushButton* button : std::as_const(buttons)) {
        QString text = button->text();
        if (!mnemonicOf(text).isNull()) continue;
        text.replace(QStringLiteral("&"), QStringLiteral("&&"));
        const qsizetype at = mnemonicPosition(text, taken);
        if (at < 0) continue;
        taken.append(text[at].toLower());
        button->setText(text.insert(at, u'&'));
    }
}

} // namespace form
