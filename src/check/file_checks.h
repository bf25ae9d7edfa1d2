// The file tests of --after, on what a batch left behind: whether a file exists, when it was
// written, whether two files hold the same bytes. They need the file names as cmd will resolve
// them, so they run on Windows, and so do the checks of the machine before a run.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace mk::check {

// True in the Windows build, which checks files; elsewhere the report says they were not.
#ifdef _WIN32
inline constexpr bool kChecksFiles = true;
#else
inline constexpr bool kChecksFiles = false;
#endif

// True when `name` is a file that exists.
bool isFile(std::string_view name);

// When the file `name` was last written; nothing when it is no file or cannot be looked at.
std::optional<std::filesystem::file_time_type> lastWritten(std::string_view name);

// True when the files `a` and `b` hold the same bytes, read a block at a time; false also when
// either cannot be read.
bool sameBytes(std::string_view a, std::string_view b);

}  // namespace mk::check
