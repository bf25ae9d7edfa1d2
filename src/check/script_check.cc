#include "check/script_check.h"

#include "check/cmd_view.h"
#include "check/file_checks.h"
#include "check/file_names.h"
#include "check/value_words.h"

namespace mk::check {

namespace {

constexpr std::size_t kDataNameWidth = 80;
constexpr std::size_t kKeptNameWidth = 20;
constexpr std::size_t kInformationWidth = 180;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // UTF-8's, as some editors save it
constexpr std::uint64_t kSampleLines = 1U << 12U;  // the first lines, that size the name table

// The first character of `text` at which cmd splits names (blanks and tabs only when
// `blanksOnly`), or npos.
std::size_t findSeparator(std::string_view text, bool blanksOnly) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (blanksOnly ? text[at] == ' ' || text[at] == '\t' : isNameSeparator(text[at])) return at;
  }
  return std::string_view::npos;
}

// The position of the first byte of `line` outside ASCII, or npos.
std::size_t findNonAscii(std::string_view line) {
  for (std::size_t at = 0; at < line.size(); ++at) {
    if (static_cast<unsigned char>(line[at]) >= 0x80) return at;
  }
  return std::string_view::npos;
}

// The command word and how many names the line means, for the copy and del lines.
struct CommandNames {
  std::string_view command;
  std::size_t meant = 0;
};

// A length's bit in a set of lengths (modulo 64).
constexpr std::uint64_t lengthBit(std::size_t length) {
  return std::uint64_t{1} << (length % 64);
}

CommandNames commandNames(LineKind kind) {
  switch (kind) {
    case LineKind::kBackup:
    case LineKind::kChaining:
    case LineKind::kKeep:
      return {"copy", 2};
    case LineKind::kDeleteOutput:
      return {"del", 1};
    default:
      return {};
  }
}

// Why a value cannot be a file's name, for the message after the value's name.
std::string whyInvalid(const NamedValue& value, const InvalidName& invalid) {
  switch (invalid.fault) {
    case NameFault::kWildcard:
      return "holds the wildcard " + inQuotes(invalid.part);
    case NameFault::kForbidden:
      return "holds " + (invalid.part == "\"" ? "a double quote" : inQuotes(invalid.part)) +
             ", a character Windows forbids in file names";
    case NameFault::kColon:
      return "holds a colon that does not follow a drive letter, which Windows reserves in file "
             "names";
    case NameFault::kControl: {
      static constexpr std::string_view kDigits = "0123456789ABCDEF";
      const auto byte = static_cast<unsigned char>(invalid.part[0]);
      return std::string("holds a control character (byte 0x") + kDigits[byte >> 4U] +
             kDigits[byte & 15U] + (byte == '\t' ? ", a tab)" : ")");
    }
    default: {
      const std::string device = "the device " + deviceOf(invalid.part) +
                                 " (Windows keeps CON, PRN, AUX, NUL, COM1-COM9 and LPT1-LPT9, "
                                 "with any extension, for devices)";
      if (invalid.part.size() == value.text.size()) return "names " + device;
      return "has the part " + inQuotes(invalid.part) + ", which names " + device;
    }
  }
}

// What follows when no file can have a value's name.
std::string whatFollowsInvalid(const NamedValue& value, const InvalidName& invalid) {
  const bool device = invalid.fault == NameFault::kDevice;
  switch (value.kind) {
    case ValueKind::kDirectoryPath:
      return "no file can lie in that folder, so the backup, every run and every copy of this "
             "script fail";
    case ValueKind::kInputName:
      return device ? "the backup and every run reach a device instead of the sample input file"
                    : "no sample input file can have that name, so the backup and every run fail";
    case ValueKind::kDataName:
      return device ? "tc is handed a device's name and reads no data file"
                    : "no data file can have that name, so tc cannot read this entry's data";
    case ValueKind::kOutputFile:
      return device ? "the copy reads the device instead of an output file"
                    : "no output file can have that name, so the copy fails";
    default:
      if (device) return "the kept file goes to the device and no file is kept";
      if (invalid.fault == NameFault::kColon) {
        const auto colon = static_cast<std::size_t>(invalid.part.data() - value.text.data());
        return "on NTFS the copy writes a hidden stream of the file " +
               inQuotes(value.text.substr(0, colon)) +
               ", invisible in Explorer, and no file of this name is kept";
      }
      return "the copy fails and no file is kept";
  }
}

