// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_file.h"

#include <QFile>
#include <QSaveFile>

#include <optional>
#include <vector>

namespace app {

namespace {

// One line of the file as it is on disk: its bytes and its own line end ("\r\n", "\n", or
// nothing for a last line without one). A write replaces the bytes of one line only, so
// text in other encodings, odd line ends and a byte-order mark all come back unchanged.
struct IniLine {
    QByteArray bytes;
    QByteArray end;
    QString text() const { return QString::fromLocal8Bit(bytes); }
};

struct IniFile {
    QByteArray byteOrderMark;  // kept in front of the first line, never parsed
    std::vector<IniLine> lines;
    QByteArray lineEnd = "\r\n";  // for lines the program adds: the file's own when it has one
};

constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

IniFile readLines(const QString& path) {
    IniFile ini;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ini;
    QByteArray bytes = file.readAll();
    if (bytes.startsWith(kUtf8ByteOrderMark)) {
        ini.byteOrderMark = bytes.first(3);
        bytes.remove(0, 3);
    }
    if (!bytes.contains("\r\n") && bytes.contains('\n')) ini.lineEnd = "\n";
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', start);
        const qsizetype next = newline < 0 ? bytes.size() : newline + 1;
        qsizetype contentEnd = newline < 0 ? bytes.size() : newline;
        if (newline >= 0 && contentEnd > start && bytes[contentEnd - 1] == '\r') --contentEnd;
        ini.lines.push_back({bytes.sliced(start, contentEnd - start), bytes.sliced(contentEnd, next - contentEnd)});
        start = next;
    }
    return ini;
}

QByteArray joined(const IniFile& ini) {
    QByteArray bytes = ini.byteOrderMark;
    for (const IniLine& line : ini.lines) bytes += line.bytes + line.end;
    return bytes;
}

// "[name]" with blanks allowed around the name; nothing for other lines.
std::optional<QString> sectionName(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(u'[')) return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0) return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

// "key = value": the key before the first "=", both trimmed. Nothing for other lines.
std::optional<std::pair<QString, QString>> keyValue(const QString& line) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) return std::nullopt;
    const QString key = line.left(eq).trimmed();
    if (key.isEmpty() || key.startsWith(u';')) return std::nullopt;
    return std::make_pair(key, line.mid(eq + 1).trimmed());
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// A value written in double quotes is read without them, as the system's reader does.
QString unquoted(const QString& value) {
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

QString SettingsFile::read(const QString& section, const QString& key, const QString& defaultValue) const {
    if (key.isEmpty()) return defaultValue;
    bool inSection = false;
    for (const IniLine& iniLine : readLines(m_path).lines) {
        const QString line = iniLine.text();
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection) continue;
        if (const auto kv = keyValue(line); kv && sameName(kv->first, key))
            return unquoted(kv->second).left(kMaxValueLength);
    }
    return defaultValue;
}

bool SettingsFile::write(const QString& section, const QString& key, const QString& value) const {
    if (key.isEmpty() || value.isEmpty()) return false;
    // A line break in any of them would write lines of its own.
    for (const QString* part : {&section, &key, &value})
        if (part->contains(u'\n') || part->contains(u'\r')) return false;
    IniFile ini = readLines(m_path);
    const IniLine entry{(key + u'=' + value).toLocal8Bit(), ini.lineEnd};

    qsizetype sectionEnd = -1;  // index after the last line of the section
    bool inSection = false;
    bool replaced = false;
    for (std::size_t i = 0; i < ini.lines.size() && !replaced; ++i) {
        const QString line = ini.lines[i].text();
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            if (inSection) sectionEnd = qsizetype(i) + 1;
            continue;
        }
        if (!inSection) continue;
        if (const auto kv = keyValue(line); kv && sameName(kv->first, key)) {
            ini.lines[i].bytes = entry.bytes;
            replaced = true;
        } else if (!line.trimmed().isEmpty()) {
            sectionEnd = qsizetype(i) + 1;
        }
    }
    if (!replaced) {
        const qsizetype at = sectionEnd < 0 ? qsizetype(ini.lines.size()) : sectionEnd;
        // A last line without its line end gets one when something is added after it.
        if (at == qsizetype(ini.lines.size()) && at > 0 && ini.lines.back().end.isEmpty())
            ini.lines.back().end = ini.lineEnd;
        if (sectionEnd < 0) {
            ini.lines.push_back({(u'[' + section + u']').toLocal8Bit(), ini.lineEnd});
            ini.lines.push_back(entry);
        } else {
            ini.lines.insert(ini.lines.begin() + sectionEnd, entry);
        }
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(joined(ini));
    return file.commit();
}

} // namespace app
