// The run settings: every answer of the dialogue, read-only once the dialogue is over.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "recordio/text_field.h"

namespace mk {

// The units the program opens by name.
inline constexpr int kScriptUnit = 2;
inline constexpr int kInformationUnit = 3;
inline constexpr int kListUnit = 7;

// The run script's fixed name, in the current folder.
inline constexpr std::string_view kScriptName = "multikevra.bat";

// One output file to keep after every run, and the suffix that names its copy.
struct RenamePair {
  TextField<20> outputFile;  // with its extension
  TextField<20> suffix;      // as typed, leading blanks included
};

struct RunSettings {
  TextField<132> directoryPath;  // written in front of the input and output names
  TextField<80> listFileName;
  std::int32_t entryCount = 0;  // a null-value answer leaves 0
  TextField<20> inputName;      // without extension; cut at its first blank
  bool informationWanted = false;
  TextField<40> informationFileName;
  TextField<1> yesNo;       // shared by both yes/no questions: last holds the chaining answer
  TextField<2> keepAnswer;  // the answer's first character and a blank
  std::vector<RenamePair> renames;  // in the order answered
};

// True for an answer whose first character is "y" or "Y".
bool isYes(std::string_view answer);

}  // namespace mk