// `name` in double quotes, and where Windows reads it as another name, that name too.
std::string asResolved(std::string_view name) {
  if (isPlainName(name) || name.empty()) return inQuotes(name);
  return inQuotes(name) + " (to Windows " + inQuotes(normalName(name)) + ")";
}

}  // namespace

bool ScriptCheck::start(std::string_view line) {
  const LineShape shape = recogniseFirstLine(line);
  if (shape.kind != LineKind::kBackup) return false;
  lineNumber_ = 1;
  lines_ = ScriptLines(shape.values[0].text, shape.values[1].text);
  sampleInput_ = lines_.input() + ".inp";
  tcOutput_ = lines_.input() + ".out";
  backup_ = lines_.input() + "_orig.inp";
  scriptFile_ = fileNamePart(report_.scriptName());
  surveyCharacters(lines_.path(), pathAndInputCharacters_);
  surveyCharacters(lines_.input(), pathAndInputCharacters_);
  checkHazards(line, shape);
  if (lines_.input().empty()) {
    add(Finding::kEmptyInputName,
        "the input name is empty: this line copies " + inQuotes(lines_.path() + ".inp") +
            " and every run starts tc on " + inQuotes(lines_.path()) +
            "; answer the input file name question with the sample's name (fewer than 20 "
            "characters) and run multikevra again");
  }
  if (machine_ != nullptr) machineCheck_.emplace(*machine_, report_, lines_.path(), lines_.input());
  std::string buffer;
  sampleInputKey_ = fileKey(sampleInput_, false, buffer);
  tcOutputKey_ = fileKey(tcOutput_, false, buffer);
  backupKey_ = fileKey(backup_, false, buffer);
  if (machineCheck_) machineCheck_->checkBackup();
  return true;
}

void ScriptCheck::checkLine(std::string_view line) {
  ++lineNumber_;
  if (lineNumber_ <= kSampleLines) {
    bytesRead_ += line.size() + 1;
    if (lineNumber_ == kSampleLines && scriptSize_ > bytesRead_) {
      const double perByte = static_cast<double>(names_.size()) / static_cast<double>(bytesRead_);
      names_.reserve(static_cast<std::size_t>(perByte * static_cast<double>(scriptSize_)));
    }
  }
  LineShape& shape = shape_;
  lines_.recognise(line, shape);
  checkHazards(line, shape);
  switch (shape.kind) {
    case LineKind::kRun:
      checkRun(shape);
      break;
    case LineKind::kChaining:
      if (summary_.entries == 1) summary_.chaining = true;
      if (machineCheck_) machineCheck_->checkChaining(lineNumber_);
      break;
    case LineKind::kKeep:
      checkKeep(shape);
      break;
    case LineKind::kForeign:
      add(Finding::kForeignLine,
          "this line is none of the lines multikevra writes (an edited script?): it is "
          "checked only for what cmd does with its characters");
      break;
    default:
      break;
  }
}

void ScriptCheck::finish() {
  if (machineCheck_) {
    machineCheck_->finish();
  } else {
    report_.note(
        "files were not checked here (whether the sample input file exists, whether "
        "its backup would be replaced, whether cmd finds tc, whether the data files and the "
        "kept files' folders exist, whether copy will ask before it replaces a file, whether "
        "kept files of an earlier batch exist): run multikevra-check on the Windows machine, "
        "in the window and folder that will run the batch, to check them");
  }
  report_.summarize(summary_);
}

