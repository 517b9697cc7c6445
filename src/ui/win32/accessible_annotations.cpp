// First: the GUIDs that the headers below declare (the MSAA properties, the property service)
// are defined here, in this file only.
#include <initguid.h>
// After initguid.h.
#include <array>
#include <string>

#include "core/accessibility.h"
#include "platform/win32/text_encoding.h"
#include "ui/win32/accessible_annotations.h"

namespace lwviz::win32 {
namespace {

// UI Automation's LiveSetting property, which IAccPropServices carries to it; not in the
// MinGW headers.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;  // LiveSetting's Polite

// The window's own object: annotations of OBJID_CLIENT are what the system's proxy reports.
constexpr DWORD kObject = static_cast<DWORD>(OBJID_CLIENT);

bool isLiveRegion(const Control& control) {
    return control.definition().accessible.role == AccessibleRole::StatusBar;
}

VARIANT integer(LONG value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

}  // namespace

AccessibleAnnotations::AccessibleAnnotations() {
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        services_.reset(services);
    }
}

void AccessibleAnnotations::annotate(HWND hwnd, const Control& control) {
    if (!services_) {
        return;
    }
    const AccessibleDefinition& a = control.definition().accessible;
    if (const std::string name = accessibleName(control); !name.empty()) {
        services_->SetHwndPropStr(hwnd, kObject, CHILDID_SELF, PROPID_ACC_NAME,
                                  toWide(name).c_str());
    }
    if (!a.description.empty()) {
        services_->SetHwndPropStr(hwnd, kObject, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                  toWide(std::string(a.description)).c_str());
    }
    if (a.role == AccessibleRole::StatusBar) {
        services_->SetHwndProp(hwnd, kObject, CHILDID_SELF, PROPID_ACC_ROLE,
                               integer(ROLE_SYSTEM_STATUSBAR));
    }
    if (isLiveRegion(control)) {
        services_->SetHwndProp(hwnd, kObject, CHILDID_SELF, kLiveSettingProperty, integer(kPolite));
    }
}

void AccessibleAnnotations::annotateWindow(HWND hwnd, bool owned) {
    if (services_ && owned) {
        services_->SetHwndProp(hwnd, kObject, CHILDID_SELF, PROPID_ACC_ROLE,
                               integer(ROLE_SYSTEM_DIALOG));
    }
}

void AccessibleAnnotations::clear(HWND hwnd) {
    if (!services_) {
        return;
    }
    static const std::array<MSAAPROPID, 4> kProperties = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION,
                                                          PROPID_ACC_ROLE, kLiveSettingProperty};
    services_->ClearHwndProps(hwnd, kObject, CHILDID_SELF, kProperties.data(),
                              static_cast<int>(kProperties.size()));
}

void AccessibleAnnotations::textChanged(HWND hwnd, const Control& control) {
    if (isLiveRegion(control)) {
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, hwnd, OBJID_CLIENT, CHILDID_SELF);
    }
}

}  // namespace lwviz::win32
