#include "platform/qt/qt_settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "core/runtime_failure.h"
#include "support/temporary_folder.h"
#include "support/unprivileged.h"

namespace lwviz::qt {
namespace {

namespace fs = std::filesystem;

const std::string kApp = "LW_VIZ";
const std::string kSection = "LW-DODOZU-ZIDADA-V1";

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class QtSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        saveVariable("XDG_CONFIG_HOME", oldConfig);
        saveVariable("HOME", oldHome);
        setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
        setenv("HOME", (folder / "home").c_str(), 1);
    }
    void TearDown() override {
        restoreVariable("XDG_CONFIG_HOME", oldConfig);
        restoreVariable("HOME", oldHome);
    }

    static void saveVariable(const char* name, std::optional<std::string>& slot) {
        if (const char* value = std::getenv(name)) {
            slot = value;
        }
    }
    static void restoreVariable(const char* name, const std::optional<std::string>& slot) {
        if (slot) {
            setenv(name, slot->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

    testing::TemporaryFolder temporary;
    const fs::path& folder = temporary.path();
    std::optional<std::string> oldConfig;
    std::optional<std::string> oldHome;
    QtSettingsStore store;
};

TEST_F(QtSettingsStoreTest, ValuesRoundTripThroughTheIniFileBySectionAndExactKey) {
    const fs::path ini = folder / "config" / "LW_VIZ.ini";
    EXPECT_EQ(QtSettingsStore::filePath(kApp), ini.string());
    EXPECT_EQ(store.get(kApp, kSection, "MAIN_Left"), std::nullopt) << "nothing stored yet";

    store.save(kApp, kSection, "MAIN_Left", "1000");
    store.save(kApp, kSection, "AlwaysOnTop_TICKBOX", "1");
    store.save(kApp, kSection, "ABOUT_Left", "1234.5");
    store.save(kApp, kSection, "MAIN_Left", "2000");  // replaces the earlier value

    EXPECT_EQ(store.get(kApp, kSection, "MAIN_Left"), "2000");
    EXPECT_EQ(store.get(kApp, kSection, "AlwaysOnTop_TICKBOX"), "1");
    EXPECT_EQ(store.get(kApp, kSection, "ABOUT_Left"), "1234.5");
    EXPECT_EQ(store.get(kApp, kSection, "ALWAYSONTOP_TICKBOX"), std::nullopt)
        << "keys are case-sensitive";
    EXPECT_EQ(store.get(kApp, kSection, "MAIN_Top"), std::nullopt);

    const std::string text = readText(ini);
    EXPECT_NE(text.find("[LW-DODOZU-ZIDADA-V1]\n"), std::string::npos) << text;
    EXPECT_NE(text.find("AlwaysOnTop_TICKBOX=1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("MAIN_Left=2000\n"), std::string::npos) << text;

    // Texts that look like INI syntax come back unchanged.
    for (const std::string tricky : {"1000,5", "@Invalid()", " padded ", "a=b;c", "\"q\""}) {
        store.save(kApp, kSection, "MAIN_Top", tricky);
        EXPECT_EQ(store.get(kApp, kSection, "MAIN_Top"), tricky);
    }
}

TEST_F(QtSettingsStoreTest, ARenamedProgramHasItsOwnSection) {
    store.save(kApp, kSection, "MAIN_Left", "1000");
    EXPECT_EQ(store.get(kApp, "LW-COPY", "MAIN_Left"), std::nullopt);
    store.save(kApp, "LW-COPY", "MAIN_Left", "3000");
    EXPECT_EQ(store.get(kApp, kSection, "MAIN_Left"), "1000");
    EXPECT_EQ(store.get(kApp, "LW-COPY", "MAIN_Left"), "3000");
}

TEST_F(QtSettingsStoreTest, EveryGetReadsTheFileAgain) {
    store.save(kApp, kSection, "MAIN_Left", "1000");
    EXPECT_EQ(store.get(kApp, kSection, "MAIN_Left"), "1000");

    const fs::path ini = folder / "config" / "LW_VIZ.ini";
    writeText(ini, "[LW-DODOZU-ZIDADA-V1]\nMAIN_Left=98765\nMAIN_Top=1000, 5\n");
    EXPECT_EQ(store.get(kApp, kSection, "MAIN_Left"), "98765");
    EXPECT_EQ(store.get(kApp, kSection, "MAIN_Top"), "1000,5") << "a bare list reads as its text";

    fs::remove(ini);
    EXPECT_EQ(store.get(kApp, kSection, "MAIN_Left"), std::nullopt);
}

TEST_F(QtSettingsStoreTest, FolderFollowsXdgConfigHomeElseHomeConfig) {
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(QtSettingsStore::filePath(kApp),
              (folder / "home" / ".config" / "LW_VIZ.ini").string());
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(QtSettingsStore::filePath(kApp),
              (folder / "home" / ".config" / "LW_VIZ.ini").string())
        << "a relative XDG_CONFIG_HOME is ignored";

    store.save(kApp, kSection, "AUTOSTART_TICKBOX", "0");  // creates the missing folders
    EXPECT_NE(readText(folder / "home" / ".config" / "LW_VIZ.ini").find("AUTOSTART_TICKBOX=0"),
              std::string::npos);
}

TEST_F(QtSettingsStoreTest, UnwritableLocationFailsTheSaveButNotTheGet) {
    writeText(folder / "plain", "not a folder");
    setenv("XDG_CONFIG_HOME", (folder / "plain" / "config").c_str(), 1);
    const std::string ini = (folder / "plain" / "config" / "LW_VIZ.ini").string();

    EXPECT_EQ(store.get(kApp, kSection, "MAIN_Left"), std::nullopt);
    try {
        store.save(kApp, kSection, "MAIN_Left", "1000");
        FAIL() << "the save was reported as done";
    } catch (const RuntimeFailure& failure) {
        EXPECT_EQ(failure.number(), RuntimeFailure::kPathFileAccessError);
        EXPECT_EQ(failure.description(), "Cannot save the setting \"MAIN_Left\" to \"" + ini +
                                             "\": the file cannot be written");
    }
    EXPECT_EQ(readText(folder / "plain"), "not a folder");
}

TEST_F(QtSettingsStoreTest, AStaleLockInAFolderThatCannotBeWrittenFailsTheSaveWithinSeconds) {
    const fs::path ini = folder / "config" / "LW_VIZ.ini";
    fs::create_directories(ini.parent_path());
    writeText(ini, "[LW-DODOZU-ZIDADA-V1]\nMAIN_Left=1000\n");
    writeText(ini.string() + ".lock", "2147483646\n");  // left by a process that has gone
    chmod(ini.c_str(), 0666);
    chmod(ini.parent_path().c_str(), 0555);
    EXPECT_EQ(
        testing::outcomeUnprivileged([&] { store.save(kApp, kSection, "MAIN_Left", "2000"); }),
        "75: Cannot save the setting \"MAIN_Left\" to \"" + ini.string() +
            "\": the file cannot be written");
    EXPECT_EQ(readText(ini), "[LW-DODOZU-ZIDADA-V1]\nMAIN_Left=1000\n");
}

TEST_F(QtSettingsStoreTest, LinesItCannotParseDoNotStopASave) {
    const fs::path ini = folder / "config" / "LW_VIZ.ini";
    fs::create_directories(ini.parent_path());
    writeText(ini, "[LW-DODOZU-ZIDADA-V1\nMAIN_Top=\"1000\n");
    store.save(kApp, kSection, "MAIN_Left", "1500");
    EXPECT_NE(readText(ini).find("MAIN_Left=1500"), std::string::npos) << readText(ini);
}

TEST_F(QtSettingsStoreTest, ApplicationNameMustBeAPlainFileName) {
    for (const std::string bad : {"", "..", "../LW_VIZ", "a/b"}) {
        try {
            (void)store.get(bad, kSection, "MAIN_Left");
            FAIL() << "accepted \"" << bad << "\"";
        } catch (const RuntimeFailure& failure) {
            EXPECT_EQ(failure.number(), RuntimeFailure::kBadFileNameOrNumber);
        }
    }
    EXPECT_FALSE(fs::exists(folder / "LW_VIZ.ini"));
}

}  // namespace
}  // namespace lwviz::qt