// The findings on a line's characters, for every line of the script (ours or foreign): checks
// that look at the bytes alone belong here.
void ScriptCheck::checkHazards(std::string_view line, const LineShape& shape) {
  // Of a line multikevra writes only the values can hold what cmd acts on; P and I are the same
  // on every line and were surveyed once.
  LineCharacters characters;
  bool namesToLookAt = lineNumber_ == 1;  // else only when the values hold such characters
  if (shape.kind == LineKind::kForeign) {
    surveyCharacters(line, characters);
  } else {
    for (std::size_t i = 0; i < shape.valueCount; ++i) {
      const ValueKind kind = shape.values[i].kind;
      if (kind != ValueKind::kDirectoryPath && kind != ValueKind::kInputName) {
        surveyCharacters(shape.values[i].text, characters);
      }
    }
    namesToLookAt = namesToLookAt || characters.inName || characters.slash;
    addCharacters(pathAndInputCharacters_, characters);
  }
  if (characters.percent) {
    const std::size_t at = line.find('%');
    const NamedValue* value = valueAt(shape, line, at);
    std::string_view fix = howToChange(value);
    // A %% reaches the command as one %, but whether it was meant so the line cannot tell: the
    // advice is to take the % out, and a %% written on purpose stays reported.
    if (value == nullptr) fix = "take the % out of this line (a %% is read as one %)";
    if (value != nullptr && value->kind == ValueKind::kInformation) {
      fix =
          "take the % out of the information file (a %% is read as one %) and run multikevra "
          "again";
    }
    add(Finding::kPercent,
        describe(value) +
            " holds a \"%\": cmd replaces %NAME% and %1 in a batch file and drops a lone %, so "
            "this line runs with other text than written; " +
            std::string(fix));
  }
  checkSplitNames(line, shape, characters);
  const std::size_t at =
      characters.commandCharacter ? findCommandCharacter(line) : std::string_view::npos;
  if (at != std::string_view::npos) {
    const NamedValue* value = valueAt(shape, line, at);
    add(Finding::kSpecialChar, describe(value) + " holds " + inQuotes(line.substr(at, 1)) +
                                   " outside double quotes: cmd " +
                                   std::string(commandCharacterEffect(line[at])) + "; " +
                                   std::string(howToChange(value)));
  }
  if (characters.slash && shape.kind != LineKind::kRun && shape.kind != LineKind::kForeign) {
    checkSlash(line, shape);
  }
  if (shape.kind == LineKind::kRun && characters.quote) checkQuote(shape);
  if (shape.kind == LineKind::kRun && characters.nonAscii) checkByteOrderMark(shape);
  if (characters.nonAscii) {
    const NamedValue* value = valueAt(shape, line, findNonAscii(line));
    add(Finding::kNonAscii,
        describe(value) +
            " holds bytes outside ASCII: cmd reads the script in the console's code page, "
            "which may read them as other characters than the editor wrote, so this line may "
            "name other files or pass other text than written; " +
            std::string(howToChange(value)));
  }
  checkNames(shape, namesToLookAt);
}

// cmd's own commands take a / as the start of a switch; tc, as any program, takes it in a path.
void ScriptCheck::checkSlash(std::string_view line, const LineShape& shape) {
  const std::size_t at = line.find('/');
  if (at == std::string_view::npos) return;
  const NamedValue* value = valueAt(shape, line, at);
  std::string_view fix = "edit this line of the script";
  if (value != nullptr && value->kind == ValueKind::kDirectoryPath) {
    fix =
        "write the directory path with backslashes (C:\\kevra\\quartz\\) and run multikevra again";
  } else if (value != nullptr && value->kind == ValueKind::kOutputFile) {
    fix = "write the output file name with backslashes and run multikevra again";
  } else if (value != nullptr && value->kind == ValueKind::kKeptName) {
    fix = "use a data name and a suffix without \"/\" and run multikevra again";
  }
  add(Finding::kSlash,
      describe(value) +
          " holds \"/\": cmd reads a / in its own copy and del commands as the start of a "
          "switch, so this line fails; " +
          std::string(fix));
}

// The names no Windows file can have: P and I on the first line only (they stand on every
// line), the data name of a run line, the output file and kept name of a keep line. Without
// `lookCloser`, the names hold no character to look at, and only a device name is possible.
void ScriptCheck::checkNames(const LineShape& shape, bool lookCloser) {
  const bool firstLine = lineNumber_ == 1;
  for (std::size_t i = 0; i < shape.valueCount; ++i) {
    const NamedValue& value = shape.values[i];
    bool driveAllowed = false;
    switch (value.kind) {
      case ValueKind::kDirectoryPath:
        if (!firstLine) continue;
        driveAllowed = true;
        break;
      case ValueKind::kInputName:
        if (!firstLine) continue;
        break;
      case ValueKind::kDataName:
        driveAllowed = true;  // a data name may be a path of its own ('d:\raw\a.xy')
        break;
      case ValueKind::kOutputFile:
      case ValueKind::kKeptName:
        driveAllowed = lines_.path().empty();
        break;
      default:
        continue;  // the information text names no file
    }
    if (!lookCloser && !mayNameDevice(value.text)) continue;
    const InvalidName invalid = findInvalidName(value.text, driveAllowed);
    if (invalid.fault == NameFault::kNone) continue;
    const std::string_view fix =
        value.kind == ValueKind::kDirectoryPath
            ? "move the files to a folder whose path Windows allows and run multikevra again"
            : howToChange(&value);
    add(Finding::kInvalidName, describe(&value) + " " + whyInvalid(value, invalid) + ": " +
                                   whatFollowsInvalid(value, invalid) + "; " + std::string(fix));
    return;
  }
}

