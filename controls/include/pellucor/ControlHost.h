// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What a control needs from the form that places it, besides the property store it is handed
// when the form is loaded or saved: whether the form is running or being designed, and modal
// message boxes titled with the application's title (MessageBoxHost::MsgBox).
//
// The form in turn drives the control's lifecycle: InitProperties for a newly placed control,
// ReadProperties or WriteProperties with the form's store, and Resize after the size changed.

#include "ControlsExport.h"
#include "MessageBoxHost.h"

namespace pellucor {

class PELLUCOR_CONTROLS_EXPORT ControlHost : public MessageBoxHost {
public:
    // True while the containing form runs, false while it is being designed.
    virtual bool UserMode() const = 0;
};

}  // namespace pellucor
