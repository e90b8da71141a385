// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message of the program's core (checks, imports, transfers), written in English where it
// is made. The windows install the user's language, so there it reads translated; the command
// line installs none, so it prints the English that scripts read. Keys a message is matched
// by (section names, JSON keys, option texts) never go through it.

#include <QCoreApplication>
#include <QString>

#include <utility>

namespace app {

// `Context` names the texts' group in the translation files; mark each text with
// QT_TRANSLATE_NOOP in the same context, so that the translation tools find it:
//   inline constexpr Text kFoo{QT_TRANSLATE_NOOP("app::check", "%1 names no channel")};
template <const char* Context>
struct TranslatedText {
    const char* source;

    QString text() const { return QCoreApplication::translate(Context, source); }
    operator QString() const { return text(); }
    // With a count: "%n" stands for it, and the translation picks its plural form.
    QString counted(qsizetype n) const { return QCoreApplication::translate(Context, source, nullptr, int(n)); }
    template <typename... Args>
    QString arg(Args&&... args) const {
        return text().arg(std::forward<Args>(args)...);
    }
};

} // namespace app
