// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/form_widgets.h"

#include "grid/char_filter_validator.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>
#include <QtMath>

#include <algorithm>

namespace forms {

namespace {

// A drop-down that measures its entries once. QComboBox measures the text of every entry
// for its size hint when a layout first asks, again when it is first shown and again for its
// minimum size hint; with the long number lists of the signalling editors that text shaping
// took most of an editor's opening. This one works the sizes out as QComboBox does and keeps
// them as QComboBox keeps its own (the minimum from the first request until the style
// changes, the size hint until the font, the style, a size setting or, before the first show
// or when sized to its contents, the entries change), so every size is the one QComboBox
// would give; it only skips measuring again what has not changed. Form drop-downs show text
// only: no entry has an icon.
class MeasuredOnceCombo final : public QComboBox {
public:
    explicit MeasuredOnceCombo(QWidget* parent) : QComboBox(parent) {
        const QAbstractItemModel* entries = model();
        const auto changed = [this] { entriesChanged(); };
        connect(entries, &QAbstractItemModel::rowsInserted, this, changed);
        connect(entries, &QAbstractItemModel::rowsRemoved, this, changed);
        connect(entries, &QAbstractItemModel::modelReset, this, changed);
        connect(entries, &QAbstractItemModel::dataChanged, this, changed);
        connect(entries, &QAbstractItemModel::layoutChanged, this, changed);
    }

    QSize sizeHint() const override {
        if (settings() != m_measuredWith) m_hint = QSize();
        if (!m_hint.isValid()) {
            m_hint = measure(true);
            m_measuredWith = settings();
            m_changed = false;
        }
        return m_hint;
    }

    QSize minimumSizeHint() const override {
        if (!m_minimum.isValid()) {
            const bool hintIsCurrent = m_hint.isValid() && !m_changed && settings() == m_measuredWith;
            m_minimum = hintIsCurrent && minimumContentsLength() == 0 ? m_hint : measure(false);
        }
        return m_minimum;
    }

protected:
    void showEvent(QShowEvent* event) override {
        // QComboBox measures again when first shown, for entries added since it was asked.
        if (!m_shownOnce && sizeAdjustPolicy() == AdjustToContentsOnFirstShow && m_changed) m_hint = QSize();
        m_shownOnce = true;
        QComboBox::showEvent(event);
    }

    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            m_hint = QSize();
            m_changed = true;
        }
        if (event->type() == QEvent::StyleChange) m_minimum = QSize();
        QComboBox::changeEvent(event);
    }

private:
    struct Settings {
        SizeAdjustPolicy policy = AdjustToContentsOnFirstShow;
        int minimumLength = 0;
        QSize iconSize;
        bool operator==(const Settings&) const = default;
    };
    Settings settings() const { return {sizeAdjustPolicy(), minimumContentsLength(), iconSize()}; }

    void entriesChanged() {
        m_changed = true;
        if (sizeAdjustPolicy() == AdjustToContents) m_hint = QSize();
    }

    // QComboBox's own measure: the widest entry (the minimum leaves the entries out when a
    // minimum contents length is set), at least that many "X", one text line high, plus what
    // the style adds.
    QSize measure(bool forHint) const {
        const QFontMetrics& metrics = fontMetrics();
        const bool withIcon = sizeAdjustPolicy() == AdjustToMinimumContentsLengthWithIcon;
        QSize size;
        if ((forHint || minimumContentsLength() == 0) && !withIcon) {
            if (count() == 0) size.setWidth(7 * metrics.horizontalAdvance(u'x'));
            for (int i = 0; i < count(); ++i) size.setWidth(std::max(size.width(), metrics.boundingRect(itemText(i)).width()));
        }
        const int iconRoom = withIcon ? iconSize().width() + 4 : 0;
        if (minimumContentsLength() > 0)
            size.setWidth(std::max(size.width(), minimumContentsLength() * metrics.horizontalAdvance(u'X') + iconRoom));
        if (!placeholderText().isEmpty())
            size.setWidth(std::max(size.width(), metrics.boundingRect(placeholderText()).width()));
        size.setHeight(std::max(qCeil(QFontMetricsF(metrics).height()), 14) + 2);
        if (withIcon) size.setHeight(std::max(size.height(), iconSize().height() + 2));
        QStyleOptionComboBox option;
        initStyleOption(&option);
        return style()->sizeFromContents(QStyle::CT_ComboBox, &option, size, this);
    }

    mutable QSize m_hint;
    mutable QSize m_minimum;
    mutable Settings m_measuredWith;
    mutable bool m_changed = false;  // entries, font or style changed since the hint was measured
    bool m_shownOnce = false;
};

} // namespace

QLabel* label(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

QLabel* labelFor(const QString& text, QWidget* control) {
    auto* caption = new QLabel(text, control->parentWidget());
    caption->setBuddy(control);
    // Named by the label, not by what it holds: a screen reader names a drop-down by its
    // current entry unless the drop-down (and its text field, when it has one) is named.
    if (control->accessibleName().isEmpty()) {
        QString name = text;
        name.remove(u'&');
        name = name.trimmed();
        if (name.endsWith(u':')) name.chop(1);
        control->setAccessibleName(name);
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
            combo->lineEdit()->setAccessibleName(name);
    }
    return caption;
}

QComboBox* comboBox(const char* objectName, QWidget* parent) {
    auto* box = new MeasuredOnceCombo(parent);
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

QCheckBox* check(const QString& text, const char* objectName, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
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

} // namespace forms
