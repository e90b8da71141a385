#include "link/write_verify.h"

#include "image/memory_map.h"
#include "link/port_provider.h"

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

QString verifyMessage(const VerifyResult& result) {
    if (!result.readBack.success()) return text::kVerifyNotDone;
    if (result.differences.isEmpty()) return text::kVerifyPassed;
    return text::kVerifyFailed.arg(result.differences.size()).arg(addressList(result.differences, kAddressesShown));
}

VerifyResult verifyWrite(TransferEngine& engine, const image::RadioImage& sent) {
    VerifyResult result;
    result.readBack = engine.readBack(result.radio);
    if (result.readBack.success()) result.differences = writeDifferences(sent, result.radio);
    return result;
}

VerifyResult verifyWrite(app::AppState& state, app::Prompts& prompts, PortProvider& ports,
                         const ProgressCallback& progress) {
    SteadyClock clock;
    const std::unique_ptr<SerialPort> port = ports.makePort(state.config.portName, clock);
    TransferEngine engine(*port, clock, prompts, state);
    engine.setProgressCallback(progress);
    return verifyWrite(engine, state.image);
}

} // namespace radiolink
