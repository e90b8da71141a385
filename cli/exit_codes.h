// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exit codes of qmr417-cli, one per kind of failure, so scripts can tell them apart.

#include "link/write_runner.h"

namespace cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitUsage = 1,
    kExitFile = 2,        // the parameter file cannot be read or written
    kExitPort = 3,        // the port cannot be opened
    kExitNoAnswer = 4,    // no answer or a broken connection, retries used up
    kExitPassword = 5,    // the radio's program password was not given or is wrong
    kExitRadioLocked = 6, // the radio is killed or stunned and was not revived
    kExitCancelled = 7,   // interrupted (Ctrl-C) and stopped between blocks
    kExitVerify = 8,      // write --verify: the radio does not hold what was written, or could not be read back
    kExitRowsSkipped = 9, // a CSV import left rows out (listed on stderr)
    kExitDocument = 10,   // apply: the configuration document has errors (listed on stderr); nothing written
};

// The write runner's codes are these.
static_assert(int(radiolink::kCodePort) == kExitPort && int(radiolink::kCodeNoAnswer) == kExitNoAnswer
                  && int(radiolink::kCodePassword) == kExitPassword && int(radiolink::kCodeRadioLocked) == kExitRadioLocked
                  && int(radiolink::kCodeCancelled) == kExitCancelled && int(radiolink::kCodeVerify) == kExitVerify
                  && int(radiolink::kCodeFile) == kExitFile && int(radiolink::kCodeBusy) == kExitUsage,
              "the command-line tool's exit codes are the write runner's");

} // namespace cli
