// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/combo_helpers.h"

namespace forms::combo {

QStringList toStringList(std::span<const std::string_view> entries) {
    QStringList list;
    list.reserve(qsizetype(entries.size()));
    for (std::string_view e : entries) list.append(QString::fromLatin1(e.data(), qsizetype(e.size())));
    return list;
}

void fill(QComboBox* box, std::span<const std::string_view> entries) { fill(box, toStringList(entries)); }

void fill(QComboBox* box, const QStringList& entries) {
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(-1);
}

void selectIndex(QComboBox* box, int storedIndex) {
    box->setCurrentIndex(storedIndex >= 0 && storedIndex < box->count() ? storedIndex : -1);
}

std::uint8_t storedIndex(const QComboBox* box) {
    const int index = box->currentIndex();
    return index < 0 ? 0xFF : std::uint8_t(index);
}

void selectPrefix(QComboBox* box, const QString& formattedValue) {
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i).startsWith(formattedValue, Qt::CaseInsensitive)) {
            box->setCurrentIndex(i);
            return;
        }
    }
    box->setCurrentIndex(box->count() > 0 ? 0 : -1);
}

void storeSelectedIndex(image::RadioImage& img, image::Addr at, const QComboBox* box) {
    if (box->currentIndex() >= 0) img.setU8(at, storedIndex(box));
}

} // namespace forms::combo
