// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui_language.h"

#include "app/app_config.h"
#include "shell/shell_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace shell {

namespace {

const QString kResourceFolder = QStringLiteral(":/i18n");
const QString kProgramPrefix = QStringLiteral("qmr417_");
const QString kQtCatalogue = QStringLiteral("qtbase_");
const QString kCatalogueSuffix = QStringLiteral(".qm");

} // namespace

QStringList carriedLanguages() {
    QStringList codes;
    const QStringList files = QDir(kResourceFolder).entryList({kProgramPrefix + u'*' + kCatalogueSuffix}, QDir::Files);
    for (const QString& file : files) codes.append(file.mid(kProgramPrefix.size()).chopped(kCatalogueSuffix.size()));
    return codes;
}

QString nativeLanguageName(const QString& code) {
    if (code == app::kEnglish) return QStringLiteral("English");
    const QString name = QLocale(code).nativeLanguageName();
    return name.isEmpty() ? code : name.left(1).toUpper() + name.mid(1);
}

UiLanguage::UiLanguage(const app::AppConfig& config, const QString& systemLocale)
    : m_choice(app::chooseLanguage(app::languageSetting(config), systemLocale, carriedLanguages())) {
    if (m_choice.code == app::kEnglish) return;
    if (m_program.load(kProgramPrefix + m_choice.code, kResourceFolder)) QCoreApplication::installTranslator(&m_program);
    // Qt's own texts come with the system's Qt; without them its buttons stay English.
    if (m_qt.load(kQtCatalogue + m_choice.code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

UiLanguage::~UiLanguage() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

QString UiLanguage::note() const {
    if (!m_choice.unknown) return {};
    return texts::tr(texts::kUnknownLanguage).arg(m_choice.asked, app::kSettingsFileName);
}

} // namespace shell
