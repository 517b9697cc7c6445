#include "platform/win32/log_file_writer.h"

#include <windows.h>

#include <algorithm>
#include <random>
#include <string_view>
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

// The temporary file is named as on Linux, "." + the log's name + "." + six of these letters,
// so that the next write recognises a leftover of this very log.
constexpr std::wstring_view kSuffixLetters =
    L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 6;
// A temporary file unchanged for this long (in 100 ns units) belongs to no running write.
constexpr ULONGLONG kLeftoverAge = 60ULL * 10'000'000ULL;

// A new temporary file, open for writing through to the disk; CREATE_NEW guarantees that the
// name is unique, the randomness only keeps retries rare.
HANDLE createTemporary(const std::wstring& prefix, std::wstring& path) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = prefix;
        for (std::size_t i = 0; i < kSuffixLength; ++i) {
            path += kSuffixLetters[random() % kSuffixLetters.size()];
        }
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// Writes the bytes and through to the disk, then closes the file. Returns 0 or the Win32 error.
DWORD writeThrough(HANDLE file, const std::string& bytes) {
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

// Whether `owner` is the user, or the owner the user's new files get (for an elevated
// administrator, the Administrators group).
bool isUser(PSID owner) {
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) == 0) {
        return false;
    }
    bool user = false;
    for (const TOKEN_INFORMATION_CLASS kind : {TokenUser, TokenOwner}) {
        alignas(TOKEN_USER) BYTE buffer[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE]{};
        DWORD length = 0;
        if (GetTokenInformation(token, kind, buffer, sizeof buffer, &length) != 0) {
            const PSID sid = kind == TokenUser ? reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid
                                               : reinterpret_cast<TOKEN_OWNER*>(buffer)->Owner;
            user = user || EqualSid(sid, owner) != 0;
        }
    }
    CloseHandle(token);
    return user;
}

bool ownedByUser(const std::wstring& path) {
    DWORD size = 0;
    GetFileSecurityW(path.c_str(), OWNER_SECURITY_INFORMATION, nullptr, 0, &size);
    std::vector<BYTE> descriptor(size);
    PSID owner = nullptr;
    BOOL defaulted = FALSE;
    return size != 0 &&
           GetFileSecurityW(path.c_str(), OWNER_SECURITY_INFORMATION, descriptor.data(), size,
                            &size) != 0 &&
           GetSecurityDescriptorOwner(descriptor.data(), &owner, &defaulted) != 0 &&
           owner != nullptr && isUser(owner);
}

bool isTemporaryName(std::wstring_view name, std::wstring_view prefix) {
    // File names are case-insensitive here: any case of the log's name is the same log.
    return name.size() == prefix.size() + kSuffixLength &&
           CompareStringOrdinal(name.data(), static_cast<int>(prefix.size()), prefix.data(),
                                static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL &&
           name.substr(prefix.size()).find_first_not_of(kSuffixLetters) == std::wstring_view::npos;
}

// A write killed between creating its temporary file and the move leaves that file behind;
// the next write removes it. Only the user's own plain files named as this log's temporary
// files qualify, and only once they have been left unchanged for a minute, so that a write
// still running in another instance keeps its file. Best effort: the write goes on whatever
// happens here.
void removeLeftovers(const std::wstring& folder, const std::wstring& prefix) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileExW((folder + prefix + L"*").c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (ULONGLONG{time.dwHighDateTime} << 32U) | time.dwLowDateTime;
    };
    do {
        const std::wstring path = folder + found.cFileName;
        if (isTemporaryName(found.cFileName, prefix) &&
            (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
                0 &&
            ticks(found.ftLastWriteTime) + kLeftoverAge < ticks(now) && ownedByUser(path)) {
            DeleteFileW(path.c_str());
        }
    } while (FindNextFileW(search, &found) != 0);
    FindClose(search);
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

    // Without a folder (npos + 1 is 0) the folder is the working one.
    const std::size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = target.substr(0, slash + 1);
    const std::wstring prefix = L"." + target.substr(slash + 1) + L".";
    removeLeftovers(folder, prefix);
    std::wstring temporaryPath;
    HANDLE temporary = createTemporary(folder + prefix, temporaryPath);
    if (temporary == INVALID_HANDLE_VALUE) {
        throw systemFailure(GetLastError(), what);
    }

    DWORD error = writeThrough(temporary, toAnsi(toWide(text)));
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
