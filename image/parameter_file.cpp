#include "image/parameter_file.h"

#include <QFile>
#include <QSaveFile>

namespace image {

namespace {

FileResult failure(const QString& systemText) {
    return {false, systemText.isEmpty() ? kNoErrorText : systemText};
}

// Reads as much of `target` as the file still holds; a short read leaves the rest as it was.
void readInto(QFile& file, std::span<std::uint8_t> target) {
    file.read(reinterpret_cast<char*>(target.data()), qint64(target.size()));
}

bool writeAll(QSaveFile& file, std::span<const std::uint8_t> bytes) {
    return file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) == qint64(bytes.size());
}

} // namespace

FileResult readParameterFile(const QString& path, FilePrefixBlock& prefix, RadioImage& img) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return failure(file.errorString());
    readInto(file, prefix);
    readInto(file, img.all());
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