void ScriptCheck::checkSplitNames(std::string_view line, const LineShape& shape,
                                  const LineCharacters& characters) {
  const bool run = shape.kind == LineKind::kRun;
  if (run && !pathAndInputCharacters_.blank && !pathAndInputCharacters_.otherSeparator) return;
  const CommandNames names = commandNames(shape.kind);
  std::size_t count = 0;
  if (!run) {
    if (names.meant == 0) return;  // a foreign line: what its names mean is unknown
    // Only a separator or a double quote in a value can change the names cmd reads.
    if (!characters.quote && !characters.otherSeparator && !characters.blank) return;
    count = countNames(line.substr(names.command.size() + 1));
    if (count == names.meant) return;
  }
  for (std::size_t i = 0; i < shape.valueCount; ++i) {
    const NamedValue& value = shape.values[i];
    if (run && value.kind != ValueKind::kDirectoryPath && value.kind != ValueKind::kInputName) {
      break;
    }
    const std::size_t at = findSeparator(value.text, run);
    if (at == std::string_view::npos) continue;
    std::string message = describe(&value) + " holds " + std::string(separatorName(value.text[at]));
    if (run) {
      message +=
          " in front of tc's quoted argument: tc receives other arguments than written, "
          "so this run goes wrong; ";
    } else {
      message += ": cmd reads " + std::to_string(count) + " names on this " +
                 std::string(names.command) + " line, not " + std::to_string(names.meant) +
                 (names.meant == 1 ? ", so it deletes other files than meant; "
                                   : ", so the copy fails or copies other files; ");
    }
    add(Finding::kSplitName, message + std::string(howToChange(&value)));
    return;
  }
  if (!run) {
    add(Finding::kSplitName,
        "double quotes in the names make cmd read " + std::to_string(count) + " names on this " +
            std::string(names.command) + " line, not " + std::to_string(names.meant) +
            "; remove the double quotes from the names and run multikevra again");
  }
}

void ScriptCheck::checkQuote(const LineShape& shape) {
  for (const ValueKind kind : {ValueKind::kDataName, ValueKind::kInformation}) {
    const NamedValue* value = findValue(shape, kind);
    if (value != nullptr && value->text.find('"') != std::string_view::npos) {
      add(Finding::kQuote,
          describe(value) +
              " holds a double quote: it ends tc's quoted argument early, so tc receives other "
              "arguments than written; " +
              std::string(howToChange(value)));
      return;
    }
  }
}

void ScriptCheck::checkByteOrderMark(const LineShape& shape) {
  const NamedValue* information = findValue(shape, ValueKind::kInformation);
  const bool list = findValue(shape, ValueKind::kDataName)->text.starts_with(kByteOrderMark);
  const bool informationFile =
      information != nullptr && information->text.starts_with(kByteOrderMark);
  if (!list && !informationFile) return;
  const bool both = list && informationFile;
  std::string message = both   ? "the list file and the information file were"
                        : list ? "the list file was"
                               : "the information file was";
  message +=
      " saved with a byte order mark (the bytes EF BB BF some editors write at the start of a "
      "UTF-8 file): multikevra kept them as the start of ";
  if (list) message += "this data name, so this run gets a name no file has";
  if (both) message += ", and of ";
  if (informationFile) message += "this information text, so tc receives them in its argument";
  message += both ? "; save both" : "; save it";
  add(Finding::kByteOrderMark,
      message + " as UTF-8 without BOM, or as ANSI, and run multikevra again");
}

