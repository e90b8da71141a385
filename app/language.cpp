// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language.h"

#include "app/app_config.h"
#include "app/settings_file.h"

namespace app {

namespace {

// "de_AT" and "de-AT" become "de_AT"; its language alone is "de".
QString normalised(const QString& code) { return code.trimmed().replace(u'-', u'_'); }
QString languageOf(const QString& code) { return code.section(u'_', 0, 0); }

// The translation for `code`: its own, else its language's; "" when the program has neither.
QString carriedFor(const QString& code, const QStringList& available) {
    for (const QString& candidate : {code, languageOf(code)})
        for (const QString& carried : available)
            if (carried.compare(candidate, Qt::CaseInsensitive) == 0) return carried;
    return {};
}

bool isEnglish(const QString& code) { return languageOf(code).compare(kEnglish, Qt::CaseInsensitive) == 0; }

} // namespace

LanguageChoice chooseLanguage(const QString& setting, const QString& systemLocale, const QStringList& available) {
    const QString asked = normalised(setting);
    if (asked.isEmpty() || asked.compare(kSystemLanguage, Qt::CaseInsensitive) == 0) {
        const QString carried = carriedFor(normalised(systemLocale), available);
        return {carried.isEmpty() ? kEnglish : carried, false, asked};
    }
    if (isEnglish(asked)) return {kEnglish, false, asked};
    const QString carried = carriedFor(asked, available);
    if (carried.isEmpty()) return {kEnglish, true, asked};
    return {carried, false, asked};
}

QString languageSetting(const AppConfig& config) {
    return SettingsFile(config.settingsPath).read(kSettingsSection, kLanguageKey, kSystemLanguage);
}

bool writeLanguageSetting(const AppConfig& config, const QString& setting) {
    return SettingsFile(config.settingsPath).write(kSettingsSection, kLanguageKey, setting);
}

} // namespace app
