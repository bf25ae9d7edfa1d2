#include "dialogue/dialogue.h"

#include <cstdint>
#include <vector>

#include "recordio/free_form.h"
#include "recordio/layout.h"
#include "recordio/records.h"
#include "recordio/unit_table.h"

namespace mk {

namespace {

constexpr int kIn = kStandardInputUnit;
constexpr int kOut = kStandardOutputUnit;

constexpr Layout kBanner(
    "(/'Multiple kevra refinements'//"
    "'Assuming you have a sample input file ready'/"
    "'Assuming that you have a list of filenames around '/"
    "'Assuming that you have have a filename macro in inp '/"
    "'Assuming that you have information macro if required'/"
    "'Assuming that information file has correct entries'/"
    "'Assuming that input file has everything correct'/"
    "'Assuming that you will run from your main kevra directory'/"
    "'.....and give the program the pathname for files')");
constexpr Layout kPathPrompt(
    "('Enter full path name for directory with the input and raw files: '/"
    "'(e.g. D:\\data\\directory\\) remember the \\s: ',$)");
constexpr Layout kListPrompt("('Enter filename containing list of files: ',$)");
constexpr Layout kCountPrompt("('Enter number of files to run: ',$)");
constexpr Layout kInputNamePrompt("('Enter input filename (no extension; <20 chars): ',$)");
constexpr Layout kInformationPrompt(
    "('Do you want to read any other parms from a file to tell kevra (y/n): ',$)");
constexpr Layout kInformationFilePrompt(
    "('Enter name of file containing information for each range: ',$)");
constexpr Layout kChainingPrompt("('Do you want to copy output to next input (y/n): ',$)");
constexpr Layout kKeepPrompt(
    "('Do you want to keep kevra output files with new names? '/"
    "'e.g. copy kevra.hkl hklvalues.0001 (y/n): ',$)");

constexpr Layout kRenameCountPrompt("('Enter number of different output files to rename: ',$)");
constexpr Layout kOutputFilePrompt("('Enter name of kevra output file (with extension): ',$)");
constexpr Layout kSuffixPrompt("('Enter extension for this output file): ',$)");

constexpr Layout kPathAnswer("(A132)");
constexpr Layout kListAnswer("(A80)");
constexpr Layout kInputNameAnswer("(A20)");
constexpr Layout kInformationFileAnswer("(A40)");
constexpr Layout kYesNoAnswer("(A1)");
constexpr Layout kRenameAnswer("(A20)");

// Asks how many output files to keep and, for each, its name and the suffix of its copies.
// The table grows with the answers; a count larger than the input asks until the input ends.
void askRenames(std::vector<RenamePair>& renames) {
  std::int32_t count = 0;  // a null-value answer leaves 0
  writeRecords(kOut, kRenameCountPrompt);
  readItem(kIn, count);
  for (std::int32_t pair = 1; pair <= count; ++pair) {
    RenamePair& rename = renames.emplace_back();
    writeRecords(kOut, kOutputFilePrompt);
    readRecord(kIn, kRenameAnswer, rename.outputFile.span());
    writeRecords(kOut, kSuffixPrompt);
    readRecord(kIn, kRenameAnswer, rename.suffix.span());
  }
}

}  // namespace

bool isYes(std::string_view answer) {
  return equalText(answer, "y") || equalText(answer, "Y");
}

void askRunSettings(RunSettings& settings) {
  writeRecords(kOut, kBanner);

  writeRecords(kOut, kPathPrompt);
  readRecord(kIn, kPathAnswer, settings.directoryPath.span());

  writeRecords(kOut, kListPrompt);
  readRecord(kIn, kListAnswer, settings.listFileName.span());
  openUnit(kListUnit, settings.listFileName);

  writeRecords(kOut, kCountPrompt);
  readItem(kIn, settings.entryCount);

  writeRecords(kOut, kInputNamePrompt);
  readRecord(kIn, kInputNameAnswer, settings.inputName.span());

  writeRecords(kOut, kInformationPrompt);
  readRecord(kIn, kYesNoAnswer, settings.yesNo.span());
  if (isYes(settings.yesNo)) {
    writeRecords(kOut, kInformationFilePrompt);
    readRecord(kIn, kInformationFileAnswer, settings.informationFileName.span());
    settings.informationWanted = true;
    openUnit(kInformationUnit, settings.informationFileName);
  }

  writeRecords(kOut, kChainingPrompt);
  readRecord(kIn, kYesNoAnswer, settings.yesNo.span());

  // The input name keeps what stands in front of its first blank; a name that fills all 20
  // positions has no blank, so nothing is kept.
  const int kept = indexOf(settings.inputName, " ") - 1;
  assignText(settings.inputName.span(), substring(settings.inputName, 1, kept));

  writeRecords(kOut, kKeepPrompt);
  readRecord(kIn, kYesNoAnswer, settings.keepAnswer.span());
  if (isYes(settings.keepAnswer)) askRenames(settings.renames);
}

}  // namespace mk
