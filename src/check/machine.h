// What the checker reads of the machine that will run the batch, through one seam: the
// current folder, the environment, and what the folders hold. The checker runs on that
// machine, in the window and folder that will run the batch; tests hold a machine in memory.
#pragma once

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
};

// The machine this program runs on: its file system and its process's environment.
std::unique_ptr<Machine> thisMachine();

}  // namespace mk::check
