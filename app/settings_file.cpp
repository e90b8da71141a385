#include "app/settings_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <optional>

namespace app {

namespace {

struct IniLines {
    QStringList lines;
    QString lineEnd = QStringLiteral("\r\n");
};

IniLines readLines(const QString& path) {
    IniLines ini;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ini;
    const QString text = QString::fromLocal8Bit(file.readAll());
    if (!text.contains(u"\r\n") && text.contains(u'\n')) ini.lineEnd = QStringLiteral("\n");
    ini.lines = text.split(u'\n');
    for (QString& line : ini.lines)
        if (line.endsWith(u'\r')) line.chop(1);
    if (!ini.lines.isEmpty() && ini.lines.last().isEmpty()) ini.lines.removeLast();
    return ini;
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
    for (const QString& line : readLines(m_path).lines) {
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
    IniLines ini = readLines(m_path);
    const QString entry = key + u'=' + value;

    qsizetype sectionEnd = -1;  // index after the last line of the section
    bool inSection = false;
    bool replaced = false;
    for (qsizetype i = 0; i < ini.lines.size() && !replaced; ++i) {
        if (const auto name = sectionName(ini.lines[i])) {
            inSection = sameName(*name, section);
            if (inSection) sectionEnd = i + 1;
            continue;
        }
        if (!inSection) continue;
        if (const auto kv = keyValue(ini.lines[i]); kv && sameName(kv->first, key)) {
            ini.lines[i] = entry;
            replaced = true;
        } else if (!ini.lines[i].trimmed().isEmpty()) {
            sectionEnd = i + 1;
        }
    }
    if (!replaced) {
        if (sectionEnd < 0) {
            ini.lines.append(u'[' + section + u']');
            ini.lines.append(entry);
        } else {
            ini.lines.insert(sectionEnd, entry);
        }
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write((ini.lines.join(ini.lineEnd) + ini.lineEnd).toLocal8Bit());
    return file.commit();
}

} // namespace app