void ScriptCheck::checkRun(const LineShape& shape) {
  ++summary_.entries;
  const std::string_view data = findValue(shape, ValueKind::kDataName)->text;
  const NamedValue* information = findValue(shape, ValueKind::kInformation);
  if (data.empty()) {
    add(Finding::kEmptyName,
        "the data name is empty: this run gets no data file; give this entry a name in the list "
        "file (a line that begins with a comma gives none) and run multikevra again");
  }
  const bool dataCut = data.size() == kDataNameWidth;
  const bool informationCut = information != nullptr &&
                              information->text.size() == kInformationWidth &&
                              information->text.back() != ' ';
  if (dataCut || informationCut) {
    std::string message;
    if (dataCut) {
      message = "data name " + inQuotes(data) + " has 80 characters, as many as multikevra keeps";
    }
    if (informationCut) {
      message += dataCut ? ", and the" : "the";
      message += " information text fills all 180 columns, as many as multikevra reads";
    }
    message +=
        dataCut && informationCut ? ", so both were probably cut; " : ", so it was probably cut; ";
    message += dataCut ? "use a shorter data file name" : "";
    message += dataCut && informationCut ? " and " : "";
    message += informationCut ? "shorten the information line to 179 characters" : "";
    add(Finding::kCut, message);
  }
  keepIndex_ = 0;
  if (!data.empty()) {
    const std::string_view key = fileKey(data, true, keyBuffer_);
    dataNameLengths_ |= lengthBit(key.size());
    // A keep line before wrote the file this run reads.
    std::optional<std::uint64_t> kept;
    if ((keptLengths_ & lengthBit(key.size())) != 0 &&
        (kept = names_.find(NameTable::Group::kKeptName, key))) {
      add(Finding::kOverwritesOwnFile,
          "data name " + asResolved(data) + " names the file that the keep line " +
              std::to_string(*kept) +
              " copied an output file to: this run reads that copy instead of its data; change "
              "the data name or the suffix and run multikevra again");
    }
    lookUpName(NameTable::Group::kDataName, key, data);
  }
  if (machineCheck_) {
    machineCheck_->checkRun(lineNumber_, data,
                            findInvalidName(data, true).fault == NameFault::kNone);
  }
}

void ScriptCheck::checkKeep(const LineShape& shape) {
  if (summary_.entries == 1) ++summary_.keptPerEntry;
  const std::string_view kept = findValue(shape, ValueKind::kKeptName)->text;
  if (kept.size() == kKeptNameWidth) {
    add(Finding::kCut,
        "kept name " + inQuotes(kept) +
            " has 20 characters, as many as multikevra writes, so the suffix was probably cut "
            "in part or whole; use a shorter data name or suffix");
  }
  const std::string_view keptKey = fileKey(kept, false, keyBuffer_);
  const bool ownFile = checkOwnFiles(findValue(shape, ValueKind::kOutputFile)->text, kept, keptKey);
  keptLengths_ |= lengthBit(keptKey.size());
  const bool keptBefore = lookUpName(NameTable::Group::kKeptName, keptKey, kept);
  if (machineCheck_) machineCheck_->checkKeep(lineNumber_, kept, ownFile || keptBefore, ownFile);
}

