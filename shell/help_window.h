#pragma once
// Built-in help: a window with a browser over the help pages compiled into the program.
// Requests name a context number (F1 in an editor, the main window's help) or the default
// topic; a context without a page of its own shows the start page.

#include "forms/help_service.h"

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <array>

class QTextBrowser;

namespace shell {

struct HelpTopic {
    int context;
    const char* page;  // file name under the help pages
};

// Help contexts: the channel list's, then each editor's form number.
inline constexpr int kChannelListHelp = 0x8017;
inline constexpr int kFunctionSetupHelp = 151;
inline constexpr int kDtmfHelp = 152;
inline constexpr int kTwoToneHelp = 157;
inline constexpr int kFiveToneHelp = 193;
inline constexpr int kScanInformationHelp = 198;
inline constexpr int kEmergencyInformationHelp = 211;
inline constexpr int kKeySettingHelp = 146;
inline constexpr int kCommunicationNoteHelp = 178;

// Context -> page. An editor adds its line here and its page beside the start page.
inline constexpr HelpTopic kHelpTopics[] = {
    {kChannelListHelp, "channel-list.html"},
    {kFunctionSetupHelp, "function-setup.html"},
    {kDtmfHelp, "dtmf.html"},
    {kTwoToneHelp, "two-tone.html"},
    {kFiveToneHelp, "five-tone.html"},
    {kScanInformationHelp, "scan-information.html"},
    {kEmergencyInformationHelp, "emergency-information.html"},
    {kKeySettingHelp, "key-setting.html"},
    {kCommunicationNoteHelp, "communication-note.html"},
};

inline const QString kHelpStartPage = QStringLiteral("index.html");
inline const QString kHelpWindowTitle = QStringLiteral("Help");

// The page shown for a context: its own page when the program carries it, else the start page.
QUrl helpPageUrl(int context);
QUrl helpStartPageUrl();

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

    void showContext(int context) override;
    void showDefaultTopic() override;
    HelpWindow* window() const { return m_window; }

private:
    HelpWindow* ensureWindow();

    QWidget* m_parent;
    QPointer<HelpWindow> m_window;
};

} // namespace shell
