// Test support: a machine held in memory, and a script of a few lines written as multikevra
// writes them.
#pragma once

#include <iconv.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <clocale>
#include <cstring>
#include <cwctype>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/machine.h"

namespace mk::check {

// A machine of a few files: folders are those named and the folders of the files. A file's
// entry may end in "|" and what it holds: "r" read-only, "@N" written at second N, "=BYTES".
// Its own names are UTF-8; the script's names are decoded in its code page, as Windows does,
// and the names it gives back written in it, "?" for what that code page has not got.
class MemoryMachine final : public Machine {
 public:
  MemoryMachine(std::string current, std::map<std::string, std::string> variables,
                const std::vector<std::string>& entries, unsigned codePage = 850)
      : current_(std::move(current)),
        variables_(std::move(variables)),
        codePage_(codePage),
        console_(codePage),
        ansi_(1252) {
    for (const std::string& given : entries) {
      const std::string entry = given.substr(0, given.find('|'));
      if (entry.ends_with('\\')) {
        folders_.emplace(upper(entry.substr(0, entry.size() - 1)),
                         entry.substr(0, entry.size() - 1));
      } else {
        File& file = files_[upper(entry)];
        file.name = entry;
        const std::string holds = given.substr(std::min(given.size(), entry.size() + 1));
        file.readOnly = holds.starts_with('r');
        if (const std::size_t at = holds.find('@'); at != std::string::npos)
          file.written = std::stoi(holds.substr(at + 1));
        if (const std::size_t at = holds.find('='); at != std::string::npos)
          file.bytes = holds.substr(at + 1);
      }
      for (std::size_t at = entry.find('\\', 3); at < entry.size() - 1;
           at = entry.find('\\', at + 1))
        folders_.emplace(upper(entry.substr(0, at)), entry.substr(0, at));
    }
  }
  [[nodiscard]] unsigned codePage() const override { return codePage_; }
  [[nodiscard]] std::string key(std::string_view name) const override {
    return upper(console_.decode(name));
  }
  [[nodiscard]] std::vector<Reading> readings(std::string_view name) const override {
    std::vector<Reading> found;
    for (const CodePage* from : {&utf8_, &ansi_}) {
      const std::string text = from->decode(name);
      const std::string written = console_.encode(text);
      if (text.empty() || text == console_.decode(name) || written.find('?') != std::string::npos)
        continue;
      found.push_back({written, from == &utf8_ ? "UTF-8" : "code page 1252"});
    }
    return found;
  }
  [[nodiscard]] std::optional<std::string> variable(std::string_view name) const override {
    const auto found = variables_.find(std::string(name));
    if (found == variables_.end()) return std::nullopt;
    return console_.encode(found->second);
  }
  [[nodiscard]] std::string currentFolder() const override { return console_.encode(current_); }
  [[nodiscard]] std::string programFolder() const override { return "C:\\tools"; }
  [[nodiscard]] EntryKind kind(std::string_view name) const override {
    const std::string own = key(name);
    if (files_.contains(own)) return EntryKind::kFile;
    return folders_.contains(own) || own.size() == 3 ? EntryKind::kFolder : EntryKind::kNone;
  }
  [[nodiscard]] std::vector<FolderEntry> list(std::string_view folder) const override {
    std::vector<FolderEntry> entries;
    const std::string prefix = key(folder) + (folder.ends_with('\\') ? "" : "\\");
    const auto inFolder = [&](const std::string& name) {
      return name.starts_with(prefix) && name.find('\\', prefix.size()) == std::string::npos;
    };
    for (const auto& [name, file] : files_)
      if (inFolder(name))
        entries.push_back({console_.encode(file.name.substr(prefix.size())), EntryKind::kFile});
    for (const auto& [name, own] : folders_)
      if (inFolder(name))
        entries.push_back({console_.encode(own.substr(prefix.size())), EntryKind::kFolder});
    std::ranges::reverse(entries);  // not in the order names sort in: a folder's own order
    return entries;
  }
  [[nodiscard]] std::optional<std::filesystem::file_time_type> written(
      std::string_view name) const override {
    const auto found = files_.find(key(name));
    if (found == files_.end()) return std::nullopt;
    return std::filesystem::file_time_type{} + std::chrono::seconds(found->second.written);
  }
  [[nodiscard]] bool readOnly(std::string_view name) const override {
    const auto found = files_.find(key(name));
    return found != files_.end() && found->second.readOnly;
  }
  // A few bytes at a time, as a read may give them.
  void read(std::string_view name,
            const std::function<bool(std::string_view piece)>& take) const override {
    const auto found = files_.find(key(name));
    const std::string_view bytes =
        found != files_.end() ? std::string_view(found->second.bytes) : std::string_view();
    for (std::size_t at = 0; at < bytes.size() && take(bytes.substr(at, 3)); at += 3) {
    }
  }
  [[nodiscard]] std::string utf8(std::string_view text) const override {
    return console_.decode(text);
  }
  [[nodiscard]] bool sameBytes(std::string_view a, std::string_view b) const override {
    const auto first = files_.find(key(a));
    const auto second = files_.find(key(b));
    return first != files_.end() && second != files_.end() &&
           first->second.bytes == second->second.bytes;
  }

