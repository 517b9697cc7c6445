#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace lwviz::testing {

// A new, empty folder under the system's temporary folder that every user may enter (tests
// run parts as an ordinary user). It goes, read-only entries and all, with the object.
class TemporaryFolder {
public:
    TemporaryFolder() {
        do {  // create_directory never takes over an entry that is there, a link included
            path_ = std::filesystem::temp_directory_path() /
                    ("lwviz-" + std::to_string(std::random_device()()));
        } while (!std::filesystem::create_directory(path_));
        std::filesystem::permissions(path_, static_cast<std::filesystem::perms>(0755));
    }
    ~TemporaryFolder() {
        namespace fs = std::filesystem;
        std::error_code ignored;
        for (fs::recursive_directory_iterator entry(path_, ignored), end; entry != end;
             entry.increment(ignored)) {
            fs::permissions(entry->path(), fs::perms::owner_all,
                            fs::perm_options::add | fs::perm_options::nofollow, ignored);
        }
        fs::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace lwviz::testing
