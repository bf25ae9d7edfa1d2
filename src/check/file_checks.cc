#include "check/file_checks.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace mk::check {

namespace {

namespace fs = std::filesystem;

bool isFile(const std::string& name) {
  std::error_code error;
  return fs::is_regular_file(fs::path(name), error);
}

bool startsWithIgnoringCase(std::string_view text, std::string_view start) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return start.size() <= text.size() &&
         std::equal(start.begin(), start.end(), text.begin(),
                    [&](char a, char b) { return lower(a) == lower(b); });
}

}  // namespace

InputFiles lookAtInputFiles(std::string_view path, std::string_view input) {
  const std::string base = std::string(path).append(input);
  InputFiles files;
  files.inputExists = isFile(base + ".inp");
  files.backupExists = isFile(base + "_orig.inp");
  if (files.inputExists) return files;

  std::error_code error;
  const fs::path folder = path.empty() ? fs::path(".") : fs::path(std::string(path));
  std::size_t longest = 0;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.size() > longest && name.size() <= input.size() &&
        startsWithIgnoringCase(input, name) && entry->is_directory(error)) {
      longest = name.size();
      files.folderBeforeInput = std::string(path).append(name);
    }
  }
  return files;
}

}  // namespace mk::check
