// The Windows services behind the ports, against the real registry, file system and clock
// (under Wine in the cross build).
#ifdef _WIN32

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/runtime_failure.h"
#include "platform/win32/clocks.h"
#include "platform/win32/environment.h"
#include "platform/win32/log_file_writer.h"
#include "platform/win32/program_info.h"
#include "platform/win32/registry_settings_store.h"
#include "platform/win32/text_encoding.h"
#include "platform/win32/wall_clock.h"
#include "support/temporary_folder.h"

namespace lwviz::win32 {
namespace {

namespace fs = std::filesystem;

constexpr const char* kApplication = "LW_VIZ_TEST";

// A registry section of its own for each test, removed afterwards.
class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\LW_VIZ_TEST"); }

    RegistrySettingsStore store;
};

TEST_F(RegistryTest, SavedTextReadsBackAndAbsentKeysReadAsNothing) {
    EXPECT_EQ(store.get(kApplication, "SECTION", "MAIN_Left"), std::nullopt);
    store.save(kApplication, "SECTION", "MAIN_Left", "1000");
    store.save(kApplication, "SECTION", "MAIN_Left", "1234.5");
    store.save(kApplication, "SECTION", "empty", "");
    EXPECT_EQ(store.get(kApplication, "SECTION", "MAIN_Left"), "1234.5");
    EXPECT_EQ(store.get(kApplication, "SECTION", "empty"), "");
    EXPECT_EQ(store.get(kApplication, "SECTION", "MAIN_Top"), std::nullopt);
    EXPECT_EQ(store.get(kApplication, "OTHER", "MAIN_Left"), std::nullopt);

    // One REG_SZ value per key, where other tools (reg.exe, regedit) see it.
    wchar_t value[32] = {};
    DWORD bytes = sizeof(value);
    DWORD type = 0;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\LW_VIZ_TEST\\SECTION", L"MAIN_Left",
                           RRF_RT_ANY, &type, value, &bytes),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(value, L"1234.5");
}

TEST_F(RegistryTest, NamesAndValuesBeyondAsciiRoundTrip) {
    const std::string section =
        "LW-\xC3\x9C"
        "BER";  // "LW-ÜBER"
    store.save(kApplication, section, "K\xC3\xA9y", "\xE2\x82\xAC 5");
    EXPECT_EQ(store.get(kApplication, section, "K\xC3\xA9y"), "\xE2\x82\xAC 5");
}

TEST_F(RegistryTest, ValueOfAnotherTypeReadsAsAbsent) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\LW_VIZ_TEST\\SECTION", 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 7;
    RegSetValueExW(key, L"MAIN_Left", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof(number));
    RegCloseKey(key);
    EXPECT_EQ(store.get(kApplication, "SECTION", "MAIN_Left"), std::nullopt);
}

TEST_F(RegistryTest, RefusedSaveNamesTheKey) {
    // A lasting key cannot be made under a volatile one: the registry refuses the section.
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\LW_VIZ_TEST", 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    try {
        store.save(kApplication, "SECTION", "MAIN_Left", "1");
        FAIL() << "the save was not refused";
    } catch (const RuntimeFailure& failure) {
        EXPECT_NE(failure.description().find("Software\\LW_VIZ_TEST\\SECTION\\MAIN_Left: "),
                  std::string::npos)
            << failure.description();
    }
    EXPECT_EQ(store.get(kApplication, "SECTION", "MAIN_Left"), std::nullopt);
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each test in a fresh working folder.
class LogFileTest : public ::testing::Test {
protected:
    [[nodiscard]] int filesInFolder() const {
        return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
    }

    testing::TemporaryFolder temporary;
    const fs::path& folder = temporary.path();
    AnsiLogFile log;
};

TEST_F(LogFileTest, WritesTheTextInTheAnsiCodePageKeepingCrLf) {
    const std::string text = "====\r\nPC Name = Caf\xC3\xA9\r\n\r\n====\r\n";
    log.replaceWith((folder / "X.LOG").string(), text);
    std::string expected = "====\r\nPC Name = Caf";
    if (GetACP() == 1252) {
        expected += '\xE9';
    } else {
        expected += toAnsi(L"\u00E9");
    }
    expected += "\r\n\r\n====\r\n";
    EXPECT_EQ(readBytes(folder / "X.LOG"), expected);
    EXPECT_EQ(filesInFolder(), 1) << "the temporary file was left behind";
}

