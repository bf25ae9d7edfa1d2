// Fuzz target: the whole program, in a scratch folder, with console input, list file,
// information file and an old run script made from the fuzzer's bytes.
//
// Input: up to four sections separated by kSeparator: the console input, the file "list", the
// file "info" and the old "multikevra.bat" (absent: no old script). The folder also holds an
// empty folder "dir". Answers may name any file; a name that could lead out of the scratch
// folder (a line starting with a slash, or "../") is defused first. A backslash right before a
// line end in the files is replaced too: inside quotes it would put a line feed into a data
// name, which the checks below would take for a broken line.
//
// Checked: a normal end prints the closing message and nothing on standard error; any other end
// is one fatal diagnostic of a known kind. The script is either the old one, untouched, or a
// run script: CR LF line ends only, the two opening lines first, then one run line per entry,
// every entry with the same number of copy lines, no more entries than the files have lines,
// and no line longer than the fields allow.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "main/program.h"

namespace {

using mk::fuzz::RunEnded;

constexpr std::string_view kSeparator = "\x1e\x1e\x1e\x1e";
constexpr std::string_view kScript = "multikevra.bat";
constexpr std::string_view kClosing = "\nDone file multikevra.bat written - copy to nt\n\n\n";
// The run line with information is the longest: "tc ", path (132), input name (at most 19),
// ' "macro filename {', data name (80), "} macro information {", information text (180) and
// '} #define GUI_LINES"'.
constexpr std::size_t kLongestLine = 3 + 132 + 19 + 18 + 80 + 21 + 180 + 20;

std::string folder;  // the scratch folder; each run goes there and comes back
int home = -1;       // the folder the fuzzer was started in

void writeFile(const std::string& name, std::string_view bytes) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  FUZZ_CHECK(fd >= 0, "the scratch folder takes files");
  FUZZ_CHECK(::write(fd, bytes.data(), bytes.size()) == static_cast<long>(bytes.size()),
             "the scratch folder takes files");
  ::close(fd);
}

bool readFile(const std::string& name, std::string& bytes) {
  const int fd = ::open(name.c_str(), O_RDONLY);
  if (fd < 0) return false;
  bytes.clear();
  char chunk[1 << 16];
  for (long got; (got = ::read(fd, chunk, sizeof chunk)) > 0;)
    bytes.append(chunk, static_cast<std::size_t>(got));
  ::close(fd);
  return true;
}

