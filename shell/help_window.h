// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Built-in help: a window with a browser over the help pages compiled into the program.
// Requests name a context number (F1 in an editor, the main window's help) or the default
// topic; a context without a page of its own shows the start page.

#include "channels/channel_texts.h"
#include "forms/help_service.h"

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <array>

class QTextBrowser;

namespace shell {

// The channel list's help context (each editor's is in the editor table).
inline constexpr int kChannelListHelp = channels::texts::kChannelHelpContext;

inline const QString kHelpStartPage = QStringLiteral("index.html");
inline constexpr const char* kHelpWindowTitle = QT_TRANSLATE_NOOP("shell::HelpWindow", "Help");

// The page shown for a context: its own page when the program carries it, else the start page;
// in `language` ("de") when the program carries the page in it, else in English.
QUrl helpPageUrl(int context, const QString& language = {});
QUrl helpStartPageUrl(const QString& language = {});

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void showPage(const QUrl& page);
    QUrl currentPage() const;

private:
    void placeBesideWork();

    QTextBrowser* m_browser;
    bool m_placed = false;
};

// The help service of the program: opens (and reuses) one help window.
class BuiltInHelp : public forms::HelpService {
public:
    explicit BuiltInHelp(QWidget* windowParent = nullptr) : m_parent(windowParent) {}
    // The help window closes with this window (set before the first request).
    void setWindowParent(QWidget* parent) { m_parent = parent; }
    // The language of the program's windows ("de"): the pages in it where the program has them.
    void setLanguage(const QString& language) { m_language = language; }

    void showContext(int context) override;
    void showDefaultTopic() override;
    HelpWindow* window() const { return m_window; }

private:
    HelpWindow* ensureWindow();

    QWidget* m_parent;
    QString m_language;
    QPointer<HelpWindow> m_window;
};

} // namespace shell
