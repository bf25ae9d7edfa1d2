// What the checker reads of the machine that runs the batch, through one seam: the current
// folder, the environment, what the folders hold and, after the batch, when its files were
// written and what they hold. The checker runs on that machine, in the window and folder of the
// batch; tests hold a machine in memory.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mk::check {

enum class EntryKind : unsigned char { kNone, kFile, kFolder };

struct FolderEntry {
  std::string name;
  EntryKind kind = EntryKind::kFile;
};

class Machine {
 public:
  Machine() = default;
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;
  Machine(Machine&&) = delete;
  Machine& operator=(Machine&&) = delete;
  virtual ~Machine() = default;

  // The value of the environment variable `name`, or nothing when it is not set.
  [[nodiscard]] virtual std::optional<std::string> variable(std::string_view name) const = 0;

  // The current folder, absolute, as Windows writes it ("C:\kevra").
  [[nodiscard]] virtual std::string currentFolder() const = 0;

  // What the absolute name `name` is: nothing, a file or a folder.
  [[nodiscard]] virtual EntryKind kind(std::string_view name) const = 0;

  // The files and folders in the absolute folder `folder`, in any order; none when it is no
  // folder or cannot be read.
  [[nodiscard]] virtual std::vector<FolderEntry> list(std::string_view folder) const = 0;

  // When the file `name` (absolute) was last written; nothing when it is no file.
  [[nodiscard]] virtual std::optional<std::filesystem::file_time_type> written(
      std::string_view name) const = 0;

  // True when the file `name` (absolute) is read-only: its attribute, which copy and del
  // respect; false when it is no file.
  [[nodiscard]] virtual bool readOnly(std::string_view name) const = 0;

  // True when the files `a` and `b` (absolute) hold the same bytes; false also when either
  // cannot be read.
  [[nodiscard]] virtual bool sameBytes(std::string_view a, std::string_view b) const = 0;
};

// True in the Windows build, which looks at the machine; elsewhere the report says it did not.
#ifdef _WIN32
inline constexpr bool kChecksFiles = true;
#else
inline constexpr bool kChecksFiles = false;
#endif

// The machine this program runs on: its file system and its process's environment.
std::unique_ptr<Machine> thisMachine();

}  // namespace mk::check
