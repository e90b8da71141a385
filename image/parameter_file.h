// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parameter files (".dat"): exactly 20480 raw bytes, the file prefix block then the radio
// image, with no header, checksum or version. A file of any other size is none: taking part
// of it would mix its bytes with the configuration open before.

#include "image/radio_image.h"

#include <QString>

namespace image {

constexpr qint64 kParameterFileSize = 0x1000 + 0x4000;  // 20480

// The message shown when the system gives no text for a file error.
inline const QString kNoErrorText = QStringLiteral("Sorry, error not find.");

struct FileResult {
    bool ok = false;
    QString errorText;  // the system's text for the failure, or kNoErrorText
    bool wrongSize = false;  // then errorText is the whole message, naming the file
};

// The message for a file that is not 20480 bytes long; `name` as the user gave it.
QString notAParameterFileText(const QString& name, qint64 size);

// Reads 4096 bytes into the prefix block, then 16384 bytes into the image. When the file
// cannot be opened or has another size, nothing changes.
FileResult readParameterFile(const QString& path, FilePrefixBlock& prefix, RadioImage& img);

// Writes prefix block and image to `path` through a temporary file that replaces the
// target only when all 20480 bytes were written; a failed save leaves the old file intact.
FileResult writeParameterFile(const QString& path, const FilePrefixBlock& prefix, const RadioImage& img);

} // namespace image
