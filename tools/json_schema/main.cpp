// SPDX-License-Identifier: GPL-3.0-or-later
// qmr_json_schema SCHEMA.json          writes the JSON Schema of the configuration document
// qmr_json_schema --check SCHEMA.json  exits 1 when SCHEMA.json is not what it would write
//
// The schema is built from the report model itself: its sections, fields and list columns,
// and for each option list the texts the editors' own tables give. So the file in docs/
// cannot drift from the program without the check failing.

#include "config/config_report.h"
#include "default_image.h"
#include "image/band_limits.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

const QString kModel = QStringLiteral("QMR-417");

QJsonObject textSchema(const QStringList& options) {
    QJsonObject schema{{QStringLiteral("type"), QStringLiteral("string")}};
    if (!options.isEmpty()) schema.insert(QStringLiteral("enum"), QJsonArray::fromStringList(options));
    return schema;
}

QJsonObject listSchema(const app::report::Table& table) {
    QJsonObject columns;
    for (const app::report::Column& column : table.columns) columns.insert(column.key, textSchema(column.options));
    const QJsonObject row{{QStringLiteral("type"), QStringLiteral("object")},
                          {QStringLiteral("properties"), columns},
                          {QStringLiteral("required"), QJsonArray{table.columns.value(0).key}},
                          {QStringLiteral("additionalProperties"), false}};
    return {{QStringLiteral("type"), QStringLiteral("array")}, {QStringLiteral("items"), row}};
}

// Every section, field and list of the reports of `images` (a field the editor shows only
// now and then, such as the starting password, is in one of them).
QJsonObject sectionsOf(const std::vector<image::RadioImage>& images) {
    QJsonObject sections;
    for (const image::RadioImage& img : images) {
        for (const app::report::Section& section :
             config::buildReport({img, image::decodeBandLimits(img), kModel}).sections) {
            QJsonObject object = sections.value(section.key).toObject();
            QJsonObject fields = object.value(QStringLiteral("properties")).toObject();
            for (const app::report::Entry& entry : section.entries) fields.insert(entry.key, textSchema(entry.options));
            for (const app::report::Table& table : section.tables) fields.insert(table.key, listSchema(table));
            object.insert(QStringLiteral("type"), QStringLiteral("object"));
            object.insert(QStringLiteral("properties"), fields);
            object.insert(QStringLiteral("additionalProperties"), false);
            sections.insert(section.key, object);
        }
    }
    return sections;
}

QByteArray schemaText() {
    image::RadioImage ones;
    for (std::uint8_t& byte : ones.all()) byte = 0x01;
    const QJsonObject schema{
        {QStringLiteral("$schema"), QStringLiteral("https://json-schema.org/draft/2020-12/schema")},
        {QStringLiteral("title"), QStringLiteral("QMR-417 configuration")},
        {QStringLiteral("description"),
         QStringLiteral("The configuration as qmr417-cli report --json prints it and qmr417-cli apply reads it. "
                        "Every section and key may be left out (it stays as the base file has it); a list that "
                        "is present replaces the list whole. An enum lists an option list's texts; \"\" is no "
                        "selection, which only a file holds. Written by tools/json_schema (qmr_json_schema).")},
        {QStringLiteral("type"), QStringLiteral("object")},
        {QStringLiteral("properties"), sectionsOf({defaultdat::defaultImage(), ones})},
        {QStringLiteral("additionalProperties"), false}};
    return QJsonDocument(schema).toJson(QJsonDocument::Indented);
}

} // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && QByteArray(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fputs("usage: qmr_json_schema [--check] SCHEMA.json\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[argc - 1]);
    const QByteArray text = schemaText();
    QFile file(path);
    if (check) {
        if (file.open(QIODevice::ReadOnly) && file.readAll() == text) return 0;
        std::fprintf(stderr, "%s is not the schema of this program; run qmr_json_schema %s\n", argv[2], argv[2]);
        return 1;
    }
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 2;
    }
    return 0;
}
