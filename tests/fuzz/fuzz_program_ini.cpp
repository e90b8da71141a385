// SPDX-License-Identifier: GPL-3.0-or-later
// "Program.ini" of any bytes, read and written as the program does at start-up and exit:
// the keys of "Setup" read, then one key written with a value of any text.
//
// Properties:
//   - the language it names gives English or a translation the program carries, and English
//     with a note whenever it names one the program does not have;
//   - a write changes only its own key's line: the bytes that differ before and after lie
//     within one line of the old file, so every other line stays byte for byte;
//   - after a write that succeeded the key reads back as it would from a file holding only
//     that section and key;
//   - a write that failed left the file as it was.

#include "app/language.h"
#include "app/settings_file.h"
#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

using fuzzing::require;

// The names the program reads and writes, in the letter cases another editor may use.
constexpr std::array<const char*, 6> kSections{"Setup", "SETUP", "setup", " Setup ", "Other", "Print"};
constexpr std::array<const char*, 6> kKeys{"COM", "com", "Model", "Version", "Font", "A"};

// Every byte outside one line of `before` is the same in `after`: the common start and end
// of both files leave a differing middle of `before` without a line break.
bool changesOnlyOneLine(const QByteArray& before, const QByteArray& after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype start = 0;
    while (start < shorter && before[start] == after[start]) ++start;
    qsizetype end = 0;
    while (end < shorter - start && before[before.size() - 1 - end] == after[after.size() - 1 - end]) ++end;
    return !before.sliced(start, before.size() - start - end).contains('\n');
}

// What the key reads from a file holding nothing but the section and the key's line.
QString readAlone(const QString& section, const QString& key, const QString& value) {
    const QString path = fuzzing::scratchPath("alone.ini");
    fuzzing::writeFile(path, QStringLiteral("[%1]\r\n%2=%3\r\n").arg(section, key, value).toLocal8Bit());
    return app::SettingsFile(path).read(section, key, QStringLiteral("(missing)"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QString section = QString::fromLatin1(kSections[input.ConsumeIntegralInRange<std::size_t>(0, 5)]);
    const QString key = QString::fromLatin1(kKeys[input.ConsumeIntegralInRange<std::size_t>(0, 5)]);
    const QString value = QString::fromStdString(input.ConsumeRandomLengthString(300));
    const QByteArray before = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());

    const QString path = fuzzing::scratchPath("Program.ini");
    fuzzing::writeFile(path, before);
    const app::SettingsFile ini(path);
    for (const char* name : {"COM", "Model", "Version"}) ini.read(QStringLiteral("Setup"), QString::fromLatin1(name), {});
    const QStringList carried{QStringLiteral("de")};
    const QString setting = ini.read(QStringLiteral("Setup"), app::kLanguageKey, app::kSystemLanguage);
    const app::LanguageChoice language = app::chooseLanguage(setting, QStringLiteral("de_DE"), carried);
    require(language.code == app::kEnglish || carried.contains(language.code), "the language is English or one carried",
            language.asked);
    require(!language.unknown || language.code == app::kEnglish, "an unknown language gives English", language.asked);

    const bool written = ini.write(section, key, value);
    const QByteArray after = fuzzing::readFile(path);
    if (!written) {
        require(after == before, "a write that failed leaves the file as it was");
        return 0;
    }
    require(changesOnlyOneLine(before, after), "a write changes only its own key's line",
            QString::fromLatin1(before.toHex(' ')) + QStringLiteral("\n -> \n") + QString::fromLatin1(after.toHex(' ')));
    require(ini.read(section, key, QStringLiteral("(missing)")) == readAlone(section, key, value),
            "a written key reads back as from a file holding only it", value);
    return 0;
}
