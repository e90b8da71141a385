// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small widget makers every editor form uses, so each control gets its objectName (tests
// find controls with findChild) and text fields get the same ASCII filtering everywhere.
// Texts go to image bytes and back as Latin-1, so bytes the user did not touch survive.

#include "app/typed_characters.h"

#include <QByteArray>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace forms {

// Character sets for text fields: explicit ASCII, never the locale's idea of a letter.
using app::chars::kDigits;
using app::chars::kDtmfSymbols;
using app::chars::kHexDigits;
using app::chars::printableAscii;

// The texts are shown as given: callers pass them through their texts' tr().
QLabel* label(const QString& text, QWidget* parent);
// The label a user sees beside `control`: its buddy, so that a screen reader announces the
// label's text as the control's name and a mnemonic in it moves the focus there. It becomes
// the control's sibling (Qt looks for a buddy among them).
QLabel* labelFor(const QString& text, QWidget* control);
QComboBox* comboBox(const char* objectName, QWidget* parent);
// A line edit limited to `maxLength` characters (0: no limit of ours).
QLineEdit* lineEdit(const char* objectName, int maxLength, QWidget* parent);
// A line edit that accepts only `allowedChars`, typed or pasted; a-z are upper-cased first
// when `upperCase` is set. Other characters are dropped, so a paste keeps what fits.
QLineEdit* filteredEdit(const char* objectName, int maxLength, const QString& allowedChars, bool upperCase,
                        QWidget* parent);
QCheckBox* check(const QString& text, const char* objectName, QWidget* parent);
// Shows text loaded from the image. The field's filter applies to what the user types or
// pastes, not to loaded bytes, so a text nobody touched goes back byte for byte.
void setLoadedText(QLineEdit* edit, const QString& text);
// An up/down arrow like an up-down control: it never takes the focus.
QToolButton* arrow(Qt::ArrowType direction, const char* objectName, QWidget* parent);

// Gives each push button of `dialog` without a mnemonic the first letter of its text that no
// other button there has, word starts first ("Check Again" -> "Check &Again" when C is taken),
// so that every button is reached with Alt and a letter. Call it when the buttons exist.
void addButtonMnemonics(QWidget* dialog);

// Image text bytes to a field's text and back, byte for byte.
inline QString fromBytes(const QByteArray& bytes) { return QString::fromLatin1(bytes); }
inline QByteArray toBytes(const QString& text) { return text.toLatin1(); }

} // namespace forms
