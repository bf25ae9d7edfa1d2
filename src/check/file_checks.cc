#include "check/file_checks.h"

#include "check/file_names.h"

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
  return start.size() <= text.size() && equalIgnoringCase(text.substr(0, start.size()), start);
}

std::string absoluteName(std::string_view name) {
  std::error_code error;
  const fs::path path = fs::absolute(fs::path(std::string(name)), error);
  return error ? std::string(name) : path.lexically_normal().string();
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

bool namesSameFile(std::string_view a, std::string_view b) {
  return equalIgnoringCase(absoluteName(a), absoluteName(b));
}

}  // namespace mk::check
