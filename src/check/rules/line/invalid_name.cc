// invalid-name: a name no Windows file can have.
#include "check/file_names.h"
#include "check/rules/line/line_rule.h"

namespace mk::check {

// Why a value cannot be a file's name, for the message after the value's name.
static std::string whyInvalid(const NamedValue& value, const InvalidName& invalid) {
  switch (invalid.fault) {
    case NameFault::kWildcard:
      return "holds the wildcard " + inQuotes(invalid.part);
    case NameFault::kForbidden:
      return invalid.part == "\"" ? "holds a double quote"
                                  : "holds the forbidden " + inQuotes(invalid.part);
    case NameFault::kColon:
      return "holds a stray colon";
    case NameFault::kControl:
      return "holds a control byte";
    default:
      if (invalid.part.size() == value.text.size())
        return "names the device " + deviceOf(invalid.part);
      return "has the part " + inQuotes(invalid.part) + ", the device " + deviceOf(invalid.part);
  }
}

// What follows when no file can have a value's name.
static std::string whatFollows(const NamedValue& value, const InvalidName& invalid) {
  const bool device = invalid.fault == NameFault::kDevice;
  switch (value.kind) {
    case ValueKind::kDirectoryPath:
      return "no file can lie there: every line fails";
    case ValueKind::kInputName:
      return device ? "the backup and the runs reach a device" : "the backup and every run fail";
    case ValueKind::kDataName:
      return device ? "tc reads a device" : "no file can have it";
    case ValueKind::kOutputFile:
      return device ? "the copy reads a device" : "the copy fails";
    default:
      if (device) return "nothing is kept";
      if (invalid.fault == NameFault::kColon) {
        const auto colon = static_cast<std::size_t>(invalid.part.data() - value.text.data());
        return "NTFS writes a stream of " + inQuotes(value.text.substr(0, colon));
      }
      return "the copy fails";
  }
}

// Whether a drive (a letter and a colon) may begin `value`, a name of `line`; false for the
// values that name no file or that are looked at on the first line only (P and I).
static bool names(const Script& script, const Line& line, const NamedValue& value,
                  bool& driveAllowed) {
  switch (value.kind) {
    case ValueKind::kDirectoryPath:
    case ValueKind::kDataName:  // a data name may be a path of its own ('d:\raw\a.xy')
      driveAllowed = true;
      return value.kind == ValueKind::kDataName || line.number == 1;
    case ValueKind::kInputName:
      driveAllowed = false;
      return line.number == 1;
    case ValueKind::kOutputFile:
    case ValueKind::kKeptName:
      driveAllowed = script.path().empty();
      return true;
    default:
      return false;  // the information text names no file
  }
}

// Why no Windows file can have the name of `value`, a value of `line` of `script`.
static InvalidName invalidOf(const Script& script, const Line& line, const NamedValue& value) {
  bool driveAllowed = false;
  if (!names(script, line, value, driveAllowed)) return {};
  return findInvalidName(value.text, driveAllowed);
}

static void find(const Line& line, const Context& context, Findings& found) {
  Finding& finding = found.emplace_back();
  for (std::size_t i = 0; i < line.shape.valueCount; ++i) {
    const NamedValue& value = line.shape.values[i];
    const InvalidName invalid = invalidOf(context.script, line, value);
    if (invalid.fault == NameFault::kNone) continue;
    finding.faults.push_back(faultAt(line, offsetOf(line, invalid.part), whyInvalid(value, invalid),
                                     whatFollows(value, invalid)));
  }
}

const Rule kInvalidName = {
    {"invalid-name", Severity::kError, Room::kLine,
     "a name no Windows file can have (* ? < > | \" : tab, a device)",
     R"(Windows refuses * ? < > | and the double quote in file names, a colon anywhere but after
a drive letter, and the bytes 1 to 31 (a tab among them). A part whose text before the first
dot is CON, PRN, AUX, NUL, COM1-COM9 or LPT1-LPT9 (any case, any extension) names a device. So
tc is handed a data name no file can have, a keep copy fails or goes to a device (nul.hkl keeps
nothing, con.hkl writes to the console), and on NTFS a kept name with a colon writes a hidden
stream of another file (run:1.xy.hkl). Neighbours such as com10.xy, conx.xy or nul_a are fine.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\nul.hkl

To mend: rename the data file (or the folder) and correct the list file or the answers, or
change the suffix, and run multikevra again.)"},
    find};

}  // namespace mk::check
