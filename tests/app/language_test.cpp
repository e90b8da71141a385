// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_config.h"
#include "app/language.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct LanguageCase {
    const char* setting;
    const char* systemLocale;
    const char* code;
    bool unknown;
};

// What "Program.ini" says and the desktop's locale, with the program carrying German only.
const LanguageCase kCases[] = {
    {"", "de_DE", "de", false},          // no setting: the desktop's language
    {"System", "de_AT", "de", false},    // a territory takes its language's translation
    {"system", "fr_FR", "en", false},    // a desktop language the program lacks: English, no note
    {"System", "C", "en", false},
    {"en", "de_DE", "en", false},        // English chosen on a German desktop
    {"en_GB", "de_DE", "en", false},
    {"de", "en_US", "de", false},
    {" DE-ch ", "en_US", "de", false},   // as a hand-edited file may spell it
    {"xx", "de_DE", "en", true},         // a language the program does not have: English, noted
    {"fr", "fr_FR", "en", true},
    {"../../etc/passwd", "de_DE", "en", true},
    {"_", "de_DE", "en", true},
};

} // namespace

TEST(LanguageTest, SettingAndLocaleChooseTheTranslation) {
    for (const LanguageCase& c : kCases) {
        const app::LanguageChoice choice = app::chooseLanguage(c.setting, c.systemLocale, {"de"});
        EXPECT_EQ(choice.code, QString(c.code)) << c.setting << " / " << c.systemLocale;
        EXPECT_EQ(choice.unknown, c.unknown) << c.setting << " / " << c.systemLocale;
    }
}

TEST(LanguageTest, TheChoiceIsKeptInProgramIni) {
    QTemporaryDir dir;
    app::AppConfig config;
    config.settingsPath = dir.filePath(app::kSettingsFileName);
    EXPECT_EQ(app::languageSetting(config), app::kSystemLanguage);
    ASSERT_TRUE(app::writeLanguageSetting(config, "de"));
    EXPECT_EQ(app::languageSetting(config), QString("de"));
}
