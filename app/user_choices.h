// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Choices a user makes once and expects to find again, kept in the user's settings under
// the program's key "KOV" (beside the recent-file list).

#include <QString>

namespace app {

// The Write dialog's "Verify after writing"; off until the user turns it on.
bool verifyAfterWriting(const QString& applicationName);
void setVerifyAfterWriting(const QString& applicationName, bool on);
// The Write dialog's "Read the radio first, so the write can be undone"; off until turned on.
bool readBeforeWriting(const QString& applicationName);
void setReadBeforeWriting(const QString& applicationName, bool on);

} // namespace app
