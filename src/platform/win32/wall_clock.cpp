#include "platform/win32/wall_clock.h"

#include <windows.h>

#include "platform/win32/text_encoding.h"

namespace lwviz::win32 {

std::string LocaleWallClock::dateText() {
    wchar_t text[128] = {};
    const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr,
                                       text, static_cast<int>(std::size(text)), nullptr);
    return length > 0 ? toUtf8(text) : std::string();
}

std::string LocaleWallClock::timeText() {
    wchar_t text[128] = {};
    const int length = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, text,
                                       static_cast<int>(std::size(text)));
    return length > 0 ? toUtf8(text) : std::string();
}

}  // namespace lwviz::win32
