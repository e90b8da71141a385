// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/write_verify.h"

#include "image/memory_map.h"

#include <QStringList>

namespace radiolink {

QList<image::Addr> writeDifferences(const image::RadioImage& sent, const image::RadioImage& readBack) {
    QList<image::Addr> differences;
    for (int address = image::map::kWriteStart; address <= image::map::kImageEnd; ++address)
        if (sent.u8(image::Addr(address)) != readBack.u8(image::Addr(address)))
            differences.append(image::Addr(address));
    return differences;
}

QString addressList(const QList<image::Addr>& addresses, int shown) {
    QStringList names;
    for (const image::Addr address : addresses.first(std::min<qsizetype>(shown, addresses.size())))
        names.append(QStringLiteral("0x") + QString::number(int(address), 16).toUpper().rightJustified(4, u'0'));
    if (addresses.size() > shown) names.append(QStringLiteral("..."));
    return names.join(QStringLiteral(", "));
}

namespace {

// The field lines the message has room for, then how many it leaves out.
QString fieldSummary(const QStringList& fields) {
    if (fields.isEmpty()) return text::kVerifyNoFieldDiffers;
    QStringList shown = fields.first(std::min<qsizetype>(kFieldsShown, fields.size()));
    if (fields.size() > kFieldsShown) shown.append(text::kVerifyMoreFields.arg(fields.size() - kFieldsShown));
    return shown.join(u'\n');
}

} // namespace

QString verifyMessage(const VerifyResult& result) {
    if (!result.readBack.success()) return text::kVerifyNotDone;
    if (result.differences.isEmpty()) return text::kVerifyPassed;
    return text::kVerifyFailed.counted(result.differences.size())
        .arg(fieldSummary(result.fields), addressList(result.differences, kAddressesShown));
}

VerifyResult verifyWrite(TransferEngine& engine, const image::RadioImage& sent, const FieldDescriber& describe) {
    VerifyResult result;
    // The read-back never reaches below 0x0100; there the radio holds what it held, and the
    // report reads those bytes as sent so that only the radio's differences show.
    result.radio = sent;
    result.readBack = engine.readBack(result.radio);
    if (!result.readBack.success()) return result;
    result.differences = writeDifferences(sent, result.radio);
    if (!result.differences.isEmpty() && describe) result.fields = describe(sent, result.radio);
    return result;
}

} // namespace radiolink
