// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language the program's windows speak: chosen from "Program.ini" and the desktop's
// locale (app::chooseLanguage), loaded from the translations built into the program, with
// Qt's own texts (message box buttons, the file dialog) in the same language where the
// system has them. It is chosen once, at start: "View > Language" takes effect at the next.

#include "app/language.h"

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace app {
struct AppConfig;
}

namespace shell {

// The codes of the translations built into the program ("de"), from its resources.
QStringList carriedLanguages();
// A language named in its own words, as the language menu shows it: "English", "Deutsch".
QString nativeLanguageName(const QString& code);

class UiLanguage {
public:
    // Installs the translation into the application; it stays installed while this lives.
    UiLanguage(const app::AppConfig& config, const QString& systemLocale);
    ~UiLanguage();
    UiLanguage(const UiLanguage&) = delete;
    UiLanguage& operator=(const UiLanguage&) = delete;

    const app::LanguageChoice& choice() const { return m_choice; }
    // For the status bar: why the program speaks English although "Program.ini" asks for
    // another language; empty when it speaks what was asked.
    QString note() const;

private:
    app::LanguageChoice m_choice;
    QTranslator m_program;
    QTranslator m_qt;
};

} // namespace shell
