#pragma once
// The nine editors by name: menu item, tree item and window title of each, in menu and tree
// order. Widget-free, so the configuration report titles its sections with the same texts.

#include <array>

namespace app {

enum class EditorKind {
    Channel,
    FunctionSetup,
    Dtmf,
    TwoTone,
    FiveTone,
    ScanInformation,
    EmergencyInformation,
    KeySetting,
    CommunicationNote,
};

struct EditorKindInfo {
    EditorKind kind;
    const char* menuText;
    const char* treeText;
    const char* windowTitle;
    const char* objectName;  // of its menu action and its child frame
};

// In menu and tree order.
inline constexpr std::array<EditorKindInfo, 9> kEditorKinds{{
    {EditorKind::Channel, "Channel", "Channel", "Channel", "channel"},
    {EditorKind::FunctionSetup, "Function Setup", "Function Setup", "Function Setup", "functionSetup"},
    {EditorKind::Dtmf, "Dtmf", "DTMF", "Dtmf", "dtmf"},
    {EditorKind::TwoTone, "2Tone", "2Tone", "2Tone", "twoTone"},
    {EditorKind::FiveTone, "5Tone", "5Tone", "5Tone", "fiveTone"},
    {EditorKind::ScanInformation, "Scan Information", "Scan Information", "Scan Information", "scanInformation"},
    {EditorKind::EmergencyInformation, "Emergency Infomation", "Emergency Information", "Emergency Information",
     "emergencyInformation"},
    {EditorKind::KeySetting, "Key Setting", "Key Setting", "Key Setting", "keySetting"},
    {EditorKind::CommunicationNote, "Communication Note", "Communication Note", "Communication Note",
     "communicationNote"},
}};

} // namespace app
