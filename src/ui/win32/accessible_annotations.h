#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

#include <memory>

#include "core/control.h"

namespace lwviz::win32 {

// What assistive technology is told of the native controls beyond what the system's own
// proxies say: the names, roles and descriptions the core gives (core/accessibility.h), as
// annotations of the system's MSAA objects (IAccPropServices), which UI Automation reads too.
// Without the service (COM not started, or a system that lacks it) nothing is annotated.
class AccessibleAnnotations {
public:
    AccessibleAnnotations();

    // The control's name, role and description on its native control `hwnd`; a status line is
    // also a polite live region.
    void annotate(HWND hwnd, const Control& control);
    // A window shown with an owner is a dialog.
    void annotateWindow(HWND hwnd, bool owned);
    // Drops what annotate or annotateWindow put on `hwnd`, before it is destroyed.
    void clear(HWND hwnd);

    // Tells the screen reader that the control's shown text has changed, where it is a live
    // region.
    static void textChanged(HWND hwnd, const Control& control);

private:
    struct Release {
        void operator()(IUnknown* object) const { object->Release(); }
    };
    std::unique_ptr<IAccPropServices, Release> services_;
};

}  // namespace lwviz::win32
