// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/json_reader.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace app::json {

namespace {

constexpr int kMostDepth = 64;

// Reads one document from decoded text, keeping the position for messages.
class Reader {
public:
    explicit Reader(const QString& text) : m_text(text) {}

    ReadResult document() {
        ReadResult result;
        skipBlanks();
        Value value;
        if (!readValue(value, 0)) {
            result.error = m_error;
            return result;
        }
        skipBlanks();
        if (m_at < m_text.size()) {
            fail(QCoreApplication::translate("app::json", "text after the document"));
            result.error = m_error;
            return result;
        }
        result.value = std::move(value);
        return result;
    }

private:
    bool fail(const QString& what) {
        if (m_error.isEmpty()) {
            int line = 1;
            qsizetype lineStart = 0;
            for (qsizetype i = 0; i < m_at && i < m_text.size(); ++i)
                if (m_text[i] == u'\n') {
                    ++line;
                    lineStart = i + 1;
                }
            m_error = QCoreApplication::translate("app::json", "line %1, column %2: %3").arg(line).arg(m_at - lineStart + 1).arg(what);
        }
        return false;
    }

    bool atEnd() const { return m_at >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_at]; }

    void skipBlanks() {
        while (!atEnd() && (peek() == u' ' || peek() == u'\t' || peek() == u'\n' || peek() == u'\r')) ++m_at;
    }

    bool expect(QChar c) {
        skipBlanks();
        if (peek() != c) return fail(QCoreApplication::translate("app::json", "expected '%1'").arg(c));
        ++m_at;
        return true;
    }

    bool readValue(Value& value, int depth) {
        skipBlanks();
        if (atEnd()) return fail(QCoreApplication::translate("app::json", "the document ends where a value should be"));
        const QChar c = peek();
        if (c == u'{') return readObject(value, depth + 1);
        if (c == u'[') return readArray(value, depth + 1);
        if (c == u'"') {
            value.kind = Value::Kind::String;
            return readString(value.text);
        }
        if (c == u'-' || (c >= u'0' && c <= u'9')) return readNumber(value);
        for (const auto& [word, kind] : {std::pair{QStringLiteral("true"), Value::Kind::Boolean},
                                         std::pair{QStringLiteral("false"), Value::Kind::Boolean},
                                         std::pair{QStringLiteral("null"), Value::Kind::Null}}) {
            if (QStringView(m_text).mid(m_at, word.size()) == word) {
                value.kind = kind;
                value.text = word;
                m_at += word.size();
                return true;
            }
        }
        return fail(QCoreApplication::translate("app::json", "not a JSON value"));
    }

    bool readObject(Value& value, int depth) {
        if (depth > kMostDepth) return fail(QCoreApplication::translate("app::json", "nested too deeply"));
        value.kind = Value::Kind::Object;
        ++m_at;  // '{'
        skipBlanks();
        if (peek() == u'}') {
            ++m_at;
            return true;
        }
        for (;;) {
            skipBlanks();
            if (peek() != u'"') return fail(QCoreApplication::translate("app::json", "expected a key in quotes"));
            QString key;
            if (!readString(key) || !expect(u':')) return false;
            Value member;
            if (!readValue(member, depth)) return false;
            value.members.push_back(Member{std::move(key), std::move(member)});
            skipBlanks();
            if (peek() == u',') {
                ++m_at;
                continue;
            }
            return expect(u'}');
        }
    }

    bool readArray(Value& value, int depth) {
        if (depth > kMostDepth) return fail(QCoreApplication::translate("app::json", "nested too deeply"));
        value.kind = Value::Kind::Array;
        ++m_at;  // '['
        skipBlanks();
        if (peek() == u']') {
            ++m_at;
            return true;
        }
        for (;;) {
            Value item;
            if (!readValue(item, depth)) return false;
            value.items.push_back(std::move(item));
            skipBlanks();
            if (peek() == u',') {
                ++m_at;
                continue;
            }
            return expect(u']');
        }
    }

