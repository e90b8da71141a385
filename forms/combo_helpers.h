// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drop-down conventions every editor follows, written once.
//  - An index list is loaded by selecting the stored position (a position past the end shows
//    no selection) and stored as the selected position (0xFF with no selection).
//  - A list of numbers or names is loaded by selecting the first entry that begins with the
//    formatted stored value, letter case ignored, else the first entry; it is stored by
//    converting the shown text back.

#include "image/radio_image.h"

#include <QComboBox>
#include <QStringList>

#include <cstdint>
#include <span>
#include <string_view>

namespace forms::combo {

QStringList toStringList(std::span<const std::string_view> entries);
void fill(QComboBox* box, std::span<const std::string_view> entries);
void fill(QComboBox* box, const QStringList& entries);

void selectIndex(QComboBox* box, int storedIndex);
std::uint8_t storedIndex(const QComboBox* box);

void selectPrefix(QComboBox* box, const QString& formattedValue);

// Stores the selected position at `at`. No selection means the stored byte lay past the list
// and nobody has chosen since (a user cannot empty a drop-down), so the byte stays as it was.
void storeSelectedIndex(image::RadioImage& img, image::Addr at, const QComboBox* box);

} // namespace forms::combo
