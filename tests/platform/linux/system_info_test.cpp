#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <regex>
#include <string>

#include "platform/linux/environment.h"
#include "platform/linux/program_info.h"
#include "platform/linux/wall_clock.h"
#include "support/temporary_folder.h"

namespace lwviz::linux_os {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(LinuxProgramInfoTest, BaseNameDropsFolderAndLastExtension) {
    EXPECT_EQ(programBaseName("/opt/lw/LW-DODOZU-ZIDADA-V1.exe"), "LW-DODOZU-ZIDADA-V1");
    EXPECT_EQ(programBaseName("/opt/lw/LW-DODOZU-ZIDADA-V1"), "LW-DODOZU-ZIDADA-V1");
    EXPECT_EQ(programBaseName("LW-DODOZU-ZIDADA-V1.exe"), "LW-DODOZU-ZIDADA-V1");
    EXPECT_EQ(programBaseName("/opt/v1.2/lw.tool.bin"), "lw.tool");
    EXPECT_EQ(programBaseName("/opt/.lw"), ".lw");
}

TEST(LinuxProgramInfoTest, NamesTheRunningExecutable) {
    EXPECT_EQ(LinuxProgramInfo().baseName(), "lwviz_platform_tests");
}

TEST(LinuxEnvironmentTest, ComputerNameComesFromTheVariableElseTheHostName) {
    LinuxEnvironment environment;
    {
        const ScopedEnv name("COMPUTERNAME", "WORKSTATION-7");
        EXPECT_EQ(environment.computerName(), "WORKSTATION-7");
    }
    {
        const ScopedEnv name("COMPUTERNAME", "");
        EXPECT_EQ(environment.computerName(), "") << "a variable set to nothing is still set";
    }
    {
        const ScopedEnv name("COMPUTERNAME", nullptr);
        char host[HOST_NAME_MAX + 1] = {};
        ASSERT_EQ(gethostname(host, HOST_NAME_MAX), 0);
        EXPECT_EQ(environment.computerName(), host);
        EXPECT_FALSE(environment.computerName().empty());
    }
}

std::string formatNow(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64] = {};
    std::strftime(text, sizeof text, format, &local);  // the process locale is "C" here
    return text;
}

class LinuxWallClockTest : public ::testing::Test {
protected:
    void SetUp() override {
        numericBefore = setlocale(LC_NUMERIC, nullptr);
        timeBefore = setlocale(LC_TIME, nullptr);
    }
    void TearDown() override {
        EXPECT_EQ(setlocale(LC_NUMERIC, nullptr), numericBefore) << "LC_NUMERIC was changed";
        EXPECT_EQ(setlocale(LC_TIME, nullptr), timeBefore) << "LC_TIME was changed";
        EXPECT_EQ(uselocale(nullptr), LC_GLOBAL_LOCALE) << "a thread locale was left behind";
    }

    std::string numericBefore;
    std::string timeBefore;
    LinuxWallClock clock;
    const ScopedEnv noAll{"LC_ALL", nullptr};
    const ScopedEnv noLang{"LANG", nullptr};
};

TEST_F(LinuxWallClockTest, CLocaleGivesMonthDayYearAndTwentyFourHourTime) {
    const ScopedEnv time("LC_TIME", "C");
    const std::string before = formatNow("%m/%d/%y");
    const std::string date = clock.dateText();
    EXPECT_TRUE(std::regex_match(date, std::regex(R"(\d\d/\d\d/\d\d)"))) << date;
    EXPECT_TRUE(date == before || date == formatNow("%m/%d/%y")) << date;
    const std::string text = clock.timeText();
    EXPECT_TRUE(std::regex_match(text, std::regex(R"(\d\d:\d\d:\d\d)"))) << text;
}

TEST_F(LinuxWallClockTest, FollowsTheUsersTimeLocaleWithoutAdoptingIt) {
    locale_t german = newlocale(LC_TIME_MASK, "de_DE.UTF-8", nullptr);
    if (german == nullptr) {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    }
    freelocale(german);
    {
        const ScopedEnv time("LC_TIME", "de_DE.UTF-8");
        const std::string before = formatNow("%d.%m.%Y");
        const std::string date = clock.dateText();
        EXPECT_TRUE(std::regex_match(date, std::regex(R"(\d\d\.\d\d\.\d{4})"))) << date;
        EXPECT_TRUE(date == before || date == formatNow("%d.%m.%Y")) << date;
        EXPECT_TRUE(std::regex_match(clock.timeText(), std::regex(R"(\d\d:\d\d:\d\d)")));
    }
    {
        // LC_ALL wins over LC_TIME, as everywhere else.
        const ScopedEnv time("LC_TIME", "C");
        const ScopedEnv allCategories("LC_ALL", "de_DE.UTF-8");
        EXPECT_TRUE(std::regex_match(clock.dateText(), std::regex(R"(\d\d\.\d\d\.\d{4})")));
    }
}

TEST_F(LinuxWallClockTest, LocaleThatIsNotInstalledFallsBackToC) {
    const ScopedEnv time("LC_TIME", "xx_NOWHERE.UTF-8");
    EXPECT_TRUE(std::regex_match(clock.dateText(), std::regex(R"(\d\d/\d\d/\d\d)")));
    EXPECT_TRUE(std::regex_match(clock.timeText(), std::regex(R"(\d\d:\d\d:\d\d)")));
}

TEST_F(LinuxWallClockTest, TextsOfAnEightBitLocaleArriveAsUtf8) {
    const testing::TemporaryFolder folder;
    const std::string build = "localedef -i ja_JP -f EUC-JP " +
                              (folder.path() / "ja_JP.EUC-JP").string() + " >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0) {
        GTEST_SKIP() << "localedef cannot build ja_JP.EUC-JP here";
    }
    const ScopedEnv path("LOCPATH", folder.path().c_str());
    const ScopedEnv time("LC_TIME", "ja_JP.EUC-JP");
    const std::string date = clock.dateText();
    EXPECT_TRUE(std::regex_match(date, std::regex("\\d{4}年\\d\\d月\\d\\d日"))) << date;
    const std::string text = clock.timeText();
    EXPECT_TRUE(std::regex_match(text, std::regex("\\d\\d時\\d\\d分\\d\\d秒"))) << text;
}

}  // namespace
}  // namespace lwviz::linux_os
