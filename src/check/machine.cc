#include "check/machine.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace mk::check {

namespace {

namespace fs = std::filesystem;

class ThisMachine final : public Machine {
 public:
  [[nodiscard]] std::optional<std::string> variable(std::string_view name) const override {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  }

  [[nodiscard]] std::string currentFolder() const override {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string(".") : current.string();
  }

  [[nodiscard]] EntryKind kind(std::string_view name) const override {
    std::error_code error;
    const fs::file_status status = fs::status(fs::path(std::string(name)), error);
    if (fs::is_regular_file(status)) return EntryKind::kFile;
    return fs::is_directory(status) ? EntryKind::kFolder : EntryKind::kNone;
  }

  [[nodiscard]] std::vector<FolderEntry> list(std::string_view folder) const override {
    std::vector<FolderEntry> entries;
    std::error_code error;
    for (fs::directory_iterator entry(fs::path(std::string(folder)), error), end;
         !error && entry != end; entry.increment(error)) {
      std::error_code kindError;
      const EntryKind entryKind = entry->is_directory(kindError)      ? EntryKind::kFolder
                                  : entry->is_regular_file(kindError) ? EntryKind::kFile
                                                                      : EntryKind::kNone;
      if (entryKind != EntryKind::kNone) {
        entries.push_back({entry->path().filename().string(), entryKind});
      }
    }
    return entries;
  }

  [[nodiscard]] std::optional<fs::file_time_type> written(std::string_view name) const override {
    std::error_code error;
    const fs::path path{std::string(name)};
    if (!fs::is_regular_file(path, error)) return std::nullopt;
    const fs::file_time_type time = fs::last_write_time(path, error);
    if (error) return std::nullopt;
    return time;
  }

  // The C library reports the read-only attribute as a file without write permission.
  [[nodiscard]] bool readOnly(std::string_view name) const override {
    std::error_code error;
    const fs::file_status status = fs::status(fs::path(std::string(name)), error);
    return fs::is_regular_file(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
  }

  [[nodiscard]] bool sameBytes(std::string_view a, std::string_view b) const override {
    std::ifstream first{std::string(a), std::ios::binary};
    std::ifstream second{std::string(b), std::ios::binary};
    if (!first || !second) return false;
    return std::equal(std::istreambuf_iterator<char>(first), {},
                      std::istreambuf_iterator<char>(second), {});
  }
};

}  // namespace

std::unique_ptr<Machine> thisMachine() {
  return std::make_unique<ThisMachine>();
}

}  // namespace mk::check
