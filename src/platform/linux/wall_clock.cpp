#include "platform/linux/wall_clock.h"

#include <iconv.h>
#include <langinfo.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <ctime>
#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

namespace lwviz::linux_os {
namespace {

struct LocaleDeleter {
    void operator()(locale_t locale) const { freelocale(locale); }
};
using LocaleHandle = std::unique_ptr<std::remove_pointer_t<locale_t>, LocaleDeleter>;

// Only LC_TIME comes from the environment; the other categories stay "C".
LocaleHandle userTimeLocale() {
    locale_t locale = newlocale(LC_TIME_MASK, "", nullptr);
    if (locale == nullptr) {
        locale = newlocale(LC_TIME_MASK, "C", nullptr);
    }
    return LocaleHandle(locale);
}

// The codeset of the time texts themselves, which may differ from LC_CTYPE's.
std::string timeCodeset(locale_t locale) {
#ifdef __GLIBC__
    const char* codeset = nl_langinfo_l(_NL_TIME_CODESET, locale);
#else
    const char* codeset = nl_langinfo_l(CODESET, locale);
#endif
    return codeset != nullptr ? codeset : "";
}

bool isAscii(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Month names and the like of an 8-bit locale would otherwise end up as broken UTF-8 in the
// window and the log. Bytes that cannot be converted become '?'.
std::string toUtf8(const std::string& text, const std::string& codeset) {
    if (isAscii(text) || codeset == "UTF-8" || codeset.empty()) {
        return text;
    }
    const iconv_t converter = iconv_open("UTF-8", codeset.c_str());
    // iconv_open's documented failure value.
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return text;
    }
    std::string out;
    std::vector<char> input(text.begin(), text.end());
    char* in = input.data();
    std::size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out += '?';
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    return out;
}

std::string formatNow(const char* format) {
    const LocaleHandle locale = userTimeLocale();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    if (!locale) {
        return {};
    }
    // strftime gives 0 both for "did not fit" and for an empty text; grow a few times.
    for (std::size_t size = 64; size <= 4096; size *= 4) {
        std::vector<char> buffer(size);
        const std::size_t length = strftime_l(buffer.data(), size, format, &local, locale.get());
        if (length > 0) {
            return toUtf8(std::string(buffer.data(), length), timeCodeset(locale.get()));
        }
    }
    return {};
}

}  // namespace

std::string LinuxWallClock::dateText() { return formatNow("%x"); }

std::string LinuxWallClock::timeText() { return formatNow("%X"); }

}  // namespace lwviz::linux_os
