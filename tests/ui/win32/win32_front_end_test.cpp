// The Win32 front-end with the real program on in-memory services and a virtual clock: native
// windows under Wine (the cross build's tests run with a display).
#ifdef _WIN32

#include "ui/win32/win32_front_end.h"

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <oleacc.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "core/twips.h"
#include "platform/win32/text_encoding.h"
#include "support/fakes.h"

namespace lwviz::win32 {
namespace {

using lwviz::testing::FakePlatform;

std::wstring classOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::string textOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return toUtf8(text);
}

LONG_PTR styleOf(HWND hwnd) { return GetWindowLongPtrW(hwnd, GWL_STYLE); }

class FrontEndTest : public ::testing::Test {
protected:
    void open() {
        app = std::make_unique<Application>(services);
        frontEnd.open(*app, SW_SHOWNOACTIVATE);
        ASSERT_FALSE(app->ended());
    }
    [[nodiscard]] HWND main() const { return frontEnd.view(app->mainWindow())->handle(); }
    [[nodiscard]] HWND control(const char* name) const {
        return frontEnd.view(app->mainWindow())->controlHandle(name);
    }

    // Handles the window messages that are waiting, and the timers due within `ms`.
    static void pump(int ms) {
        const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
        MSG msg{};
        while (GetTickCount64() < end) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != 0) {
                if (msg.message == WM_QUIT) {
                    return;
                }
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(5);
        }
    }

    FakePlatform platform;
    bool highContrast = false;  // what the windows are told of the system's setting
    Win32FrontEnd frontEnd{GetModuleHandleW(nullptr), [this] { return highContrast; }};
    Services services = platform.servicesWith({.host = &frontEnd});
    std::unique_ptr<Application> app;
};

// The colours a control gets from its parent, as it would ask for them.
std::pair<COLORREF, COLORREF> coloursOf(HWND parent, HWND control) {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
    const std::pair<COLORREF, COLORREF> colours{GetTextColor(dc), GetBkColor(dc)};
    DeleteDC(dc);
    return colours;
}

// The name a screen reader gets of a native control through MSAA, from the system's proxy.
std::string accessibleName(HWND hwnd) {
    IAccessible* object = nullptr;
    BSTR name = nullptr;
    VARIANT self{};
    self.vt = VT_I4;  // CHILDID_SELF
    if (SUCCEEDED(AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                             reinterpret_cast<void**>(&object)))) {
        object->get_accName(self, &name);
        object->Release();
    }
    std::string utf8 = name != nullptr ? toUtf8(name) : "(none)";
    SysFreeString(name);
    return utf8;
}

// Whether a caption that lies above a box paints over part of it.
bool paintsOver(HWND caption, HWND box) {
    RECT own{};
    RECT other{};
    RECT overlap{};
    GetWindowRect(caption, &own);
    GetWindowRect(box, &other);
    if (IntersectRect(&overlap, &own, &other) == FALSE) {
        return false;
    }
    OffsetRect(&overlap, -own.left, -own.top);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    const bool over =
        GetWindowRgn(caption, shape) == ERROR || RectInRegion(shape, &overlap) != FALSE;
    DeleteObject(shape);
    return over;
}

