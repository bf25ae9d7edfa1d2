// What the checker reads of the machine that runs the batch, through one seam: the current
// folder, the environment, what the folders hold and, after the batch, when its files were
// written and what they hold; tests hold a machine in memory. Names cross the seam as the
// script's bytes, in the code page cmd reads the batch in (codePage()): the machine decodes them
// into its own, and writes the names it gives back in it, "?" for a letter it has not got.
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
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

// A name as a list file saved in another code page than the console's meant it.
struct Reading {
  std::string name;      // written in the console's code page
  std::string codePage;  // "UTF-8", "code page 1252"
};

class Machine {
 public:
  Machine() = default;
  Machine(const Machine&) = delete;
  Machine& operator=(const Machine&) = delete;
  Machine(Machine&&) = delete;
  Machine& operator=(Machine&&) = delete;
  virtual ~Machine() = default;

  // The code page cmd reads the batch in: the console's, or the OEM code page without one
  // (65001 is UTF-8).
  [[nodiscard]] virtual unsigned codePage() const = 0;

  // The key of `name`: two names have one key when they name one file, letters beyond ASCII
  // compared without regard to case as Windows compares them ("É" and "é" are one name).
  [[nodiscard]] virtual std::string key(std::string_view name) const = 0;

  // What the bytes of `name` mean read as UTF-8 and in the ANSI code page, where that is other
  // text than the console's code page reads and the console's code page can write it.
  [[nodiscard]] virtual std::vector<Reading> readings(std::string_view name) const = 0;

  // The value of the environment variable `name`, or nothing when it is not set.
  [[nodiscard]] virtual std::optional<std::string> variable(std::string_view name) const = 0;

  // The current folder, absolute, as Windows writes it ("C:\kevra").
  [[nodiscard]] virtual std::string currentFolder() const = 0;

  // The folder of this program's own file, absolute.
  [[nodiscard]] virtual std::string programFolder() const = 0;

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

  // Hands the bytes of the file `name` (absolute) to `take`, a piece at a time, while it will.
  virtual void read(std::string_view name,
                    const std::function<bool(std::string_view piece)>& take) const = 0;

  // `text`, written in the console's code page, in UTF-8.
  [[nodiscard]] virtual std::string utf8(std::string_view text) const = 0;
};

// True in the Windows build, which looks at the machine; elsewhere the report says it did not.
#ifdef _WIN32
inline constexpr bool kChecksFiles = true;
#else
inline constexpr bool kChecksFiles = false;
#endif

// True for 932, 936, 949 and 950, whose letters' second byte may be a "\".
bool doubleByte(unsigned codePage);

bool sameBytes(std::FILE* a, std::FILE* b);  // the same bytes from where they stand on
// An argument of this program: its text, written in the console's code page ("?" for a letter
// it has not got), and the name of the file it names, as Windows knows it.
struct Argument {
  std::string text;
  std::filesystem::path file;
};

// The arguments after the program's own name; on Windows as typed, wide (wmain's), not through
// the ANSI code page that main's are in.
#ifdef _WIN32
std::vector<Argument> programArguments(int argc, wchar_t** argv);
#else
std::vector<Argument> programArguments(int argc, char** argv);
#endif

// The name by which Windows knows the file `name`, given in the console's code page.
std::filesystem::path systemName(std::string_view name);

// The machine this program runs on: its file system and its process's environment (on
// Windows; elsewhere none, as the files are looked at on Windows only).
std::unique_ptr<Machine> thisMachine();

// Where cmd finds a command `name` typed without a folder on `machine`: the first file of the
// name followed by an extension of PATHEXT (in its order; .COM;.EXE;.BAT;.CMD when unset), or,
// with `asTyped`, of the name itself, in the current folder, then in each folder of PATH.
struct CommandSearch {
  std::optional<std::string> found;  // its absolute name; nothing when there is none
  std::string extension;             // the extension it was found with
  std::size_t pathFolders = 0;       // the folders of PATH looked in
};
CommandSearch findCommand(const Machine& machine, std::string_view name, bool asTyped = false);

}  // namespace mk::check
