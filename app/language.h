// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language the program shows: key "Language" of "Program.ini" names it ("System", the
// default, follows the desktop's locale; "en" is the English the program is written in; any
// other code names a translation the program carries). The GUI loads the translation; the
// command-line tool never does, since scripts read its output.

#include <QString>
#include <QStringList>

namespace app {

struct AppConfig;

inline const QString kLanguageKey = QStringLiteral("Language");
inline const QString kSystemLanguage = QStringLiteral("System");
inline const QString kEnglish = QStringLiteral("en");

struct LanguageChoice {
    QString code;         // "en", or the code of one of the translations the program carries
    bool unknown = false; // "Program.ini" names a language the program does not have
    QString asked;        // what "Program.ini" names ("" for none)
};

// `setting` as "Program.ini" holds it; `systemLocale` as QLocale::system().name() gives it
// ("de_DE"); `available` the codes of the translations carried ("de"). A setting or locale
// with a territory ("de_AT") takes its language's translation when there is none of its own.
// An unknown setting gives English with `unknown` set; an unknown system locale gives English.
LanguageChoice chooseLanguage(const QString& setting, const QString& systemLocale, const QStringList& available);

QString languageSetting(const AppConfig& config);
// "System", "en" or a translation's code; false when "Program.ini" could not be written.
bool writeLanguageSetting(const AppConfig& config, const QString& setting);

} // namespace app
