// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Communication Note address book without widgets: its texts, the characters its fields
// accept, one contact's call ID and name read from and written into the image, and the
// factory values. Texts go to bytes and back as Latin-1, so bytes nobody edited survive.

#include "image/radio_image.h"

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <array>
#include <string_view>

namespace settings::contact {

namespace texts {
// Grid header row: number, call ID, name.
inline constexpr std::array<std::string_view, 3> kHeaders{QT_TRANSLATE_NOOP("settings::contact::texts", "NO."), QT_TRANSLATE_NOOP("settings::contact::texts", "Call ID"),
                                                          QT_TRANSLATE_NOOP("settings::contact::texts", "Name")};
// What a screen reader calls the list.
inline constexpr std::string_view kListName = QT_TRANSLATE_NOOP("settings::contact::texts", "Contact List");
// Above the list: what a contact's fields may hold.
inline constexpr std::string_view kFieldsHint = QT_TRANSLATE_NOOP(
    "settings::contact::texts", "Call ID: up to 5 digits (0-9).   Name: up to 7 letters (A-Z) or digits, in capitals.");
// A text above in the user's language (the report keeps the English).
inline QString tr(std::string_view text) { return QCoreApplication::translate("settings::contact::texts", text.data()); }
} // namespace texts

// Grid columns and their widths in twips.
constexpr int kColNumber = 0;
constexpr int kColCallId = 1;
constexpr int kColName = 2;
constexpr std::array<int, 3> kColumnTwips{500, 1500, 2000};

// What may be typed: call IDs digits only; names capitals and digits (a-z are upper-cased).
inline constexpr std::string_view kCallIdCharacters = "0123456789";
inline constexpr std::string_view kNameCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// The record's bytes up to the first 0x00, at most 5 (call ID) or 7 (name).
QString callId(const image::RadioImage& img, int contact);
QString name(const image::RadioImage& img, int contact);
// The record filled with 0x00, then at most 5 (call ID) or 7 (name) characters of the text.
void setCallId(image::RadioImage& img, int contact, QStringView text);
void setName(image::RadioImage& img, int contact, QStringView text);

// The delivered address book is empty: every record 0x00.
void writeContactDefaults(image::RadioImage& img);

} // namespace settings::contact
