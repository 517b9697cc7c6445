#pragma once

#include <objbase.h>

namespace lwviz::win32 {

// COM for the whole run, in this thread (the accessibility annotations are COM objects): made
// before the windows, which use it, and gone after them.
class ComApartment {
public:
    ComApartment() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ComApartment(ComApartment&&) = delete;
    ComApartment& operator=(ComApartment&&) = delete;
    ~ComApartment() {
        if (started_) {
            CoUninitialize();
        }
    }

private:
    bool started_;
};

}  // namespace lwviz::win32
