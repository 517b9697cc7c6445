#include "platform/linux/log_file_writer.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "core/runtime_failure.h"
#include "support/temporary_folder.h"
#include "support/unprivileged.h"

namespace lwviz::linux_os {
namespace {

namespace fs = std::filesystem;
using testing::outcome;
using testing::outcomeUnprivileged;

const std::string kEntry =
    "========================================================\r\n"
    "- LARK-WEAVER - LW-DODOZU-ZIDADA - LW-VIZ -\r\n"
    "PC Name = Z\xC3\xBCrich-PC\r\n";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::set<std::string> entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

mode_t modeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

class AtomicLogFileWriterTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (!mountPoint.empty()) {
            umount2(mountPoint.c_str(), MNT_DETACH);
        }
    }

    testing::TemporaryFolder temporary;
    const fs::path& folder = temporary.path();
    fs::path mountPoint;
    AtomicLogFileWriter writer;
};

TEST_F(AtomicLogFileWriterTest, WritesExactBytesAndReplacesTheWholeFile) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    const mode_t previousMask = umask(027);
    // A relative name lands in the working directory.
    writer.replaceWith("LW-DODOZU-ZIDADA-V1.LOG", kEntry);
    umask(previousMask);
    fs::current_path(previous);

    const fs::path log = folder / "LW-DODOZU-ZIDADA-V1.LOG";
    EXPECT_EQ(readBytes(log), kEntry);
    EXPECT_EQ(modeOf(log), 0640U) << "a new log gets 0666 less the umask";

    chmod(log.c_str(), 0604);
    writer.replaceWith(log.string(), "second\r\n");
    EXPECT_EQ(readBytes(log), "second\r\n") << "nothing of the longer first entry remains";
    EXPECT_EQ(modeOf(log), 0604U) << "a replaced log keeps its permissions";

    writer.replaceWith(log.string(), "");
    EXPECT_EQ(readBytes(log), "");
    EXPECT_EQ(entries(folder), std::set<std::string>{"LW-DODOZU-ZIDADA-V1.LOG"});
}

TEST_F(AtomicLogFileWriterTest, FollowsASymbolicLinkUnlessAnotherUserPlantedItInAStickyFolder) {
    fs::create_directory(folder / "real");
    writeBytes(folder / "real" / "target.LOG", "old\r\n");
    fs::create_symlink("real/target.LOG", folder / "LW.LOG");

    writer.replaceWith((folder / "LW.LOG").string(), kEntry);

    EXPECT_TRUE(fs::is_symlink(folder / "LW.LOG"));
    EXPECT_EQ(readBytes(folder / "real" / "target.LOG"), kEntry);
    EXPECT_EQ(entries(folder / "real"), std::set<std::string>{"target.LOG"});

    const fs::path link = folder / "shared" / "LW.LOG";
    fs::create_directory(link.parent_path());
    if (chown(link.parent_path().c_str(), 65532, 65532) != 0) {
        GTEST_SKIP() << "links of other users need root";
    }
    chmod(link.parent_path().c_str(), 01777);
    fs::create_symlink("../real/target.LOG", link);
    // Someone else's link is refused; the folder owner's and the user's own are followed.
    for (const uid_t owner : {65533U, 65532U, geteuid()}) {
        ASSERT_EQ(lchown(link.c_str(), owner, owner), 0);
        EXPECT_EQ(outcome([&] { writer.replaceWith(link.string(), std::to_string(owner)); }),
                  owner == 65533
                      ? "70: Cannot write the log file \"" + link.string() + "\": Permission denied"
                      : "ok");
        EXPECT_EQ(readBytes(folder / "real" / "target.LOG"),
                  owner == 65533 ? kEntry : std::to_string(owner));
    }
}

TEST_F(AtomicLogFileWriterTest, PathsThatCannotHoldTheLogFailAndTouchNothing) {
    fs::create_directory(folder / "LW.LOG");
    EXPECT_EQ(
        outcome([&] { writer.replaceWith((folder / "LW.LOG").string(), kEntry); }),
        "75: Cannot write the log file \"" + (folder / "LW.LOG").string() + "\": Is a directory");

    writeBytes(folder / "plain", "kept");
    const std::string underFile = (folder / "plain" / "LW.LOG").string();
    EXPECT_EQ(outcome([&] { writer.replaceWith(underFile, kEntry); }),
              "75: Cannot write the log file \"" + underFile + "\": Not a directory");
    EXPECT_EQ(readBytes(folder / "plain"), "kept");

    const std::string missing = (folder / "missing" / "LW.LOG").string();
    EXPECT_EQ(outcome([&] { writer.replaceWith(missing, kEntry); }),
              "75: Cannot write the log file \"" + missing + "\": No such file or directory");

    const fs::path previous = fs::current_path();
    fs::current_path(folder);  // a relative name is reported with its full path
    EXPECT_EQ(outcome([&] { writer.replaceWith("missing/LW.LOG", kEntry); }),
              "75: Cannot write the log file \"" +
                  (fs::current_path() / "missing/LW.LOG").string() +
                  "\": No such file or directory");
    fs::current_path(previous);

    EXPECT_EQ(entries(folder), (std::set<std::string>{"LW.LOG", "plain"}));
    EXPECT_TRUE(fs::is_empty(folder / "LW.LOG"));
}

