// SPDX-License-Identifier: GPL-3.0-or-later
// CSV as text: records and fields as RFC 4180 writes them, and files in the encodings
// channel lists come in.

#include "channels/channel_csv.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextStream>

namespace channels::csv {

QString quoteField(const QString& field) {
    const bool needsQuotes = field.contains(u',') || field.contains(u'"') || field.contains(u'\n')
                             || field.contains(u'\r') || field.startsWith(u' ') || field.endsWith(u' ');
    if (!needsQuotes) return field;
    QString quoted = field;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

std::vector<Record> parseRecords(QStringView text, QChar separator) {
    std::vector<Record> records;
    if (text.startsWith(QChar(0xFEFF))) text = text.mid(1);
    Record current;
    QString field;
    bool quoted = false;        // inside quotes now
    bool fieldQuoted = false;   // the field began with a quote
    bool fieldStarted = false;
    int line = 1;
    int quoteOpenedOn = 0;
    current.line = 1;
    auto endField = [&] {
        current.fields.append(field);
        current.quoted.push_back(fieldQuoted);
        field.clear();
        fieldStarted = false;
        fieldQuoted = false;
    };
    auto endRecord = [&] {
        endField();
        const bool blank = current.fields.size() == 1 && current.fields[0].isEmpty();
        if (!blank) records.push_back(current);
        current = Record{};
        current.line = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field.append(u'"');
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                if (c == u'\n') ++line;
                field.append(c);
            }
        } else if (c == u'"' && !fieldStarted) {
            quoted = true;
            quoteOpenedOn = line;
            fieldQuoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            ++line;
            endRecord();
        } else {
            field.append(c);
            fieldStarted = true;
        }
    }
    if (quoted) current.unclosedQuoteLine = quoteOpenedOn;
    if (fieldStarted || !field.isEmpty() || !current.fields.isEmpty()) endRecord();
    return records;
}


QString readFile(const QString& path, QString& content) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return file.errorString();
    // A byte-order mark names the encoding; without one, UTF-8 unless the bytes cannot be.
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(marked.value_or(QStringConverter::Utf8));
    content = decoder(bytes);
    if (decoder.hasError()) content = QString::fromLatin1(bytes);
    return QString();
}

QString writeFile(const QString& path, const QString& content) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QTextStream stream(&file);
        stream << content;
        stream.flush();
        if (file.commit()) return QString();
    }
    return file.errorString();
}

} // namespace channels::csv
