#pragma once

// What a fuzz target does when an invariant breaks: say which one, show the input's text and
// abort, so libFuzzer keeps the input as a crash artifact.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace lwviz::fuzz {

[[noreturn]] inline void fail(std::string_view what, std::string_view text) {
    std::fprintf(stderr, "invariant broken: %.*s\n  text: \"", static_cast<int>(what.size()),
                 what.data());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            std::fputc(c, stderr);
        } else {
            std::fprintf(stderr, "\\x%02X", byte);
        }
    }
    std::fputs("\"\n", stderr);
    std::abort();
}

inline void check(bool holds, std::string_view what, std::string_view text) {
    if (!holds) {
        fail(what, text);
    }
}

}  // namespace lwviz::fuzz
