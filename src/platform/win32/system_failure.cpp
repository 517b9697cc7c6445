#include "platform/win32/system_failure.h"

#include <windows.h>

#include "platform/win32/text_encoding.h"

namespace lwviz::win32 {
namespace {
int runtimeNumber(unsigned long error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return RuntimeFailure::kPermissionDenied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return RuntimeFailure::kDiskFull;
        case ERROR_INVALID_NAME:
        case ERROR_FILENAME_EXCED_RANGE:
            return RuntimeFailure::kBadFileNameOrNumber;
        default:
            return RuntimeFailure::kPathFileAccessError;
    }
}
}  // namespace

RuntimeFailure systemFailure(unsigned long error, const std::string& what) {
    return {runtimeNumber(error), what + ": " + systemMessage(error)};
}

}  // namespace lwviz::win32
