// The checks that look at files: whether the sample input file exists, whether its backup
// would be replaced, which file a name resolves to, and what a batch left behind. They need the
// file names as cmd will resolve them, so they run on Windows.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mk::check {

// True in the Windows build, which checks files; elsewhere the report says they were not.
#ifdef _WIN32
inline constexpr bool kChecksFiles = true;
#else
inline constexpr bool kChecksFiles = false;
#endif

// What the files tell about the sample input file P I.inp and its backup P I_orig.inp.
struct InputFiles {
  bool inputExists = false;
  bool backupExists = false;
  // When the input is missing: a folder in P whose name begins I (without regard to case), as
  // "D:\xrd\batch" beside "D:\xrd\batchbase.inp": P followed by that folder's name. The
  // longest such name.
  std::optional<std::string> folderBeforeInput;
};

// Looks at the files named by `path` (P, relative to the current folder when not absolute) and
// `input` (I), as they are now.
InputFiles lookAtInputFiles(std::string_view path, std::string_view input);

// True when `name` is a file that exists.
bool isFile(std::string_view name);

// When the file `name` was last written; nothing when it is no file or cannot be looked at.
std::optional<std::filesystem::file_time_type> lastWritten(std::string_view name);

// True when the files `a` and `b` hold the same bytes, read a block at a time; false also when
// either cannot be read.
bool sameBytes(std::string_view a, std::string_view b);

// True when the names `a` and `b` (relative to the current folder when not absolute) name the
// same file, whether it exists or not, compared without regard to case as Windows compares.
bool namesSameFile(std::string_view a, std::string_view b);

}  // namespace mk::check