TEST_F(AtomicLogFileWriterTest, RemovesOnlyItsOwnTemporaryFilesThatKilledWritesLeft) {
    // Left by a killed write of this log, by another user, not this log's temporary names.
    for (const char* name :
         {".LW.LOG.aB3xYz", ".LW.LOG.other1", ".LW.LOG.aB3xY", ".LX.LOG.aB3xYz"}) {
        writeBytes(folder / name, "partial");
        fs::last_write_time(folder / name,
                            fs::file_time_type::clock::now() - std::chrono::minutes(2));
    }
    writeBytes(folder / ".LW.LOG.aB3xY0", "partial");  // another instance is writing it now
    std::set<std::string> kept = {"LW.LOG", ".LW.LOG.aB3xY0", ".LW.LOG.aB3xY", ".LX.LOG.aB3xYz"};
    if (chown((folder / ".LW.LOG.other1").c_str(), 65533, 65533) == 0) {
        kept.insert(".LW.LOG.other1");  // another user's
    }
    writer.replaceWith((folder / "LW.LOG").string(), kEntry);
    EXPECT_EQ(entries(folder), kept);
}

TEST_F(AtomicLogFileWriterTest, ReadOnlyFolderOrFileIsRefusedAndKeepsThePreviousLog) {
    fs::create_directory(folder / "ro");
    writeBytes(folder / "ro" / "LW.LOG", "previous\r\n");
    chmod((folder / "ro").c_str(), 0555);
    fs::create_directory(folder / "rw");
    writeBytes(folder / "rw" / "LW.LOG", "protected\r\n");
    chmod((folder / "rw" / "LW.LOG").c_str(), 0444);
    chmod((folder / "rw").c_str(), 0777);

    const std::string inReadOnlyFolder = (folder / "ro" / "LW.LOG").string();
    EXPECT_EQ(outcomeUnprivileged([&] { writer.replaceWith(inReadOnlyFolder, kEntry); }),
              "70: Cannot write the log file \"" + inReadOnlyFolder + "\": Permission denied");
    EXPECT_EQ(readBytes(inReadOnlyFolder), "previous\r\n");
    EXPECT_EQ(entries(folder / "ro"), std::set<std::string>{"LW.LOG"});

    const std::string readOnlyFile = (folder / "rw" / "LW.LOG").string();
    EXPECT_EQ(outcomeUnprivileged([&] { writer.replaceWith(readOnlyFile, kEntry); }),
              "70: Cannot write the log file \"" + readOnlyFile + "\": Permission denied");
    EXPECT_EQ(readBytes(readOnlyFile), "protected\r\n");
    EXPECT_EQ(entries(folder / "rw"), std::set<std::string>{"LW.LOG"});
}

TEST_F(AtomicLogFileWriterTest, FullDiskKeepsThePreviousLogAndFreesTheSpace) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    }
    const fs::path small = folder / "small";
    fs::create_directory(small);
    if (mount("lwviz-test", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "mounting a small tmpfs was refused: " << std::strerror(errno);
    }
    mountPoint = small;
    const std::string log = (small / "LW.LOG").string();
    writer.replaceWith(log, "previous\r\n");

    const std::string tooLarge(std::size_t{256} * 1024, 'x');
    EXPECT_EQ(outcome([&] { writer.replaceWith(log, tooLarge); }),
              "61: Cannot write the log file \"" + log + "\": No space left on device");
    EXPECT_EQ(readBytes(log), "previous\r\n");
    EXPECT_EQ(entries(small), std::set<std::string>{"LW.LOG"});

    // The failed attempt gave its space back: an entry that fits goes in.
    const std::string fits(std::size_t{40} * 1024, 'y');
    writer.replaceWith(log, fits);
    EXPECT_EQ(readBytes(log), fits);
}

}  // namespace
}  // namespace lwviz::linux_os