 private:
  // `text` converted by iconv from the encoding `from` to `to`; nothing where it is no text.
  static std::optional<std::string> convert(std::string_view text, const char* from,
                                            const char* to) {
    iconv_t converter = iconv_open(to, from);
    std::string in(text);
    std::string out(text.size() * 4 + 4, '\0');
    char* source = in.data();
    char* target = out.data();
    std::size_t left = in.size();
    std::size_t room = out.size();
    const bool whole =
        iconv(converter, &source, &left, &target, &room) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!whole) return std::nullopt;
    out.resize(out.size() - room);
    return out;
  }

  // A code page's bytes as UTF-8.
  class CodePage {
   public:
    explicit CodePage(unsigned number) : utf8_(number == 65001) {
      for (int byte = 0; byte < 256 && !utf8_; ++byte) {
        const std::string name = "CP" + std::to_string(number);
        letters_[static_cast<std::size_t>(byte)] =
            convert(std::string(1, static_cast<char>(byte)), name.c_str(), "UTF-8").value_or("");
      }
    }
    // `bytes` as UTF-8; empty where they are no text in this code page.
    [[nodiscard]] std::string decode(std::string_view bytes) const {
      if (utf8_) return convert(bytes, "UTF-8", "UTF-8").value_or("");
      std::string text;
      for (const char c : bytes)
        text += letters_[static_cast<unsigned char>(c)];
      return text;
    }
    // UTF-8 `text` in this code page, "?" for a letter it has not got.
    [[nodiscard]] std::string encode(std::string_view text) const {
      if (utf8_) return std::string(text);
      std::string bytes;
      for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const auto found = std::ranges::find(letters_, text.substr(at, length));
        bytes += found == letters_.end() ? '?' : static_cast<char>(found - letters_.begin());
        at += length;
      }
      return bytes;
    }

   private:
    bool utf8_;
    std::array<std::string, 256> letters_;
  };

  // UTF-8 `text` in capitals, as Windows compares names.
  static std::string upper(std::string_view text) {
    static const locale_t kLocale = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    std::string points = convert(text, "UTF-8", "UTF-32LE").value_or("");
    for (std::size_t at = 0; at + 4 <= points.size(); at += 4) {
      char32_t c = 0;
      std::memcpy(&c, points.data() + at, 4);
      c = static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), kLocale));
      std::memcpy(points.data() + at, &c, 4);
    }
    return convert(points, "UTF-32LE", "UTF-8").value_or("");
  }

  struct File {
    std::string name;
    bool readOnly = false;
    int written = 0;
    std::string bytes;
  };
  std::string current_;
  std::map<std::string, std::string> variables_;
  unsigned codePage_;
  CodePage console_;
  CodePage ansi_;
  CodePage utf8_{65001};
  std::map<std::string, File> files_;           // by key
  std::map<std::string, std::string> folders_;  // their own names by key
};

// The script's lines, with P C:\q\ and I sample: "run D", "run D|T" (T the information text,
// its final blank included), "chain", "keep O N", "raw TEXT" (a line as it stands); I may be
// another name.
inline std::string script(const std::vector<std::string>& lines,
                          const std::string& path = "C:\\q\\",
                          const std::string& input = "sample") {
  const std::string p = path + input;
  std::string text = "copy " + p + ".inp " + p + "_orig.inp\r\ndel " + p + ".out\r\n";
  for (const std::string& line : lines) {
    if (line.starts_with("run ")) {
      const std::size_t bar = std::min(line.find('|'), line.size());
      text += "tc " + p + " \"macro filename {" + line.substr(4, bar - 4) +
              "} macro information {" + (bar < line.size() ? line.substr(bar + 1) : " ") +
              "} #define GUI_LINES\"";
    } else if (line == "chain") {
      text += "copy " + p + ".out " + p + ".inp";
    } else if (line.starts_with("raw ")) {
      text += line.substr(4);
    } else {
      const std::size_t blank = line.find(' ', 5);
      text += "copy " + path + line.substr(5, blank - 5) + " " + path + line.substr(blank + 1);
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace mk::check
