#include "check/file_checks.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <system_error>

#include "check/file_closer.h"

namespace mk::check {

namespace fs = std::filesystem;

bool isFile(std::string_view name) {
  std::error_code error;
  return fs::is_regular_file(fs::path(std::string(name)), error);
}

std::optional<fs::file_time_type> lastWritten(std::string_view name) {
  std::error_code error;
  const fs::path path(std::string{name});
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  const fs::file_time_type time = fs::last_write_time(path, error);
  if (error) return std::nullopt;
  return time;
}

bool sameBytes(std::string_view a, std::string_view b) {
  const std::unique_ptr<std::FILE, FileCloser> first(std::fopen(std::string(a).c_str(), "rb"));
  const std::unique_ptr<std::FILE, FileCloser> second(std::fopen(std::string(b).c_str(), "rb"));
  if (!first || !second) return false;
  std::array<char, 1U << 16U> left{};
  std::array<char, 1U << 16U> right{};
  for (;;) {
    const std::size_t got = std::fread(left.data(), 1, left.size(), first.get());
    if (std::fread(right.data(), 1, right.size(), second.get()) != got) return false;
    if (!std::equal(left.begin(), left.begin() + static_cast<std::ptrdiff_t>(got), right.begin()))
      return false;
    if (got < left.size()) return std::ferror(first.get()) == 0 && std::ferror(second.get()) == 0;
  }
}

}  // namespace mk::check
