// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "ControlHost.h"
#include "ControlsExport.h"

class QWidget;

namespace pellucor {

// The host a control falls back on when its form provides none: real message boxes, and the
// run-mode flag as the control sets it.
class PELLUCOR_CONTROLS_EXPORT QtControlHost : public ControlHost {
public:
    explicit QtControlHost(QWidget* boxParent, bool userMode = false) : boxParent_(boxParent), userMode_(userMode) {}

    bool UserMode() const override { return userMode_; }
    void SetUserMode(bool userMode) noexcept { userMode_ = userMode; }
    int MsgBox(const std::string& text, int style) override;

private:
    QWidget* boxParent_;
    bool userMode_;
};

}  // namespace pellucor
