#include "check/findings.h"

#include <algorithm>
#include <array>
#include <string>

namespace mk::check {

namespace {

constexpr Severity kError = Severity::kError;
constexpr Severity kWarning = Severity::kWarning;

constexpr std::array<FindingInfo, 27> kCatalogue = {{
    {Finding::kPercent, "percent", kError, false,
     "a % in a line: cmd replaces %NAME% and %1 and drops a lone %",
     R"(cmd reads every % of a batch file before it runs the line: %NAME% becomes the value
of the environment variable NAME (or nothing), %1 to %9 the batch's own arguments, and a lone %
is dropped. A % that multikevra wrote into a name or an information text therefore reaches tc,
copy or del as other text than written. A %% is read as one %; the checker cannot tell whether
it was meant so, and reports it too.

Example:
  tc C:\kevra\quartz\sample "macro filename {s01} macro information {RATE 50% } #define GUI_LINES"
tc receives the information text "RATE 50 ".

To mend: take the % out of the list file, the information file or the answers (the message
names the value) and run multikevra again.)"},
    {Finding::kSplitName, "split-name", kError, false,
     "a name holds a blank, tab, comma, ; or =: cmd reads more names",
     R"(copy and del take their names apart at blanks, tabs, commas, semicolons and equals
signs; multikevra writes names without quotes. A kept name "s 01.hkl" makes the keep line
"copy P kevra.hkl P s 01.hkl", three names, and the copy fails or copies other files. On a run
line the directory path and input name stand in front of tc's quoted argument: a blank there
hands tc other arguments than written.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\s 01.hkl

To mend: rename the data file (or the folder) so that its name holds none of these characters,
correct the list file or the answers, and run multikevra again.)"},
    {Finding::kSpecialChar, "special-char", kError, false,
     "& | < > or ^ outside double quotes: cmd runs, redirects or drops it",
     R"(Outside double quotes cmd acts on five characters before the command sees the line: &
ends the command and starts a second one, | pipes it into another, < and > redirect its input
and output (a > in a name creates a file of the rest), and ^ escapes the next character and is
dropped itself.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\r&d.hkl
copies kevra.hkl to a file "r" and then tries to run a command "d.hkl".

To mend: rename the data file or folder without these characters, correct the list file or the
answers, and run multikevra again. Inside tc's quoted argument they are harmless, as long as
no double quote in a name or an information text ends the quotes early.)"},
    {Finding::kSlash, "slash", kError, false,
     "a / on a copy or del line: cmd reads a switch, and the line fails",
     R"(tc, as any program, takes C:/kevra/quartz/sample as a path, but cmd's own copy and del
read a / as the start of a switch (/Y, /B, /Q ...): "copy C:/kevra/quartz/sample.inp ..." fails
with "Invalid switch" and copies nothing. Every backup, delete, chaining and keep line of such a
script fails; the run lines work.

Example:
  copy C:/kevra/quartz/sample.inp C:/kevra/quartz/sample_orig.inp

To mend: answer the directory path with backslashes (C:\kevra\quartz\), use data names and
suffixes without /, and run multikevra again.)"},
    {Finding::kQuote, "quote", kError, false,
     "a double quote in a data name or information ends tc's argument",
     R"(The run line hands tc its macro text as one argument in double quotes. A double quote
inside the data name or the information text closes that argument early: tc receives the text
cut in pieces, and the rest of the line, now outside quotes, is open to cmd's & | < > ^.

Example:
  tc C:\kevra\quartz\sample "macro filename {s01} macro information {TITLE "quartz" } #define GUI_LINES"

To mend: take the double quotes out of the list file or the information file and run
multikevra again.)"},
    {Finding::kInvalidName, "invalid-name", kError, false,
     "a name no Windows file can have (* ? < > | \" : tab, a device)",
     R"(Windows refuses * ? < > | and the double quote in file names, a colon anywhere but after
a drive letter, and the bytes 1 to 31 (a tab among them). A part whose text before the first
dot is CON, PRN, AUX, NUL, COM1-COM9 or LPT1-LPT9 (any case, any extension) names a device, not a
file. So tc is handed a data name no data file can have, a keep copy fails or goes to a device
(nul.hkl keeps nothing, con.hkl writes to the console), and on NTFS a kept name with a colon
writes a hidden stream of another file (run:1.xy.hkl). Neighbours such as com10.xy, conx.xy,
nul_a or lpt are fine.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\nul.hkl

To mend: rename the data file (or the folder) and correct the list file or the answers, or
change the suffix, and run multikevra again.)"},
    {Finding::kKeptCollision, "kept-collision", kError, false,
     "a keep copy onto an earlier keep line's file, which is lost",
     R"(A kept name is the data name followed by the suffix, cut to 20 characters, and Windows
ignores the case of letters and resolves . and .. in names. Two data names that agree in their
first 20 characters with the suffix, or differ only in case, make the same kept file: the later
copy overwrites the earlier one, and one entry's result is lost. The message names the earlier
line.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\quartz_series_0100K_
  ...
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\quartz_series_0100K_

To mend: make the data names or the suffixes differ within their first 20 characters (a
shorter common prefix, a shorter suffix) and run multikevra again.)"},
    {Finding::kOverwritesOwnFile, "overwrites-own-file", kError, false,
     "a keep copy onto a file the batch needs: input, output, data, script",
     R"(A keep line copies an output file to P N. When P N is a file the batch itself needs,
the copy spoils the batch: the sample input (the runs after it start from the copy), tc's
output file, the backup, an output file that a keep line copies, a data file (that raw data is
lost, or a later run reads the copy instead of its data), or the running script (cmd reads on in
the new file from the old position). The finding stands on the later of the two lines and names
the other.

Example (data name sample, suffix .inp):
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\sample.inp

To mend: change the data name or the suffix so that no kept name is one of these files, and
run multikevra again.)"},
    {Finding::kEmptyName, "empty-name", kError, false,
     "a run line with an empty data name: tc gets no data file",
     R"(A list file line that begins with a comma, or a blank line inside quotes, gives an empty
data name: the run line hands tc "macro filename {}", and that run has no data to refine.

Example:
  tc C:\kevra\quartz\sample "macro filename {} macro information { } #define GUI_LINES"

To mend: give the entry a name in the list file and run multikevra again.)"},
    {Finding::kEmptyInputName, "empty-input-name", kError, false,
     "the input name is empty: no run finds the sample input",
     R"(The input name question was answered with nothing: the backup copies "P.inp" and every
run starts tc on the directory path alone, so no run finds the sample input file.

Example:
  copy C:\kevra\quartz\.inp C:\kevra\quartz\_orig.inp

To mend: answer the input file name question with the sample's name (fewer than 20
characters, without .inp) and run multikevra again.)"},
    {Finding::kByteOrderMark, "byte-order-mark", kError, false,
     "a list or information file saved with a BOM: its bytes join a name",
     R"(Editors that save "UTF-8 with BOM" (Notepad, Excel) put the bytes EF BB BF at the start
of the file. multikevra copies the list and information files byte for byte, so those bytes
become the start of the first entry's data name or information text: tc is handed a name no
file has, or receives them in its argument.

Example (the list file's first line was s01):
  tc C:\kevra\quartz\sample "macro filename {\xEF\xBB\xBFs01} macro information { } #define GUI_LINES"

To mend: save the file as UTF-8 without BOM, or as ANSI, and run multikevra again.)"},
    {Finding::kMissingInput, "missing-input", kError, false,
     "(on Windows) the sample input file does not exist: every run fails",
     R"(The checker looks for P I.inp as cmd will, from the folder it runs in. When it is
missing, the backup fails and every run of tc starts without its input. When a folder in P
begins with the input name, the directory path probably lacks its final backslash
(D:\xrd\batch answered for D:\xrd\batch\): the message says so.

Example:
  copy D:\xrd\batchbase.inp D:\xrd\batchbase_orig.inp

To mend: correct the directory path (ending in \) or the input name and run multikevra again;
or run the check, and the batch, in kevra's main directory when the names are relative.)"},
    {Finding::kOverwritesBackup, "overwrites-backup", kWarning, false,
     "(on Windows) an old backup of the sample input will be replaced",
     R"(The script's first line copies the sample input to P I_orig.inp. When that backup is
there from an earlier batch, it is replaced with the sample input as it is now, which after a
chained batch is that batch's last result, not the original.

Example:
  copy C:\kevra\quartz\sample.inp C:\kevra\quartz\sample_orig.inp

To mend: move or rename the old backup before the batch runs, if it is the original you want
to keep.)"},
    {Finding::kCut, "cut", kWarning, false,
     "a value as long as multikevra cuts it (80, 20 or 180): probably cut",
     R"(multikevra keeps 80 characters of a data name, writes 20 of a kept name and reads 180
columns of an information line. A value of exactly that length was probably longer and cut: a
data name then names another file, a kept name lost its suffix in part or whole, an information
text lost its end.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\quartz_series_0100K_

To mend: use shorter data names or suffixes, or shorten the information line to 179
characters, and run multikevra again. If the value is whole as it stands, nothing is wrong.)"},
    {Finding::kDuplicateEntry, "duplicate-entry", kWarning, false,
     "a data name an earlier entry ran: the same data runs twice",
     R"(Two entries name the same data file (Windows ignores the case of letters, and resolves
. and .. in names): the batch refines the same data twice, and usually another entry was meant.
The message names the earlier run line.

Example:
  tc C:\kevra\quartz\sample "macro filename {s01} macro information { } #define GUI_LINES"
  ...
  tc C:\kevra\quartz\sample "macro filename {S01} macro information { } #define GUI_LINES"

To mend: check the list file. If the data is meant to run twice, --ignore duplicate-entry.)"},
    {Finding::kForeignLine, "foreign-line", kWarning, false,
     "a line multikevra does not write: checked only for its characters",
     R"(The line matches none of the lines multikevra writes with this script's directory path
and input name: the script was edited, or joined from two scripts. The checker does not know
what such a line means, so it looks only at what cmd does with its characters (%, & | < > ^,
bytes outside ASCII).

Example:
  echo starting the batch

To mend: nothing, if the edit was meant; otherwise write the script anew with multikevra.)"},
    {Finding::kNonAscii, "non-ascii", kWarning, false,
     "bytes outside ASCII: cmd may read them as other characters",
     R"(cmd reads a batch file in the console's code page (850, 437 or 1252 on most machines),
while the list file was written by an editor in its own encoding, often UTF-8. An accented
name (a u with umlaut is the two bytes C3 BC in UTF-8, and two other characters in code page
850) may then name another file than the one on disk, or pass other text to tc.

Example, with the bytes written as \xNN:
  tc C:\kevra\quartz\sample "macro filename {gr\xC3\xBCn01} macro information { } #define GUI_LINES"

To mend: rename the data files (and folders) with plain ASCII names, correct the list file and
run multikevra again.)"},
    {Finding::kNoTc, "no-tc", kError, false, "(on Windows) cmd finds no tc here: every run fails",
     R"(A run line starts "tc" without a folder or an extension. cmd looks for it as for any
command: in the current folder, then in each folder of PATH in order, trying in each folder
every extension of PATHEXT in its order (.COM;.EXE;.BAT;.CMD when PATHEXT is unset). When none
is found, every run line fails with "'tc' is not recognized as an internal or external
command", the keep lines copy nothing new, and the batch refines nothing. This happens when
the batch is started from another folder than kevra's main directory, and kevra is not on
PATH. The checker looks from the folder, and with the PATH, of the window it runs in.

Example:
  tc C:\kevra\quartz\sample "macro filename {qz_0100K} macro information { } #define GUI_LINES"

To mend: run the batch, and this check, from kevra's main directory (cd /d C:\kevra), or put
kevra's folder on PATH.)"},
    {Finding::kTcIsBatch, "tc-is-batch", kError, false,
     "(on Windows) the tc cmd finds first is a .bat or .cmd file: only one run starts",
     R"(When the first tc that cmd finds is a batch file (tc.bat or tc.cmd, as wrappers are
often installed), cmd runs it in place of the rest of multikevra.bat: a batch file started from
another without "call" never returns to it. The first run is the last line that runs: its
keep lines and every entry after it are silently skipped.

Example: C:	ools	c.bat found on PATH before the folder of tc.exe, for the line
  tc C:\kevra\quartz\sample "macro filename {qz_0100K} macro information { } #define GUI_LINES"

To mend: put the folder of tc.exe ahead of the batch file's on PATH, or run the batch from a
folder where tc is the program (kevra's main directory, where tc.exe comes first, as .EXE comes
before .BAT in PATHEXT).)"},
    {Finding::kMissingData, "missing-data", kWarning, false,
     "(on Windows) no file of the data name exists here: probably a typo",
     R"(No file of the entry's data name D exists, neither D itself nor D followed by a dot and
any extension, in the current folder or in the directory path. That run then reads no data and
writes no output, and its keep lines copy the previous run's output files under this entry's
names, where they look like results. It is a warning, not an error: kevra forms the data
file's name from the filename macro inside the input file, which the checker does not read;
but a name with no file of its stem anywhere is almost surely a typo or the wrong folder. A
data name that is a stem (qz_0100K beside qz_0100K.xye) is fine.

Example (the list file says qz_0150 for qz_0150K):
  tc C:\kevra\quartz\sample "macro filename {qz_0150} macro information { } #define GUI_LINES"

To mend: correct the list file and run multikevra again, or run the check in the folder the
batch runs from.)"},
    {Finding::kNoFolder, "no-folder", kError, false,
     "(on Windows) a kept file's folder does not exist: those copies fail",
     R"(A kept name with a folder in it (the list names raw\s01.xy, so the kept file is
P raw\s01.xy.hkl) makes the keep copy write into a folder under P. copy creates no folders:
when that folder does not exist, every copy into it fails with "The system cannot find the
path specified", and nothing is kept. Reported once per missing folder, on the first keep line
that needs it.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\raw\s01.xy.hkl

To mend: create the folder before the batch runs (mkdir C:\kevra\quartz\raw), or use data
names without a folder and run multikevra again.)"},
    {Finding::kCopyPrompts, "copy-prompts", kError, false,
     "(on Windows) COPYCMD=/-Y: copy asks before it replaces a file, and the batch waits",
     R"(copy replaces a file without asking in a batch file, unless the COPYCMD environment
variable holds /-Y (some users and administrators set it, so that copy asks at the prompt):
then copy asks "Overwrite ...? (Yes/No/All):" before it replaces a file that exists, and the
overnight batch waits at that question until someone answers. With chaining on, the first
chaining copy replaces the sample input, so the batch stops there; otherwise the backup line
asks when the backup exists, and a keep line when its kept file exists. Reported once, on the
first line that will ask. Where COPYCMD holds both /Y and /-Y, the last one counts.

Example, with COPYCMD=/-Y:
  copy C:\kevra\quartz\sample.out C:\kevra\quartz\sample.inp

To mend: type "set COPYCMD=" in the window that runs the batch, then run it from there.)"},
    {Finding::kReplacesKept, "replaces-kept", kWarning, false,
     "(on Windows) kept files of an earlier batch exist: this batch replaces them",
     R"(The kept files of an earlier batch are there (the batch runs again, or another batch
with the same data names and suffixes): this batch replaces them without a word, and the
earlier results are lost unless they were moved first. One warning for the whole script, on
the first keep line whose kept file exists, with the count: a rerun is often what was meant.

Example, a second run of the same batch:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\qz_0100K.hkl

To mend: move the earlier kept files to another folder first, if you want to keep them; if
the rerun is meant, --ignore replaces-kept.)"},
    {Finding::kNoBackup, "no-backup", kError, true,
     "the backup of the sample input does not exist after the batch",
     R"(After the batch, P I_orig.inp should hold the sample input as it was before. It is
missing: the backup line failed (a missing sample input, a name cmd could not copy), or the
file was moved since. With chaining on, the original sample input is lost: every run overwrote
it with its result.

Example:
  copy C:\kevra\quartz\sample.inp C:\kevra\quartz\sample_orig.inp

To mend: restore the sample input from elsewhere if chaining was on; run multikevra-check
before the next batch.)"},
    {Finding::kNotKept, "not-kept", kError, true,
     "a kept file is missing: its run made no output, or the copy failed",
     R"(A keep line's file P N is missing after the batch: the entry's run made no such output
file (it failed, or was stopped), or the copy itself failed. The message names the run line.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\qz_0200K.hkl

To mend: run that entry again (a list file with only the entries that failed).)"},
    {Finding::kStale, "stale", kWarning, true,
     "a kept file older than the script: this batch did not replace it",
     R"(The kept file exists but was last written before the script was: an earlier batch left
it, and this batch's copy did not replace it, because the run made no output file or the copy
failed.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\qz_0200K.hkl

To mend: run that entry again.)"},
    {Finding::kUnchangedOutput, "unchanged-output", kWarning, true,
     "a kept file with the entry before's bytes: its run probably failed",
     R"(The batch goes on after a failed run, and the failed entry's keep lines copy the output
files the previous run left, under the failed entry's names: they look like results. A kept
file with the same bytes as the same output's kept file of the entry before shows that.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\qz_0200K.hkl
holds the same bytes as qz_0150K.hkl, kept by the entry before.

To mend: run that entry again. If two entries really give the same file, nothing is wrong.)"},
}};

