// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help requests from editors (F1 at their context number), the main window (command id
// - 0x10000) and the Help command (default topic) all go to one service.

namespace forms {

class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void showContext(int context) = 0;
    virtual void showDefaultTopic() = 0;
};

} // namespace forms
