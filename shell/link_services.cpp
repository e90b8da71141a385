// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/link_services.h"

#include "link/link_texts.h"
#include "link/port_provider.h"
#include "link/transfer_engine.h"
#include "config/verify_fields.h"
#include "link/write_verify.h"
#include "app/prompts.h"

namespace shell {

namespace {

radiolink::Direction engineDirection(TransferDirection direction) {
    return direction == TransferDirection::Read ? radiolink::Direction::Read : radiolink::Direction::Write;
}

} // namespace

LinkServices programLink(radiolink::PortProvider& ports) {
    LinkServices link;
    link.listPorts = [&ports] { return ports.ports(); };
    link.probe = [&ports](const QString& name) { return ports.probe(name); };
    link.transfer = [&ports](TransferDirection direction, app::AppState& state, app::Prompts& prompts,
                             const ProgressSink& progress, bool completionMessage) {
        const auto report = [&progress](const radiolink::TransferProgress& p) { progress(p.position); };
        return radiolink::runTransfer(engineDirection(direction), state, prompts, ports, report, completionMessage)
            .success();
    };
    link.write = [&ports](app::AppState& state, app::Prompts& prompts, const radiolink::WriteOptions& options,
                          const WriteProgressSink& progress) {
        return radiolink::runWrite(state, prompts, ports, options, programWriteCallbacks(progress));
    };
    return link;
}

radiolink::WriteCallbacks programWriteCallbacks(const WriteProgressSink& progress) {
    radiolink::WriteCallbacks callbacks;
    callbacks.progress = [progress](radiolink::WriteStage stage, const radiolink::TransferProgress& p) {
        if (progress) progress(stage, p.position);
    };
    callbacks.describe = config::verifyFieldDifferences;
    return callbacks;
}

bool reportVerify(const radiolink::VerifyResult& result, app::Prompts& prompts) {
    const QString text = radiolink::text::kWriteCompleted + QStringLiteral("\n\n") + radiolink::verifyMessage(result);
    if (result.verified())
        prompts.message(text);
    else
        prompts.report(text, result.readBack.success() ? app::Severity::Critical : app::Severity::Warning);
    return result.verified();
}

} // namespace shell