    // Exactly four hexadecimal digits: toUShort() would also take blanks, signs and "0x".
    bool readHex4(char16_t& unit) {
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = atEnd() ? -1 : hexValue(peek());
            if (digit < 0) return fail(QCoreApplication::translate("app::json", "a \\u escape needs four hexadecimal digits"));
            value = value * 16 + unsigned(digit);
            ++m_at;
        }
        unit = char16_t(value);
        return true;
    }

    static int hexValue(QChar c) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') return u - u'0';
        if (u >= u'a' && u <= u'f') return u - u'a' + 10;
        if (u >= u'A' && u <= u'F') return u - u'A' + 10;
        return -1;
    }

    bool readString(QString& out) {
        ++m_at;  // '"'
        for (;;) {
            if (atEnd()) return fail(QCoreApplication::translate("app::json", "a text in quotes does not end"));
            const QChar c = m_text[m_at++];
            if (c == u'"') return true;
            if (c.unicode() < 0x20) return fail(QCoreApplication::translate("app::json", "a control character inside quotes"));
            if (c != u'\\') {
                out.append(c);
                continue;
            }
            if (atEnd()) return fail(QCoreApplication::translate("app::json", "a text in quotes does not end"));
            const QChar escape = m_text[m_at++];
            switch (escape.unicode()) {
            case u'"': out.append(u'"'); break;
            case u'\\': out.append(u'\\'); break;
            case u'/': out.append(u'/'); break;
            case u'b': out.append(u'\b'); break;
            case u'f': out.append(u'\f'); break;
            case u'n': out.append(u'\n'); break;
            case u'r': out.append(u'\r'); break;
            case u't': out.append(u'\t'); break;
            case u'u': {
                char16_t unit = 0;
                if (!readHex4(unit)) return false;
                out.append(QChar(unit));
                break;
            }
            default: --m_at; return fail(QCoreApplication::translate("app::json", "an unknown escape"));
            }
        }
    }

    bool readNumber(Value& value) {
        const qsizetype start = m_at;
        const auto digits = [this] {
            const qsizetype from = m_at;
            while (!atEnd() && peek() >= u'0' && peek() <= u'9') ++m_at;
            return m_at > from;
        };
        if (peek() == u'-') ++m_at;
        if (peek() == u'0') ++m_at;
        else if (!digits()) return fail(QCoreApplication::translate("app::json", "not a number"));
        if (peek() == u'.') {
            ++m_at;
            if (!digits()) return fail(QCoreApplication::translate("app::json", "not a number"));
        }
        if (peek() == u'e' || peek() == u'E') {
            ++m_at;
            if (peek() == u'+' || peek() == u'-') ++m_at;
            if (!digits()) return fail(QCoreApplication::translate("app::json", "not a number"));
        }
        value.kind = Value::Kind::Number;
        value.text = m_text.mid(start, m_at - start);
        return true;
    }

    const QString& m_text;
    qsizetype m_at = 0;
    QString m_error;
};

} // namespace

namespace {

// UTF-16 announces itself with its byte-order mark; everything else must be UTF-8.
std::optional<QStringDecoder::Encoding> utf16ByMark(QByteArrayView bytes) {
    if (bytes.startsWith(QByteArrayView("\xFF\xFE"))) return QStringDecoder::Utf16LE;
    if (bytes.startsWith(QByteArrayView("\xFE\xFF"))) return QStringDecoder::Utf16BE;
    return std::nullopt;
}

} // namespace

ReadResult read(QByteArrayView bytes) {
    if (bytes.size() > kMostDocumentBytes)
        return {std::nullopt, QCoreApplication::translate("app::json", "%1 bytes: larger than any configuration document (at most %2 MB)")
                                  .arg(bytes.size())
                                  .arg(kMostDocumentBytes / (1024 * 1024))};
    const std::optional<QStringDecoder::Encoding> utf16 = utf16ByMark(bytes);
    QStringDecoder decoder(utf16.value_or(QStringDecoder::Utf8), QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return {std::nullopt, utf16 ? QCoreApplication::translate("app::json", "the text is not UTF-16, though it begins with its byte-order mark")
                                    : QCoreApplication::translate("app::json", "the text is not UTF-8 (nor UTF-16 with a byte-order mark)")};
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return Reader(text).document();
}

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text.left(kMostQuotedCharacters)) {
        switch (c.unicode()) {
        case u'"': out += QStringLiteral("\\\""); break;
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20) out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else out += c;
        }
    }
    if (text.size() > kMostQuotedCharacters) out += QStringLiteral("...");
    return out + u'"';
}

QString quoted(const Value& value) {
    switch (value.kind) {
    case Value::Kind::String: return quoted(value.text);
    case Value::Kind::Array: return QStringLiteral("[...]");
    case Value::Kind::Object: return QStringLiteral("{...}");
    default: return value.text.size() > kMostQuotedCharacters ? value.text.left(kMostQuotedCharacters) + QStringLiteral("...")
                                                               : value.text;
    }
}

} // namespace app::json