constexpr bool inOrder() {
  for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
    if (static_cast<std::size_t>(kCatalogue[i].finding) != i) return false;
  }
  return true;
}
static_assert(inOrder(), "the catalogue lists the findings in the order of Finding");

// The edit distance between `a` and `b` (letters added, dropped or changed).
std::size_t distance(std::string_view a, std::string_view b) {
  std::basic_string<std::size_t> costs(b.size() + 1, 0);
  for (std::size_t j = 0; j <= b.size(); ++j)
    costs[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = costs[0];
    costs[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = costs[j];
      costs[j] = std::min({above + 1, costs[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return costs[b.size()];
}

}  // namespace

std::span<const FindingInfo> allFindings() {
  return kCatalogue;
}

const FindingInfo& about(Finding finding) {
  return kCatalogue[static_cast<std::size_t>(finding)];
}

std::optional<Finding> findingOf(std::string_view tag) {
  for (const FindingInfo& info : kCatalogue) {
    if (info.tag == tag) return info.finding;
  }
  return std::nullopt;
}

std::string_view nearestTag(std::string_view text) {
  std::string_view nearest;
  std::size_t best = 3;  // more than two edits is no misspelling
  for (const FindingInfo& info : kCatalogue) {
    const std::size_t edits = distance(text, info.tag);
    if (edits < best) {
      best = edits;
      nearest = info.tag;
    }
  }
  return nearest;
}

}  // namespace mk::check
