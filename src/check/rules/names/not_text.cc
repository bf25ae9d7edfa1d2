// not-text: the list file is not text in cmd's code page (UTF-16, or no text at all).
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

// Told at the last line, on the first entry it spoils; the entries' own findings follow from it.
static void find(const Line& line, const Context& context, Findings& found) {
  const Names::Textless textless = context.names->textless(line);
  if (!line.last || textless.entries * 2 <= line.entry) return;
  Finding& finding = found.emplace_back(Finding::of(
      textless.utf16
          ? "the list file was saved as UTF-16 (Unicode): its names hold NUL bytes; save it as "
            "ANSI"
          : "the list file is not text: " + std::to_string(textless.entries) + " of " +
                std::to_string(line.entry) + " data names hold control bytes; give a list of names",
      Cause{Cause::Kind::kListFile, 0, {}}));
  finding.line = textless.firstLine;
  finding.covers = Cause::Kind::kDataName;
}

const Rule kNotText = {
    {"not-text", Severity::kError, Room::kNames,
     "the list file is not text: saved as UTF-16, or not a list at all",
     R"(multikevra reads the list file byte by byte, as text in the code page cmd reads the
batch in. A list saved as UTF-16 (PowerShell 5.1's > and Out-File, Notepad's "Unicode") holds a
NUL byte beside every letter, and no run finds its data; a program given as the list gives names
of bytes no text has. Told when most data names hold such bytes, on the first entry's run line
(the script names no list file); the entries' own findings follow from it and are left out.

To mend: save the list file as ANSI (Notepad: Save as, Encoding ANSI), or make it in the console
(dir /b *.xye > list.txt), or give the right file, and run multikevra again.)"},
    find};

}  // namespace mk::check
