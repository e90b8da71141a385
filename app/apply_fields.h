// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every section of the configuration uses to read a document and store it: a document
// object read key by key (a wrong kind of value, a key given twice and a key nobody knows
// are problems), the verdict on one value, and the field table a form section is described
// by once, for the report (label, key, shown text) and for a document (entry check, store).

#include "app/json_reader.h"
#include "app/report_model.h"
#include "image/band_limits.h"
#include "image/radio_image.h"

#include <QSet>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace app::report {

// One thing wrong with a document: `path` names the value (`dtmf.selfId`,
// `channel.channels[3].rxFrequency`), `value` quotes it as the document wrote it (empty when
// the problem is not about a value, such as an unknown key).
struct Problem {
    QString path;
    QString value;
    QString reason;
    bool warning = false;
};

// "path: value: reason"; a warning reads "path: value: warning: reason".
QString problemLine(const Problem& problem);

class Problems {
public:
    void error(const QString& path, const QString& value, const QString& reason);
    void warning(const QString& path, const QString& value, const QString& reason);

    const QList<Problem>& all() const { return m_all; }
    int errors() const;
    int warnings() const;

private:
    QList<Problem> m_all;
};

// What applying a section works on: the configuration as it stands (earlier sections
// applied), the problems found so far, and what the document as a whole says.
struct ApplyContext {
    image::RadioImage& image;
    image::BandLimits& limits;
    Problems& problems;
    QString modelName;
    bool hasChannelSection = false;  // the document lists the channels itself
    bool allowBandChange = false;    // channels outside a new band may move to its limits
};

// One JSON object of the document, read by the section it belongs to.
class DocumentObject {
public:
    // `value` must be an object. A key given more than once is reported here. `known` keys
    // are never unknown, even when nobody asks for them (a row refused as a whole).
    DocumentObject(const app::json::Value& value, QString path, Problems& problems, QStringList known = {});

    const QString& path() const { return m_path; }
    // A key of the document itself is named alone ("dtmf"), a key inside a section after it.
    QString pathOf(const QString& key) const { return m_path.isEmpty() ? key : m_path + u'.' + key; }
    bool has(const QString& key) const;

    // The text at `key`; nothing when the key is absent, or not a text (reported, with the
    // text to write: "Yes" or "No" for a true or false given where `options` are those).
    std::optional<QString> text(const QString& key, const QStringList& options = {});
    // The array at `key`; nothing when absent, or not an array (reported).
    const app::json::Value* list(const QString& key);
    // Reports every key that nobody asked for: a typo must not do nothing in silence.
    void reportUnknownKeys();

private:
    const app::json::Value* member(const QString& key);

    const app::json::Value& m_value;
    QString m_path;
    Problems& m_problems;
    QSet<QString> m_asked;
    QStringList m_known;
};

// The objects of a list (`channels`, `encodeList` ...): each row read as an object with the
// list's `columns` (the first names its entry). Rows of another kind, entries that do not
// exist and entries listed twice are reported; `entryOf` gives the entry a name stands for,
// nothing for none.
QStringList keysOf(const QList<Column>& columns);
struct ListedRow {
    int entry;
    DocumentObject object;
};
std::vector<ListedRow> readListRows(const app::json::Value& list, const QString& path, const QStringList& columns,
                                    const std::function<std::optional<int>(const QString&)>& entryOf,
                                    const QString& whatExists, Problems& problems);

// What becomes of a document's text for a field that showed another text.
struct Verdict {
    enum class Kind { Taken, Warned, Refused };
    Kind kind = Kind::Taken;
    QString text;    // what the field holds then: the document's, or the editor's correction
    QString reason;  // why it was corrected or is kept against the editor's habit, or refused
};
inline Verdict taken(const QString& text) { return {Verdict::Kind::Taken, text, {}}; }
inline Verdict warned(const QString& text, const QString& reason) { return {Verdict::Kind::Warned, text, reason}; }
inline Verdict refused(const QString& reason) { return {Verdict::Kind::Refused, {}, reason}; }

// Reports the verdict on `text` at `path`; true when a text is to be stored.
bool noteVerdict(const Verdict& verdict, const QString& path, const QString& text, Problems& problems);

