// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the shell needs from the radio link: the port list and probe for the Port dialog, the
// read, and the write through the one write runner. The program builds it from the link's
// port provider; tests pass a fixed port list, a scripted probe and the simulated radio.

#include "link/port_names.h"
#include "link/serial_port.h"
#include "link/write_runner.h"

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
// The same for each stage of a write (read first, write, verify).
using WriteProgressSink = std::function<void(radiolink::WriteStage stage, int blocksDone)>;

// Runs one whole transfer on the calling (worker) thread: opens the port named by the
// configuration, moves the image and asks its questions through `prompts`. True when the
// transfer completed. Without `completionMessage` a completed transfer says nothing.
using TransferRunner = std::function<bool(TransferDirection, app::AppState& state, app::Prompts& prompts,
                                          const ProgressSink& progress, bool completionMessage)>;

// Writes the image through the write runner (the consistency pass, read-first, the written
// backup, verify) on the calling (worker) thread.
using WriteService = std::function<radiolink::WriteResult(app::AppState& state, app::Prompts& prompts,
                                                          const radiolink::WriteOptions& options,
                                                          const WriteProgressSink& progress)>;

struct LinkServices {
    std::function<QList<radiolink::ListedPort>()> listPorts;
    std::function<radiolink::OpenStatus(const QString& name)> probe;
    TransferRunner transfer;
    WriteService write;  // without it the program cannot write
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

// The write runner's callbacks as the program sets them: progress by stage, the verify's
// field names from the configuration report.
radiolink::WriteCallbacks programWriteCallbacks(const WriteProgressSink& progress);

// Tells the user in one message that the write completed and how its verify ended: a
// message when the radio holds what was written, otherwise a warning naming the fields that
// differ and then the first differing addresses and their count. Returns whether it verified.
bool reportVerify(const radiolink::VerifyResult& result, app::Prompts& prompts);

} // namespace shell
