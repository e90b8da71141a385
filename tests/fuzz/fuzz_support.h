// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: one way to state a property, the byte comparison behind most
// of them, and a scratch folder for the targets that go through files.
//
// A property that does not hold prints its name and what differs, then aborts, so the fuzzer
// stops and saves the input that broke it; `tools/fuzz.sh TARGET 0 CRASH-FILE` replays it.

#include "image/radio_image.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <span>

namespace fuzzing {

[[noreturn]] inline void fail(const char* property, const QString& detail) {
    std::fprintf(stderr, "\nPROPERTY FAILED: %s\n%s\n", property, detail.toLocal8Bit().constData());
    std::abort();
}

// Checks one property; `property` names it in words a reader of the failure understands.
inline void require(bool holds, const char* property, const QString& detail = {}) {
    if (!holds) fail(property, detail);
}

// The addresses where two images differ, as "0x2085: 29 -> 10" lines (at most 8).
inline QString imageDifferences(const image::RadioImage& before, const image::RadioImage& after) {
    QString lines;
    int shown = 0;
    for (std::size_t at = 0; at < image::RadioImage::kSize && shown < 8; ++at) {
        const auto was = before.all()[at];
        const auto is = after.all()[at];
        if (was == is) continue;
        lines += QString::asprintf("0x%04zX: %02X -> %02X\n", at, was, is);
        ++shown;
    }
    return lines;
}

inline void requireSameImage(const image::RadioImage& expected, const image::RadioImage& actual,
                             const char* property) {
    if (expected != actual) fail(property, imageDifferences(expected, actual));
}

// A folder of its own for the whole run, removed at exit.
inline const QTemporaryDir& scratchFolder() {
    static const QTemporaryDir folder;
    return folder;
}

inline QString scratchPath(const char* name) { return scratchFolder().filePath(QString::fromLatin1(name)); }

inline void writeFile(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scratch file can be written", path);
    file.write(bytes.data(), bytes.size());
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace fuzzing
