// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Program.ini", read and written with the private-profile rules the program has always
// used: sections and keys match without regard to letter case, blanks around "=" and
// around values are ignored, values are cut to 255 characters, and a write changes only its
// own key's line: every other byte of the file (other sections and keys, comments in any
// encoding, line ends, a byte-order mark) stays as it was.

#include <QString>

namespace app {

class SettingsFile {
public:
    explicit SettingsFile(QString path) : m_path(std::move(path)) {}

    // An empty key returns `defaultValue`; so does a missing file, section or key.
    QString read(const QString& section, const QString& key, const QString& defaultValue) const;

    // Writes only when key and value are both non-empty and none of the three holds a line
    // break; otherwise writes nothing and returns false. Also false when the file cannot be
    // written.
    bool write(const QString& section, const QString& key, const QString& value) const;

    static constexpr int kMaxValueLength = 255;

private:
    QString m_path;
};

} // namespace app