TEST_F(FrontEndTest, DrawsWhatTheLayoutDrawsWithNativeControlsFontsAndColours) {
    platform.settings.put(platform.program.name, "AlwaysOnTop_TICKBOX", "2");
    open();
    for (const Control& c : app->mainWindow().controls()) {
        const bool native = control(std::string(c.name()).c_str()) != nullptr;
        EXPECT_EQ(native, app->mainWindow().layout().drawn(c)) << c.name();
    }
    EXPECT_EQ(classOf(control("LW_TITLE_1")), L"Static");
    EXPECT_EQ(styleOf(control("LW_TITLE_1")) & (SS_TYPEMASK | WS_BORDER), SS_CENTER | WS_BORDER);
    EXPECT_EQ(styleOf(control("STATUS_LABEL")) & (SS_TYPEMASK | WS_BORDER), SS_LEFT);
    EXPECT_EQ(classOf(control("LW_UPTIME_DISPLAY_TEXTBOX")), L"Edit");
    EXPECT_EQ(styleOf(control("LW_UPTIME_DISPLAY_TEXTBOX")) & (ES_READONLY | ES_CENTER),
              ES_READONLY | ES_CENTER);
    EXPECT_EQ(styleOf(control("AUTOSTART_TICKBOX")) & BS_TYPEMASK, BS_3STATE);
    EXPECT_EQ(styleOf(control("START_STOP_BUTTON")) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(textOf(control("LW_UPTIME_DISPLAY_TEXTBOX")), "TIMERS DISABLED");
    EXPECT_EQ(SendMessageW(control("AlwaysOnTop_TICKBOX"), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    // The tab chain is the order of the child windows.
    EXPECT_EQ(GetNextDlgTabItem(main(), nullptr, FALSE), control("START_STOP_BUTTON"));
    EXPECT_EQ(GetNextDlgTabItem(main(), control("START_STOP_BUTTON"), FALSE),
              control("AUTOSTART_TICKBOX"));
    // The fonts of the design: the window's, bold captions, and the banners' Arial.
    for (const auto& [name, weight] :
         {std::pair{"STATUS_LABEL", FW_BOLD}, std::pair{"AUTOSTART_TICKBOX", FW_NORMAL},
          std::pair{"LW_TITLE_1", FW_BOLD}}) {
        HDC dc = GetDC(control(name));
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control(name), WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        ReleaseDC(control(name), dc);
        EXPECT_EQ(metrics.tmWeight, weight) << name;
    }
    // Moves but does not resize; no maximize button. The outer corner is the model's, the client
    // area the model's outer size less the design's frame.
    const LONG_PTR style = styleOf(main());
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    RECT outer{};
    GetWindowRect(main(), &outer);
    const unsigned dpi = frontEnd.view(app->mainWindow())->dpi();
    EXPECT_EQ(outer.left, twipsToPixels(1000, dpi));
    RECT client{};
    GetClientRect(main(), &client);
    EXPECT_EQ(client.right, twipsToPixels(4380 - 90, dpi));
    EXPECT_EQ(client.bottom, twipsToPixels(2325 - 375, dpi));
    // Moved to a screen of twice the dpi: the system's corner, the design's client area there,
    // whatever size the system suggests.
    RECT suggested{300, 200, 300 + 2 * (outer.right - outer.left) + 7, 200 + 5};
    SendMessageW(main(), WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(main(), &outer);
    GetClientRect(main(), &client);
    EXPECT_EQ(std::pair(outer.left, outer.top), std::pair(300L, 200L));
    EXPECT_EQ(std::pair(client.right, client.bottom),
              std::pair(LONG{twipsToPixels(4380 - 90, 2 * dpi)},
                        LONG{twipsToPixels(2325 - 375, 2 * dpi)}));

    // The display's colours follow the model: green on red at rest, on black once started.
    EXPECT_EQ(coloursOf(main(), control("LW_UPTIME_DISPLAY_TEXTBOX")),
              std::make_pair(COLORREF{0x00FF00}, COLORREF{0x0000FF}));
    SendMessageW(control("START_STOP_BUTTON"), BM_CLICK, 0, 0);
    EXPECT_EQ(textOf(control("START_STOP_BUTTON")), "STOP");
    EXPECT_EQ(coloursOf(main(), control("LW_UPTIME_DISPLAY_TEXTBOX")),
              std::make_pair(COLORREF{0x00FF00}, COLORREF{0x000000}));
}

TEST_F(FrontEndTest, HandsTheUsersInputAndItsTimerToTheProgram) {
    platform.environment.name = std::string(64, 'N');  // a long line in the entry
    static std::vector<std::string> announced;         // the texts of the live-region events
    auto record = [](HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
        if (object == OBJID_CLIENT && child == CHILDID_SELF) {
            announced.push_back(textOf(hwnd));
        }
    };
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        record, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    open();
    SendMessageW(control("AUTOSTART_TICKBOX"), BM_CLICK, 0, 0);
    EXPECT_EQ(app->mainWindow().control("AUTOSTART_TICKBOX").value(), kTicked);
    EXPECT_EQ(SendMessageW(control("AUTOSTART_TICKBOX"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_NE(IsWindowEnabled(control("AUTOCLOSE_TICKBOX")), FALSE) << "the handler's change";

    // Enter, as the dialog manager sends it, presses START; WM_TIMER wakes the program.
    SendMessageW(main(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(textOf(control("START_STOP_BUTTON")), "STOP");
    // Only the uptime line is drawn: the timer was armed for the next displayed second, up to
    // a second of real time away.
    platform.clock.now += 10000;
    pump(1100);
    EXPECT_EQ(textOf(control("CURRENT_STATUS_LABEL")), "!!! LOGGING UPTIME !!!");
    platform.clock.now += 1000;
    pump(1100);
    // Each change of the status line is announced once: drawn again, it is not.
    frontEnd.view(app->mainWindow())
        ->apply(app->mainWindow().control("CURRENT_STATUS_LABEL"), kChangedText);
    pump(50);
    EXPECT_EQ(announced, (std::vector<std::string>{"!!! STARTING !!!", "!!! LOGGING UPTIME !!!"}));
    UnhookWinEvent(hook);

    SendMessageW(control("ABOUT_BUTTON"), BM_CLICK, 0, 0);
    ASSERT_NE(app->aboutWindow(), nullptr);
    WindowView* about = frontEnd.view(*app->aboutWindow());
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about->handle(), GW_OWNER), main());
    EXPECT_EQ(IsWindowEnabled(main()), FALSE);
    // The report shows the whole entry: no line wrapped, the last one inside the box.
    HWND report = about->controlHandle("OUTPUT_REPORT_TEXTBOX");
    EXPECT_EQ(accessibleName(report), "Output Log");
    EXPECT_EQ(SendMessageW(report, EM_GETLINECOUNT, 0, 0), 9);
    RECT box{};
    GetClientRect(report, &box);
    const LRESULT last = SendMessageW(report, EM_POSFROMCHAR, GetWindowTextLengthW(report) - 1, 0);
    EXPECT_LT(HIWORD(last), box.bottom);
    HWND creator = about->controlHandle("CREATOR_TEXTBOX");
    SendMessageW(about->handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(creator), STN_DBLCLK),
                 reinterpret_cast<LPARAM>(creator));
    EXPECT_NE(textOf(creator).find('@'), std::string::npos) << textOf(creator);
    SendMessageW(about->handle(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(app->aboutWindow(), nullptr);
    EXPECT_NE(IsWindowEnabled(main()), FALSE);

    const unsigned dpi = frontEnd.view(app->mainWindow())->dpi();
    SetWindowPos(main(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pump(50);
    EXPECT_FLOAT_EQ(app->mainWindow().left(), pixelsToTwips(200, dpi));
    EXPECT_FLOAT_EQ(app->mainWindow().top(), pixelsToTwips(150, dpi));

    SendMessageW(main(), WM_CLOSE, 0, 0);
    EXPECT_EQ(app->exitStatus(), 0);
    EXPECT_EQ(frontEnd.view(app->mainWindow()), nullptr);
    MSG quit{};
    EXPECT_NE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), 0);
    EXPECT_EQ(quit.wParam, 0U);
}

TEST_F(FrontEndTest, NamesTheBoxesAfterTheirCaptionsWithoutMovingTheTabChain) {
    open();
    // Windows names an edit box after the static text just before it in Z-order.
    HWND display = control("LW_UPTIME_DISPLAY_TEXTBOX");
    EXPECT_EQ(accessibleName(display), "UPTIME:");
    EXPECT_EQ(GetWindow(display, GW_HWNDPREV), control("UPTIME_TEXT_LABEL"));
    EXPECT_FALSE(paintsOver(control("UPTIME_TEXT_LABEL"), display));
    // Tab still follows the window's tab chain, over the enabled controls.
    HWND at = nullptr;
    for (const Control* c : app->mainWindow().layout().tabChain()) {
        HWND next = control(std::string(c->name()).c_str());
        if (IsWindowEnabled(next) != FALSE) {
            at = GetNextDlgTabItem(main(), at, FALSE);
            EXPECT_EQ(at, next) << c->name();
        }
    }
}

TEST_F(FrontEndTest, GivesTheColouredBoxesTheSystemColoursUnderHighContrast) {
    open();
    const std::pair designed{COLORREF{0x00FF00}, COLORREF{0x000000}};
    const std::pair face{GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE)};
    pump(50);
    highContrast = true;
    SendMessageW(main(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_EQ(coloursOf(main(), control("LW_UPTIME_DISPLAY_TEXTBOX")),
              std::pair(GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(coloursOf(main(), control("CURRENT_STATUS_LABEL")), face);
    EXPECT_NE(GetUpdateRect(control("LW_TITLE_1"), nullptr, FALSE), FALSE) << "not drawn again";
    // "STATUS:" runs over the status line's frame in the design, but not here.
    EXPECT_FALSE(paintsOver(control("STATUS_LABEL"), control("CURRENT_STATUS_LABEL")));

    highContrast = false;
    SendMessageW(main(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(coloursOf(main(), control("LW_TITLE_1")), designed);
    EXPECT_TRUE(paintsOver(control("STATUS_LABEL"), control("CURRENT_STATUS_LABEL")));
}

// The version information of the built program, as Windows' file properties show it.
TEST(Win32Program, CarriesItsVersionInformation) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + toWide(LWVIZ_PROGRAM_RELATIVE);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0U) << toUtf8(path);
    std::vector<char> data(size);
    ASSERT_NE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()), 0);

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_NE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length), 0);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000U);
    EXPECT_EQ(fixed->dwFileVersionLS, 0U);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000U);

    auto text = [&data](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT chars = 0;
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        if (VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &chars) ==
            0) {
            return std::string("(missing)");
        }
        return toUtf8(value);
    };
    EXPECT_EQ(text(L"FileVersion"), "1.00");
    EXPECT_EQ(text(L"ProductVersion"), "1.00");
    EXPECT_EQ(text(L"InternalName"), "LW-DODOZU-ZIDADA-V1");
    EXPECT_EQ(text(L"OriginalFilename"), "LW-DODOZU-ZIDADA-V1.exe");
    EXPECT_EQ(text(L"ProductName"), "LW-VIZ");
    EXPECT_EQ(text(L"CompanyName"), "LARK-WEAVER");

    // The icon with its 16 and 24 pixel images.
    HMODULE program = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    for (int pixels : {16, 24}) {
        HICON icon = static_cast<HICON>(
            LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON, pixels, pixels, 0));
        ASSERT_NE(icon, nullptr) << pixels;
        ICONINFO info{};
        GetIconInfo(icon, &info);
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
        EXPECT_EQ(bitmap.bmWidth, pixels);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    FreeLibrary(program);
}

}  // namespace
}  // namespace lwviz::win32

#endif  // _WIN32