TEST_F(LogFileTest, ANameRelativeToTheWorkingFolderAndASecondEntryReplacesTheFirst) {
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    log.replaceWith("X.LOG", "first entry, longer than the second\r\n");
    log.replaceWith("X.LOG", "second\r\n");
    fs::current_path(before);
    EXPECT_EQ(readBytes(folder / "X.LOG"), "second\r\n");
    EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(LogFileTest, AFailedReplaceLeavesTheOldEntryAndNamesTheFileAndReason) {
    log.replaceWith((folder / "X.LOG").string(), "old\r\n");
    // Another program holds the log open without sharing it: the new entry cannot go in.
    HANDLE holder = CreateFileW((folder / "X.LOG").wstring().c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    try {
        log.replaceWith((folder / "X.LOG").string(), "new\r\n");
        ADD_FAILURE() << "replacing a locked file succeeded";
    } catch (const RuntimeFailure& failure) {
        EXPECT_EQ(failure.number(), RuntimeFailure::kPermissionDenied);
        const std::string named = "\"" + (folder / "X.LOG").string() + "\": ";
        const std::size_t name = failure.description().find(named);
        ASSERT_NE(name, std::string::npos) << failure.description();
        EXPECT_GT(failure.description().size(), name + named.size())
            << "no reason given: " << failure.description();
    }
    CloseHandle(holder);
    // A read-only log is refused too, also where the move would replace it (Wine).
    SetFileAttributesW((folder / "X.LOG").wstring().c_str(), FILE_ATTRIBUTE_READONLY);
    try {
        log.replaceWith((folder / "X.LOG").string(), "new\r\n");
        ADD_FAILURE() << "a read-only log was replaced";
    } catch (const RuntimeFailure& failure) {
        EXPECT_EQ(failure.number(), RuntimeFailure::kPermissionDenied);
    }
    EXPECT_EQ(readBytes(folder / "X.LOG"), "old\r\n");
    EXPECT_EQ(filesInFolder(), 1) << "the temporary file was left behind";
}

TEST_F(LogFileTest, RemovesOnlyItsOwnTemporaryFilesThatKilledWritesLeft) {
    // Left by a killed write of this log (names ignore case), not this log's temporary names.
    for (const char* name : {".x.log.aB3xYz", ".X.LOG.aB3xY", ".Y.LOG.aB3xYz"}) {
        std::ofstream(folder / name) << "partial";
        fs::last_write_time(folder / name,
                            fs::file_time_type::clock::now() - std::chrono::minutes(2));
    }
    std::ofstream(folder / ".X.LOG.aB3xY0") << "partial";  // another instance is writing it now
    log.replaceWith((folder / "X.LOG").string(), "x\r\n");
    EXPECT_FALSE(fs::exists(folder / ".x.log.aB3xYz"));
    EXPECT_EQ(filesInFolder(), 4);
}

TEST_F(LogFileTest, AMissingFolderIsAFailureNamingTheFile) {
    EXPECT_THROW(log.replaceWith((folder / "missing" / "X.LOG").string(), "x\r\n"), RuntimeFailure);
}

TEST(Win32Clocks, TickCounterIsTheSystemsUptimeAndTheClockAdvances) {
    TickCount64Counter ticks;
    const std::uint64_t before = GetTickCount64();
    const std::uint64_t read = ticks.milliseconds();
    EXPECT_GE(read, before);
    EXPECT_LE(read, GetTickCount64());

    PerformanceCounterClock clock;
    const std::int64_t start = clock.nowMs();
    Sleep(50);
    const std::int64_t elapsed = clock.nowMs() - start;
    EXPECT_GE(elapsed, 45);
    EXPECT_LT(elapsed, 5000);
}

TEST(Win32Process, ComputerNameComesFromTheEnvironmentAndUnsetReadsEmpty) {
    ProcessEnvironment environment;
    SetEnvironmentVariableW(L"COMPUTERNAME", L"LW-TEST-PC-\u00C4");
    EXPECT_EQ(environment.computerName(), "LW-TEST-PC-\xC3\x84");
    const std::wstring longName(300, L'N');
    SetEnvironmentVariableW(L"COMPUTERNAME", longName.c_str());
    EXPECT_EQ(environment.computerName(), std::string(300, 'N'));
    SetEnvironmentVariableW(L"COMPUTERNAME", nullptr);
    EXPECT_EQ(environment.computerName(), "");
}

TEST(Win32Process, BaseNameDropsFolderAndLastExtension) {
    EXPECT_EQ(baseNameOf(L"C:\\Programs\\LW-DODOZU-ZIDADA-V1.exe"), L"LW-DODOZU-ZIDADA-V1");
    EXPECT_EQ(baseNameOf(L"C:\\a.b\\copy.of.tool.EXE"), L"copy.of.tool");
    EXPECT_EQ(baseNameOf(L"Z:/tmp/noext"), L"noext");
    EXPECT_EQ(ModuleProgramInfo().baseName(), "lwviz_platform_tests");
}

TEST(Win32WallClock, DateAndTimeFollowTheUserLocale) {
    LocaleWallClock clock;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const std::string date = clock.dateText();
    const std::string time = clock.timeText();
    // The short date carries the year (two or four digits); the time carries the seconds.
    EXPECT_NE(date.find(std::to_string(now.wYear % 100)), std::string::npos) << date;
    EXPECT_GE(time.size(), 7U) << time;
    EXPECT_EQ(time.find('\0'), std::string::npos);
    EXPECT_EQ(date.find('\0'), std::string::npos);
}

}  // namespace
}  // namespace lwviz::win32

#endif  // _WIN32