// A keep line "copy P O P N" whose target P N is a file the batch itself needs. A kept name is
// looked up among the output files and the data names only when one of them has its length:
// in most scripts none has, and the lookups cost more than the rest of a keep line (on the
// 100,000-entry script, measured: 0.20 s without this test, 0.09 s with it).
bool ScriptCheck::checkOwnFiles(std::string_view output, std::string_view kept,
                                std::string_view keptKey) {
  using Group = NameTable::Group;
  const std::string_view outputKey = fileKey(output, false, otherKeyBuffer_);
  outputLengths_ |= lengthBit(outputKey.size());
  // An output file at the same place as in the entry before was remembered then: a lookup on
  // every keep line cost a sixth of the check's time on the 100,000-entry script (measured).
  if (keepIndex_ == outputsBefore_.size()) {
    outputsBefore_.emplace_back();
    keptInEntry_.emplace_back();
  }
  if (outputsBefore_[keepIndex_] != outputKey) {
    names_.remember(Group::kOutputFile, outputKey, lineNumber_);
    outputsBefore_[keepIndex_].assign(outputKey);
  }
  // A keep line of this entry before this one wrote the output file it copies (tc writes the
  // output files anew at each run, so only this entry's keep lines count).
  std::uint64_t writtenBy = 0;
  for (std::size_t i = 0; i < keepIndex_ && writtenBy == 0; ++i) {
    if (equalIgnoringCase(keptInEntry_[i].first, outputKey)) writtenBy = keptInEntry_[i].second;
  }
  keptInEntry_[keepIndex_].first.assign(keptKey);
  keptInEntry_[keepIndex_].second = lineNumber_;
  ++keepIndex_;
  const std::string& path = lines_.path();
  const auto overwrites = [&](const std::string& what) {
    add(Finding::kOverwritesOwnFile,
        "kept name " + asResolved(kept) + " names " + what +
            "; change the data name or the suffix and run multikevra again");
  };
  const bool lengthOfOutput = (outputLengths_ & lengthBit(keptKey.size())) != 0;
  const bool lengthOfData = (dataNameLengths_ & lengthBit(keptKey.size())) != 0;
  std::optional<std::uint64_t> line;
  if (equalIgnoringCase(keptKey, outputKey)) {
    overwrites("the file this line copies, " + inQuotes(path + std::string(output)) +
               ": cmd cannot copy a file onto itself, so no file is kept");
    return false;
  }
  if (equalIgnoringCase(keptKey, sampleInputKey_)) {
    overwrites("the sample input file " + inQuotes(path + sampleInput_) +
               ": this copy overwrites it with " + inQuotes(output) +
               ", so the runs after it start from that file");
  } else if (equalIgnoringCase(keptKey, tcOutputKey_)) {
    overwrites("tc's output file " + inQuotes(path + tcOutput_) +
               ": this copy overwrites what this run wrote there, so that output is lost and the "
               "copies of it after this line take " +
               inQuotes(output) + " instead");
  } else if (equalIgnoringCase(keptKey, backupKey_)) {
    overwrites("the backup " + inQuotes(path + backup_) +
               ": this copy overwrites it, so the sample input as it was before the batch is "
               "lost");
  } else if (lengthOfOutput && (line = names_.find(Group::kOutputFile, keptKey))) {
    overwrites("the output file " + inQuotes(path + std::string(kept)) + " that line " +
               std::to_string(*line) +
               " copies: this copy overwrites what tc wrote there, so the copies of it after this "
               "line take " +
               inQuotes(output) + " instead");
  } else if (lengthOfData && (line = names_.find(Group::kDataName, keptKey))) {
    overwrites("the data file of line " + std::to_string(*line) +
               ": this copy overwrites the raw data " + inQuotes(path + std::string(kept)) +
               " with " + inQuotes(output) + ", and that data is lost");
  } else if (namesScript(kept)) {
    overwrites(
        "this script: this copy overwrites the running script, and cmd reads on in the new file "
        "from the old byte offset, so the batch goes on with whatever stands there");
  } else {
    if (writtenBy != 0) {
      add(Finding::kOverwritesOwnFile,
          "output file name " + asResolved(output) + " names the file that line " +
              std::to_string(writtenBy) +
              " copied an output file to, after this entry's run: this line copies that copy "
              "again, not what tc wrote; change the data name or the suffix and run multikevra "
              "again");
    }
    return false;
  }
  return true;
}

// True when P N is the script's own file: with P empty, a kept name equal to the script's file
// name; with the file checks, any P N that names the script's file.
bool ScriptCheck::namesScript(std::string_view kept) const {
  if (kept.size() < scriptFile_.size() ||
      !equalIgnoringCase(kept.substr(kept.size() - scriptFile_.size()), scriptFile_) ||
      !equalIgnoringCase(fileNamePart(kept), scriptFile_)) {
    return false;
  }
  if (lines_.path().empty() && kept.size() == scriptFile_.size()) return true;
  return machineCheck_ &&
         equalIgnoringCase(machineCheck_->absolute(lines_.path() + std::string(kept)),
                           machineCheck_->absolute(report_.scriptName()));
}

std::string_view ScriptCheck::fileKey(std::string_view name, bool data, std::string& buffer) const {
  if (machineCheck_) {
    const bool alone = data && standsAlone(name);  // a data name may be a path of its own
    buffer = machineCheck_->absolute(alone ? std::string(name) : lines_.path() + std::string(name));
    return buffer;
  }
  if (isPlainName(name)) return name;
  buffer = normalName(name);
  return buffer;
}

// The comparison with the names of earlier lines, the last finding of its line.
bool ScriptCheck::lookUpName(NameTable::Group group, std::string_view key, std::string_view name) {
  const std::optional<std::uint64_t> earlier = names_.remember(group, key, lineNumber_);
  if (!earlier) return false;
  if (group == NameTable::Group::kDataName) {
    add(Finding::kDuplicateEntry,
        "data name " + asResolved(name) + " was already run on line " + std::to_string(*earlier) +
            " (Windows ignores the case of letters in file names): this entry runs the same "
            "data again; check the list file");
  } else {
    add(Finding::kKeptCollision,
        "kept name " + asResolved(name) + " is already the kept name of line " +
            std::to_string(*earlier) +
            " (Windows ignores the case of letters in file names): this copy overwrites the "
            "file kept there; make the data names or the suffixes differ within their first 20 "
            "characters");
  }
  return true;
}

void ScriptCheck::add(Finding finding, std::string_view message) {
  report_.add(lineNumber_, finding, message);
}

}  // namespace mk::check
