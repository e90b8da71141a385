// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small JSON reader for configuration documents. Unlike QJsonDocument it keeps an object's
// members in document order and keeps a key that is given twice (Qt keeps the last one in
// silence), so a document with a repeated key can be refused instead of half applied. It
// also keeps a number's text as written, so a message can quote what the document says.

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace app::json {

struct Member;

struct Value {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    QString text;                                  // a string's value; other scalars as written
    std::vector<Value> items;                      // an array's values
    std::vector<Member> members;                   // an object's members, in document order

    bool isObject() const { return kind == Kind::Object; }
    bool isArray() const { return kind == Kind::Array; }
    bool isString() const { return kind == Kind::String; }
};

// Declared apart from Value: a std::pair naming Value inside Value's own definition needs
// Value complete, which Clang with libstdc++ refuses.
struct Member {
    QString key;
    Value value;
};

struct ReadResult {
    std::optional<Value> value;
    QString error;  // "line 3, column 7: expected ':'" when the text is no JSON document
};

// A whole configuration's report is well below 1 MB: a document above this size is refused
// before it is read, so a wrong file costs neither minutes nor gigabytes.
inline constexpr qsizetype kMostDocumentBytes = 8 * 1024 * 1024;

// Reads a whole document: UTF-8 (a byte-order mark is skipped), or UTF-16 with its byte-order
// mark; one value, nothing after it but blanks. Nesting deeper than 64 levels is refused
// rather than read on the stack, and so is a document above kMostDocumentBytes.
ReadResult read(QByteArrayView bytes);

// Messages echo a value cut to this many characters, so a huge value cannot flood them.
inline constexpr qsizetype kMostQuotedCharacters = 60;

// A value as a message quotes it: a string in JSON quotes, other scalars as written, an
// array or object as "[...]" or "{...}"; cut to kMostQuotedCharacters with "...".
QString quoted(const Value& value);
// A text in JSON quotes, escaped as JSON escapes it, cut as above.
QString quoted(const QString& text);

} // namespace app::json