// One field of a form: the label and key of the report, what the editor shows for the image,
// what entering another text comes to, and the editor's store of a shown text.
struct FormField {
    QString label;
    QString key;
    std::function<QString(const image::RadioImage&)> read;
    std::function<Verdict(const image::RadioImage&, const QString&)> enter;
    std::function<void(image::RadioImage&, const QString&)> store;
    // The report shows the field only when this holds (the editor hides it otherwise).
    std::function<bool(const image::RadioImage&)> inReport = {};
    // The texts the field can show when it is an option list ("" for no selection where a
    // byte past the list shows none); empty for free text and for lists that follow the image.
    QStringList options = {};
};
using FormFields = std::vector<FormField>;

QList<Entry> reportEntries(const FormFields& fields, const image::RadioImage& img);

// Which fields a document changed in a run of fields, and to what.
struct EnteredFields {
    QStringList texts;
    std::vector<bool> changed;
    bool anyChanged() const;
};

// Reads the texts the document gives for `fields` against what they show, checks those that
// differ and reports them. Nothing is stored.
EnteredFields enterFields(const FormFields& fields, DocumentObject& document, const image::RadioImage& img,
                          Problems& problems);
// Every field stores its text, in table order (the editor's store of the whole form).
void storeFields(const FormFields& fields, const EnteredFields& entered, image::RadioImage& img);
// A form a user edits field by field: each field shows what the image holds once the fields
// before it are stored (a list that follows another field is rebuilt by then), takes the
// document's text, and stores; so every field stores, changed or not.
EnteredFields applyFieldByField(const FormFields& fields, DocumentObject& document, image::RadioImage& img,
                                Problems& problems);

// ---- the drop-down and check box conventions, for texts -------------------------------------

// "Off, On"; a long list as its first entries and its last ("0, 1, 2 ... 20").
QString listBrief(const QStringList& entries);
// One of the entries, by exact text.
Verdict enterEntry(const QStringList& entries, const QString& text);
// An index list: one of its entries, or "" for a stored position past the list (no
// selection), which only a file can hold and is kept with a warning.
Verdict enterIndexEntry(const QStringList& entries, const QString& text);
// The position of an entry (a byte that shows the text already stays); "" keeps a byte past
// the list, any other byte becomes 0xFF.
void storeIndexEntry(image::RadioImage& img, image::Addr at, const QStringList& entries, const QString& text);
// "Yes" or "No".
Verdict enterCheck(const QString& text);
// A value only a file holds (a byte past a list, a character nobody can type): shown in a
// report, it applies back onto that file, but the editor would refuse it anywhere else.
Verdict onlyFileHolds(const QString& what);
bool isYes(const QString& text);

// Fields built on those conventions. An index list stores the selected position and keeps a
// byte past the list; a check box on a bit field or on a byte (0 clear, else ticked, stored as
// 1 or 0); a list of numbers or names shows the first entry that begins with the formatted
// stored value (else the first entry) and stores the shown text converted back.
FormField indexField(const char* label, const char* key, const QStringList& entries, image::Addr at);
// An index list's texts: its entries, and "" for a byte past the list.
QStringList indexOptions(const QStringList& entries);
// "Yes" and "No".
QStringList checkOptions();
FormField checkBitsField(const char* label, const char* key, image::Bits bits);
FormField checkByteField(const char* label, const char* key, image::Addr at);
using EntriesOf = std::function<QStringList(const image::RadioImage&)>;
FormField prefixField(const char* label, const char* key, EntriesOf entries,
                      std::function<QString(std::uint8_t)> format, std::function<std::uint8_t(QStringView)> value,
                      image::Addr at);
// The same with a list that does not follow the image: its entries are the field's options.
FormField prefixField(const char* label, const char* key, const QStringList& entries,
                      std::function<QString(std::uint8_t)> format, std::function<std::uint8_t(QStringView)> value,
                      image::Addr at);

// A text field: at most `most` characters. A text the editor lets a user type (only
// `typable` characters, capitals where `upperCase`) is taken; one it would turn into capitals
// is corrected; one its bytes can show although nobody can type it is kept with a warning;
// anything else is refused. `onlyWhat` says what may be typed ("only digits 0-9").
struct TextRule {
    int most;
    QString typable;  // empty: any character
    bool upperCase = false;
    QString onlyWhat;
    std::function<bool(QChar)> showable;  // what the field's bytes can show
};
Verdict enterText(const QString& text, const TextRule& rule);
// Characters a Latin-1 text field shows: any but its terminators 0x00 and 0xFF.
bool latin1Shown(QChar c);
// a-z become A-Z; nothing else changes.
QString upperAscii(QString text);

} // namespace app::report
