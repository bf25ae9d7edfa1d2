#include "check/machine.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "check/file_names.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace mk::check {

constexpr std::string_view kDefaultExtensions = ".COM;.EXE;.BAT;.CMD";  // PATHEXT unset

bool doubleByte(unsigned codePage) {
  return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

bool sameBytes(std::FILE* a, std::FILE* b) {
  std::array<char, 65536> first{};
  std::array<char, 65536> second{};
  for (;;) {
    const std::size_t got = std::fread(first.data(), 1, first.size(), a);
    if (std::fread(second.data(), 1, second.size(), b) != got || std::ferror(a) != 0 ||
        std::ferror(b) != 0 || !std::equal(first.begin(), first.begin() + got, second.begin()))
      return false;
    if (got < first.size()) return true;
  }
}

// The items of a list separated by semicolons, each without surrounding double quotes; empty
// items left out.
static std::vector<std::string_view> items(std::string_view list) {
  std::vector<std::string_view> found;
  while (!list.empty()) {
    const std::size_t end = std::min(list.find(';'), list.size());
    std::string_view item = list.substr(0, end);
    list.remove_prefix(std::min(end + 1, list.size()));
    if (item.size() >= 2 && item.front() == '"' && item.back() == '"') {
      item = item.substr(1, item.size() - 2);
    }
    if (!item.empty()) found.push_back(item);
  }
  return found;
}

CommandSearch findCommand(const Machine& machine, std::string_view name, bool asTyped) {
  const std::string path = machine.variable("PATH").value_or("");
  const std::string extensions =
      machine.variable("PATHEXT").value_or(std::string(kDefaultExtensions));
  const std::vector<std::string_view> tried =
      asTyped ? std::vector<std::string_view>{""} : items(extensions);
  const std::vector<std::string_view> folders = items(path);
  const std::string current = machine.currentFolder();
  CommandSearch search;
  search.pathFolders = folders.size();
  for (std::size_t i = 0; i <= folders.size(); ++i) {
    const std::string folder = i == 0 ? current : absoluteName(current, folders[i - 1]);
    for (const std::string_view extension : tried) {
      std::string file =
          absoluteName(current, folder + "\\" + std::string(name) + std::string(extension));
      if (machine.kind(file) != EntryKind::kFile) continue;
      search.found = std::move(file);
      search.extension = extension;
      return search;
    }
  }
  return search;
}

#ifdef _WIN32

// `text` decoded from the code page `from`; with `strict`, empty where it is no text there.
static std::wstring wide(std::string_view text, unsigned from, bool strict = false) {
  const DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
  const int length = static_cast<int>(text.size());
  std::wstring decoded(MultiByteToWideChar(from, flags, text.data(), length, nullptr, 0), L'\0');
  MultiByteToWideChar(from, flags, text.data(), length, decoded.data(),
                      static_cast<int>(decoded.size()));
  return decoded;
}

// `text` written in the code page `to`, "?" for what it has not got (`lost` then set).
static std::string narrow(const std::wstring& text, unsigned to, BOOL* lost) {
  const bool toUtf8 = to == CP_UTF8;
  const DWORD flags = toUtf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int length = static_cast<int>(text.size());
  std::string bytes(
      WideCharToMultiByte(to, flags, text.data(), length, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(to, flags, text.data(), length, bytes.data(), static_cast<int>(bytes.size()),
                      toUtf8 ? nullptr : "?", toUtf8 ? nullptr : lost);
  return bytes;
}

// The code page cmd reads a batch in: the console's, or the OEM code page without one.
static unsigned consoleCodePage() {
  return GetConsoleOutputCP() != 0 ? GetConsoleOutputCP() : GetOEMCP();
}

std::vector<Argument> programArguments(int argc, wchar_t** argv) {
  std::vector<Argument> arguments;
  for (int i = 1; i < argc; ++i)
    arguments.push_back({narrow(argv[i], consoleCodePage(), nullptr), argv[i]});
  return arguments;
}

std::filesystem::path systemName(std::string_view name) {
  return wide(name, consoleCodePage());
}

namespace {

// The machine through the Windows API, on wide names: the script's bytes are decoded in the
// console's code page, and names given back are written in it.
class ThisMachine final : public Machine {
 public:
  [[nodiscard]] unsigned codePage() const override { return codePage_; }

  [[nodiscard]] std::string key(std::string_view name) const override {
    if (std::ranges::all_of(name, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
      return foldCase(name);
    std::wstring text = wide(name, codePage_);
    if (!text.empty()) {
      LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.data(), size(text), text.data(),
                    size(text), nullptr, nullptr, 0);
    }
    return narrow(text, CP_UTF8, nullptr);
  }

  [[nodiscard]] std::vector<Reading> readings(std::string_view name) const override {
    std::vector<Reading> found;
    const std::wstring console = wide(name, codePage_);
    for (const unsigned from : {static_cast<unsigned>(CP_UTF8), GetACP()}) {
      const std::wstring text = wide(name, from, true);
      BOOL lost = FALSE;
      std::string shown = narrow(text, codePage_, &lost);
      if (from == codePage_ || text.empty() || text == console || lost) continue;
      found.push_back(
          {std::move(shown), from == CP_UTF8 ? "UTF-8" : "code page " + std::to_string(from)});
    }
    return found;
  }

  [[nodiscard]] std::optional<std::string> variable(std::string_view name) const override {
    std::wstring value(32767, L'\0');  // the longest a variable can be
    SetLastError(ERROR_SUCCESS);
    value.resize(GetEnvironmentVariableW(wide(name, CP_UTF8).c_str(), value.data(), size(value)));
    if (value.empty() && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
    return given(value);
  }

  [[nodiscard]] std::string currentFolder() const override {
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(GetCurrentDirectoryW(size(folder), folder.data()));
    return folder.empty() ? std::string(".") : given(folder);
  }

  [[nodiscard]] std::string programFolder() const override {
    std::wstring file(32768, L'\0');
    file.resize(GetModuleFileNameW(nullptr, file.data(), size(file)));
    return given(file.substr(0, std::min(file.rfind(L'\\'), file.size())));
  }

  [[nodiscard]] EntryKind kind(std::string_view name) const override {
    const DWORD attributes = GetFileAttributesW(machineName(name).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::kNone;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? EntryKind::kFolder : EntryKind::kFile;
  }

  [[nodiscard]] std::vector<FolderEntry> list(std::string_view folder) const override {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found;
    const std::wstring pattern = machineName(folder) + L"\\*";
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      entries.push_back(
          {narrow(name, codePage_, nullptr), isFolder ? EntryKind::kFolder : EntryKind::kFile});
    } while (FindNextFileW(search, &found) != 0);
    FindClose(search);
    return entries;
  }

  [[nodiscard]] std::optional<std::filesystem::file_time_type> written(
      std::string_view name) const override {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExW(machineName(name).c_str(), GetFileExInfoStandard, &data) == 0 ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      return std::nullopt;
    // 100 ns steps since 1601, 11644473600 s before 1970
    const auto steps = (static_cast<std::int64_t>(data.ftLastWriteTime.dwHighDateTime) << 32U) +
                       data.ftLastWriteTime.dwLowDateTime;
    const std::chrono::system_clock::time_point time(
        std::chrono::duration_cast<std::chrono::system_clock::duration>(
            std::chrono::nanoseconds(steps * 100) - std::chrono::seconds(11644473600)));
    return std::chrono::file_clock::from_sys(time);
  }

  [[nodiscard]] bool readOnly(std::string_view name) const override {
    const DWORD attributes = GetFileAttributesW(machineName(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) ==
               FILE_ATTRIBUTE_READONLY;
  }

  void read(std::string_view name,
            const std::function<bool(std::string_view piece)>& take) const override {
    std::FILE* file = _wfopen(machineName(name).c_str(), L"rb");
    std::array<char, 65536> piece{};
    for (std::size_t got = 0;
         file != nullptr && (got = std::fread(piece.data(), 1, piece.size(), file)) > 0;)
      if (!take(std::string_view(piece.data(), got))) break;
    if (file != nullptr) std::fclose(file);
  }

  [[nodiscard]] std::string utf8(std::string_view text) const override {
    return narrow(wide(text, codePage_), CP_UTF8, nullptr);
  }

  [[nodiscard]] bool sameBytes(std::string_view a, std::string_view b) const override {
    std::FILE* first = _wfopen(machineName(a).c_str(), L"rb");
    std::FILE* second = _wfopen(machineName(b).c_str(), L"rb");
    const bool same = first != nullptr && second != nullptr && check::sameBytes(first, second);
    for (std::FILE* file : {first, second})
      if (file != nullptr) std::fclose(file);
    return same;
  }

 private:
  static int size(const std::wstring& text) { return static_cast<int>(text.size()); }

  // A name the machine gives back, in the console's code page; one it cannot write whole is
  // remembered, so that names beginning with it find the machine's own.
  std::string given(const std::wstring& name) const {
    BOOL lost = FALSE;
    std::string shown = narrow(name, codePage_, &lost);
    if (lost != FALSE) lossy_.emplace_back(shown, name);
    return shown;
  }

  // The machine's name of `name`, a name as the script gives it.
  std::wstring machineName(std::string_view name) const {
    for (const auto& [shown, own] : lossy_) {
      if (name.starts_with(shown) && (name.size() == shown.size() || name[shown.size()] == '\\'))
        return own + wide(name.substr(shown.size()), codePage_);
    }
    return wide(name, codePage_);
  }

  unsigned codePage_ = consoleCodePage();
  mutable std::vector<std::pair<std::string, std::wstring>> lossy_;
};

}  // namespace

std::unique_ptr<Machine> thisMachine() {
  return std::make_unique<ThisMachine>();
}

#else

std::unique_ptr<Machine> thisMachine() {
  return nullptr;  // the files are looked at on Windows only
}

std::vector<Argument> programArguments(int argc, char** argv) {
  std::vector<Argument> arguments;
  for (int i = 1; i < argc; ++i)
    arguments.push_back({argv[i], argv[i]});
  return arguments;
}

std::filesystem::path systemName(std::string_view name) {
  return name;
}

#endif

}  // namespace mk::check
