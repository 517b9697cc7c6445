#include "platform/win32/ansi_log_file.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/win32/system_failure.h"
#include "platform/win32/text_encoding.h"

namespace lwviz::win32 {
namespace {

std::wstring fullPath(const std::wstring& name) {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        wchar_t* filePart = nullptr;
        const DWORD length = GetFullPathNameW(name.c_str(), static_cast<DWORD>(buffer.size()),
                                              buffer.data(), &filePart);
        if (length == 0) {
            return name;
        }
        if (length < buffer.size()) {
            return {buffer.data(), length};
        }
        buffer.resize(length);
    }
}

std::wstring folderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

// Writes the bytes to a new file and through to the disk. Returns 0 or the Win32 error.
DWORD writeThrough(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError();
    }
    DWORD error = 0;
    std::size_t done = 0;
    while (error == 0 && done < bytes.size()) {
        DWORD written = 0;
        const auto chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1U << 20U));
        if (WriteFile(file, bytes.data() + done, chunk, &written, nullptr) == 0) {
            error = GetLastError();
        } else if (written == 0) {
            error = ERROR_WRITE_FAULT;
        }
        done += written;
    }
    if (error == 0 && FlushFileBuffers(file) == 0) {
        error = GetLastError();
    }
    if (CloseHandle(file) == 0 && error == 0) {
        error = GetLastError();
    }
    return error;
}

}  // namespace

void AnsiLogFile::replaceWith(const std::string& fileName, const std::string& text) {
    const std::wstring target = fullPath(toWide(fileName));
    const std::string what = "Cannot write the log file \"" + toUtf8(target) + "\"";

    // Windows refuses to replace a read-only file, Wine does not: refuse it here on both.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        throw systemFailure(ERROR_ACCESS_DENIED, what);
    }

    std::vector<wchar_t> temporary(MAX_PATH + 1);
    if (GetTempFileNameW(folderOf(target).c_str(), L"LWV", 0, temporary.data()) == 0) {
        throw systemFailure(GetLastError(), what);
    }
    const std::wstring temporaryPath(temporary.data());

    DWORD error = writeThrough(temporaryPath, toAnsi(toWide(text)));
    if (error == 0 && MoveFileExW(temporaryPath.c_str(), target.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        error = GetLastError();
    }
    if (error != 0) {
        DeleteFileW(temporaryPath.c_str());
        throw systemFailure(error, what);
    }
}

}  // namespace lwviz::win32
