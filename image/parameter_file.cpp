// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/parameter_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace image {

namespace {

FileResult failure(const QString& systemText) {
    return {false, systemText.isEmpty() ? kNoErrorText : systemText};
}

bool writeAll(QSaveFile& file, std::span<const std::uint8_t> bytes) {
    return file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) == qint64(bytes.size());
}

} // namespace

QString notAParameterFileText(const QString& name, qint64 size) {
    return QCoreApplication::translate("image::file", "%1 is not a QMR-417 parameter file: %2 bytes, a parameter file has %3.")
        .arg(QDir::toNativeSeparators(name))
        .arg(size)
        .arg(kParameterFileSize);
}

FileResult readParameterFile(const QString& path, FilePrefixBlock& prefix, RadioImage& img) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return failure(file.errorString());
    const QByteArray bytes = file.read(kParameterFileSize + 1);  // one more shows a longer file
    if (bytes.size() != kParameterFileSize) {
        const qint64 size = file.isSequential() ? bytes.size() : file.size();
        return {false, notAParameterFileText(path, size), true};
    }
    std::copy_n(bytes.constData(), prefix.size(), reinterpret_cast<char*>(prefix.data()));
    std::copy_n(bytes.constData() + prefix.size(), img.all().size(), reinterpret_cast<char*>(img.all().data()));
    return {true, {}};
}

FileResult writeParameterFile(const QString& path, const FilePrefixBlock& prefix, const RadioImage& img) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return failure(file.errorString());
    if (!writeAll(file, prefix) || !writeAll(file, img.all())) {
        const QString error = file.errorString();
        file.cancelWriting();
        return failure(error);
    }
    if (!file.commit()) return failure(file.errorString());
    return {true, {}};
}

} // namespace image
