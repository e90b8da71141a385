#pragma once
// What the shell needs from the radio link: the port list and probe for the Port dialog and
// the transfer itself. The program builds it from the link's port provider; tests pass a
// fixed port list, a scripted probe and the simulated radio.

#include "link/port_names.h"
#include "link/serial_port.h"

#include <QList>
#include <QString>

#include <functional>

namespace app {
struct AppState;
class Prompts;
} // namespace app

namespace shell {

enum class TransferDirection { Read, Write };

// Reports the number of blocks done so far; called on the worker thread.
using ProgressSink = std::function<void(int blocksDone)>;

// Runs one whole transfer on the calling (worker) thread: opens the port named by the
// configuration, moves the image and asks its questions through `prompts`. True when the
// transfer completed. Without `completionMessage` a completed transfer says nothing: a
// verify follows and reports both.
using TransferRunner = std::function<bool(TransferDirection, app::AppState& state, app::Prompts& prompts,
                                          const ProgressSink& progress, bool completionMessage)>;

// After a write that completed (and did not announce itself): reads the radio back on the
// same port, compares it with the image and tells the user in one message that the write
// completed and how the check ended. Runs on the worker thread; true when the radio holds
// what was written.
using VerifyRunner = std::function<bool(app::AppState& state, app::Prompts& prompts, const ProgressSink& progress)>;

struct LinkServices {
    std::function<QList<radiolink::ListedPort>()> listPorts;
    std::function<radiolink::OpenStatus(const QString& name)> probe;
    TransferRunner transfer;
    VerifyRunner verify;  // optional: without it the Write dialog offers no verify
};

} // namespace shell

namespace radiolink {
class PortProvider;
struct VerifyResult;
}

namespace shell {

// The program's link: the system's ports (and the built-in simulated radio) through
// `ports`, which must outlive the returned services.
LinkServices programLink(radiolink::PortProvider& ports);

// Tells the user in one message that the write completed and how its verify ended: a
// message when the radio holds what was written, otherwise a warning naming the fields that
// differ and then the first differing addresses and their count. Returns whether it verified.
bool reportVerify(const radiolink::VerifyResult& result, app::Prompts& prompts);

} // namespace shell