// Empties `path` (a folder), leaving the folder itself.
void emptyFolder(const std::string& path) {
  DIR* dir = ::opendir(path.c_str());
  if (dir == nullptr) return;
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(dir);
  for (const std::string& name : names) {
    const std::string full = path + "/" + name;
    struct stat info {};
    if (::lstat(full.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
      emptyFolder(full);
      ::rmdir(full.c_str());
    } else {
      ::unlink(full.c_str());
    }
  }
}

std::vector<std::string> splitSections(std::string_view data) {
  std::vector<std::string> sections;
  for (;;) {
    const std::size_t at = data.find(kSeparator);
    sections.emplace_back(data.substr(0, at));
    if (at == std::string_view::npos) break;
    data.remove_prefix(at + kSeparator.size());
  }
  return sections;
}

// A slash at the start of a line, or after "..", becomes an underscore.
void defuseNames(std::string& console) {
  for (std::size_t i = 0; i < console.size(); ++i) {
    if (console[i] != '/') continue;
    const bool lineStart = i == 0 || console[i - 1] == '\n';
    const bool parent = i >= 2 && console[i - 1] == '.' && console[i - 2] == '.';
    if (lineStart || parent) console[i] = '_';
  }
}

// A backslash right before a line end becomes an underscore.
void defuseLineFeeds(std::string& file) {
  for (std::size_t i = 0; i + 1 < file.size(); ++i) {
    if (file[i] != '\\') continue;
    if (file[i + 1] == '\n' ||
        (file[i + 1] == '\r' && i + 2 < file.size() && file[i + 2] == '\n')) {
      file[i] = '_';
    }
  }
}

std::size_t lineCount(std::string_view text) {
  return mk::fuzz::splitLines(text).size();
}

// The checks on a script that this run wrote.
void checkScript(std::string_view script, std::size_t entryLimit) {
  FUZZ_CHECK(script.ends_with("\r\n"), "the script ends after a whole line");
  std::vector<std::string_view> lines;
  for (std::string_view rest = script; !rest.empty();) {
    const std::size_t end = rest.find("\r\n");
    lines.push_back(rest.substr(0, end));
    rest.remove_prefix(end + 2);
  }
  for (std::string_view line : lines) {
    FUZZ_CHECK(line.find('\n') == std::string_view::npos,
               "line feeds only after a carriage return");
    FUZZ_CHECK(line.size() <= kLongestLine, "no line is longer than its fields allow");
  }
  FUZZ_CHECK(lines.size() >= 2, "both opening lines are written together");

  // "copy " X ".inp " X "_orig.inp", then "del " X ".out", where X is the path and input name.
  const std::string_view first = lines[0];
  constexpr std::size_t kFixed = std::string_view("copy .inp _orig.inp").size();
  FUZZ_CHECK(first.size() >= kFixed && (first.size() - kFixed) % 2 == 0, "backup line's length");
  const std::string x(first.substr(5, (first.size() - kFixed) / 2));
  FUZZ_CHECK(first == "copy " + x + ".inp " + x + "_orig.inp", "backup line");
  FUZZ_CHECK(lines[1] == "del " + x + ".out", "delete line");

  const std::string runStart = "tc " + x + " \"macro filename {";
  std::size_t entries = 0;
  std::size_t groupLength = 0;  // lines per entry, run line included
  std::size_t current = 0;
  for (std::size_t i = 2; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.starts_with("tc ")) {
      FUZZ_CHECK(line.starts_with(runStart), "run line names the input");
      FUZZ_CHECK(line.ends_with("} #define GUI_LINES\""), "run line's end");
      FUZZ_CHECK(line.find("} macro information {") != std::string_view::npos,
                 "run line's information body");
      if (entries == 1) groupLength = current;
      FUZZ_CHECK(entries < 2 || current == groupLength, "every entry has the same lines");
      ++entries;
      current = 1;
    } else {
      FUZZ_CHECK(entries > 0, "copy lines follow a run line");
      FUZZ_CHECK(line.starts_with("copy "), "chaining and keep lines are copies");
      ++current;
    }
  }
  FUZZ_CHECK(entries < 2 || current == groupLength, "the last entry is complete");
  FUZZ_CHECK(entries <= entryLimit, "no more entries than the files have lines");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  // In memory where there is such a file system: cutting and removing files on a disk costs
  // more than the run itself.
  char inMemory[] = "/dev/shm/multikevra-fuzz-XXXXXX";
  char onDisk[] = "/tmp/multikevra-fuzz-XXXXXX";
  const char* made = ::mkdtemp(inMemory);
  if (made == nullptr) made = ::mkdtemp(onDisk);
  FUZZ_CHECK(made != nullptr, "a scratch folder");
  folder = made;
  home = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  FUZZ_CHECK(home >= 0, "the starting folder");
  std::atexit([] {
    emptyFolder(folder);
    ::rmdir(folder.c_str());
  });
  mk::setRunEndHook(mk::fuzz::throwRunEnded);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static mk::fuzz::StderrCapture capture;
  std::vector<std::string> sections = splitSections({reinterpret_cast<const char*>(data), size});
  sections.resize(std::max<std::size_t>(sections.size(), 3));
  std::string& console = sections[0];
  defuseNames(console);
  for (std::size_t i = 1; i < sections.size(); ++i)
    defuseLineFeeds(sections[i]);
  const bool oldScript = sections.size() > 3;

  // Every entry takes a line of a file, every kept file two answers: keep the script small.
  std::size_t fileLines = 0;
  for (std::size_t i = 1; i < sections.size(); ++i)
    fileLines += lineCount(sections[i]);
  if ((fileLines + 1) * (lineCount(console) + 1) > 20000) return 0;

  FUZZ_CHECK(::chdir(folder.c_str()) == 0, "into the scratch folder");
  emptyFolder(folder);
  writeFile("list", sections[1]);
  writeFile("info", sections[2]);
  if (oldScript) writeFile(std::string(kScript), sections[3]);
  ::mkdir("dir", 0755);

  mk::MemoryChannel& out = mk::fuzz::freshConsole(console, 1 + (size % 97));
  int status = 1;
  capture.begin();
  try {
    mk::runMultikevra();
  } catch (const RunEnded& ended) {
    status = ended.status;
  }
  const std::string diagnostic = capture.end();
  FUZZ_CHECK(status == 0 || status == -1, "the run ends by stopping or by the fatal diagnostic");

  if (status == 0) {
    FUZZ_CHECK(diagnostic.empty(), "a normal end writes nothing on standard error");
    FUZZ_CHECK(out.written().ends_with(kClosing), "a normal end prints the closing message");
  } else {
    mk::fuzz::checkDiagnostic(
        diagnostic,
        {"fmt: end of file", "read start: end of file", "list in: end of file",
         "invalid integer: read unexpected character", "invalid integer: integer out of range",
         "invalid number: incomprehensible list input",
         "bad repetition count: incomprehensible list input", "open: null file name",
         "open: Is a directory", "open: No such file or directory", "open: Not a directory",
         "open: File name too long", "list in: Is a directory", "read start: can't read file",
         "write start: can't write file"});
    FUZZ_CHECK(out.written().find("Done file") == std::string::npos,
               "a failed run prints no closing message");
  }

  std::string script;
  FUZZ_CHECK(readFile(std::string(kScript), script), "the script exists after every run");
  if (!(oldScript && script == sections[3]) && !script.empty()) {
    checkScript(script, fileLines + 1);
  }
  FUZZ_CHECK(status != 0 || !script.empty(), "a normal end leaves a script");
  FUZZ_CHECK(::fchdir(home) == 0, "back to the starting folder");
  return 0;
}
