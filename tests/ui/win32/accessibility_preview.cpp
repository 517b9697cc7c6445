// Not a test: shows the main window and the About window on in-memory services, prints what
// MSAA says of them (role, name, description of each window and its controls, in Z-order) and
// keeps them open, side by side, for the given seconds, for a look or a screenshot. With
// --high-contrast the windows are told that high contrast is on, whatever the system says.
//
//   lwviz_win32_preview [SECONDS] [--high-contrast]
#include <windows.h>
// After windows.h, which it needs.
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/application.h"
#include "platform/win32/text_encoding.h"
#include "support/fakes.h"
#include "ui/win32/win32_front_end.h"

namespace {

template <typename Get>
std::string bstrText(Get get) {
    BSTR value = nullptr;
    const HRESULT status = get(&value);
    std::string utf8 = status == S_OK && value != nullptr ? lwviz::win32::toUtf8(value) : "";
    SysFreeString(value);
    return utf8;
}

std::string roleText(long role) {
    wchar_t text[64] = {};
    GetRoleTextW(static_cast<DWORD>(role), text, 64);
    return lwviz::win32::toUtf8(text);
}

void printObject(HWND hwnd, const char* indent) {
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    IAccessible* object = nullptr;
    const HRESULT status = AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                                      reinterpret_cast<void**>(&object));
    if (FAILED(status)) {
        std::printf("%s%s: no accessible object (%08lx)\n", indent,
                    lwviz::win32::toUtf8(className).c_str(), static_cast<unsigned long>(status));
        return;
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const std::string name =
        bstrText([&](BSTR* value) { return object->get_accName(self, value); });
    const std::string description =
        bstrText([&](BSTR* value) { return object->get_accDescription(self, value); });
    VARIANT role;
    VariantInit(&role);
    object->get_accRole(self, &role);
    std::printf("%s%-7s role=%-12s name=\"%s\" description=\"%s\"\n", indent,
                lwviz::win32::toUtf8(className).c_str(),
                role.vt == VT_I4 ? roleText(role.lVal).c_str() : "?", name.c_str(),
                description.c_str());
    object->Release();
}

void printTree(HWND window) {
    printObject(window, "");
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        printObject(child, "  ");
    }
}

}  // namespace

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 0;
    const bool highContrast = argc > 2 && std::strcmp(argv[2], "--high-contrast") == 0;
    {
        lwviz::testing::FakePlatform platform;
        lwviz::win32::Win32FrontEnd frontEnd(GetModuleHandleW(nullptr), [highContrast] {
            return highContrast || lwviz::win32::systemHighContrast();
        });
        lwviz::Services services = platform.servicesWith({.host = &frontEnd});
        auto app = std::make_unique<lwviz::Application>(services);
        frontEnd.open(*app, SW_SHOWNORMAL);
        HWND main = frontEnd.view(app->mainWindow())->handle();
        SendMessageW(frontEnd.view(app->mainWindow())->controlHandle("ABOUT_BUTTON"), BM_CLICK, 0,
                     0);
        HWND about = frontEnd.view(*app->aboutWindow())->handle();
        // Beside the main window rather than over it.
        RECT outer{};
        GetWindowRect(main, &outer);
        SetWindowPos(about, nullptr, outer.right + 40, outer.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        std::printf("Main window\n");
        printTree(main);
        std::printf("About window\n");
        printTree(about);
        std::fflush(stdout);
        const ULONGLONG end = GetTickCount64() + 1000ULL * static_cast<ULONGLONG>(seconds);
        MSG msg{};
        while (GetTickCount64() < end) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != 0) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(10);
        }
    }
    CoUninitialize();
    return 0;
}
