// A stand-in for the refinement program's console command `tc`, for running a generated
// multikevra.bat for real (under Wine's cmd).
//
//   tc <path and input name> "<macro text>"
//
// Appends one line to tc.log in the current folder: the argument count and every argument in
// brackets, and " unreadable data" when the run could not read its data file. As kevra does, it
// reads the data file named by the macro text's "macro filename {...}" (relative to the current
// folder), or where no file has that name, the file of that name followed by a dot and an
// extension (as kevra adds the extension the input file names); it must hold the line "raw
// data", and a run whose data cannot be read writes nothing more. Otherwise it reads <path and
// input name>.inp and writes <path and input name>.out: the input followed by the line "run of
// <data name>". It writes the output files a run leaves in the same folder: kevra.hkl ("hkl of
// <data name>") and kevra.lst (the same text as the .out file). Both end with the refinement
// cycles the input asks for (see cycles()). Every line ends with CR LF; files
// are read and written as bytes.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

namespace {

bool writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

// The whole of the file `path`, or nothing when it cannot be read.
std::optional<std::string> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string dataName(const std::string& macros) {
  const std::string opening = "macro filename {";
  const auto start = macros.find(opening);
  if (start == std::string::npos) return "?";
  const auto from = start + opening.size();
  const auto end = macros.find('}', from);
  return end == std::string::npos ? "?" : macros.substr(from, end - from);
}

// The data of the data name `name`: the file of that name, or of that name and an extension.
std::optional<std::string> readData(const std::string& name) {
  if (std::optional<std::string> data = readFile(name)) return data;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(".", error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string file = entry->path().filename().string();
    if (file.size() > name.size() + 1 && file.compare(0, name.size() + 1, name + ".") == 0) {
      return readFile(file);
    }
  }
  return std::nullopt;
}

// The refinement cycles that a sample input holding a line "cycles N" asks for: each cycle's
// values of a, b, c, R_wp and T, each with its uncertainty in another form, made of the cycle
// and the data name's last four digits D (a grows with them); the last cycle's are the run's.
std::string cycles(const std::string& input, const std::string& name) {
  const auto at = input.find("cycles ");
  if (at == std::string::npos) return "";
  std::string digits;
  for (const char c : name)
    if (c >= '0' && c <= '9') digits += c;
  const std::string d = (std::string(4, '0') + digits).substr(digits.size());
  std::string text;
  for (int cycle = 1; cycle <= std::stoi(input.substr(at + 7)); ++cycle) {
    const std::string c = std::to_string(cycle);
    text += "cycle " + c + "\r\n a = 4.9" + d + c + "(12)\r\nb: 1." + c + "e-3(4)\r\nc 3." + c +
            "5(12)D1\r\nR_wp  7." + c + "0_0.03\r\nT " +
            std::to_string(std::stoi("0" + digits) + cycle) + " +/- 2\r\n";
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string name = argc == 3 ? dataName(argv[2]) : "";
  const bool dataRead = argc == 3 && readData(name) == "raw data\r\n";
  {
    std::ofstream log("tc.log", std::ios::binary | std::ios::app);
    log << argc - 1;
    for (int i = 1; i < argc; ++i)
      log << " [" << argv[i] << "]";
    log << (argc == 3 && !dataRead ? " unreadable data" : "") << "\r\n";
  }
  if (argc != 3) {
    std::cerr << "tc: expected 2 arguments, got " << argc - 1 << "\n";
    return 1;
  }
  if (!dataRead) {
    std::cerr << "tc: cannot read the data file " << name << "\n";
    return 4;
  }

  const std::string base = argv[1];
  const std::optional<std::string> input = readFile(base + ".inp");
  if (!input) {
    std::cerr << "tc: cannot read " << base << ".inp\n";
    return 2;
  }

  const std::string listing = *input + "run of " + name + "\r\n" + cycles(*input, name);
  const auto slash = base.find_last_of("\\/:");
  const std::string folder = slash == std::string::npos ? "" : base.substr(0, slash + 1);
  if (!writeFile(base + ".out", listing) || !writeFile(folder + "kevra.lst", listing) ||
      !writeFile(folder + "kevra.hkl", "hkl of " + name + "\r\n")) {
    std::cerr << "tc: cannot write the output files\n";
    return 3;
  }
  return 0;
}
