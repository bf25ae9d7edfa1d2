// The lines of the run script, defined once: multikevra writes them through these layouts and
// multikevra-check recognises a script's lines by matching them against the same layouts.
//
// P is the directory path, I the input name, D the data name, T the information text, O a
// kept output file's name and N its kept name (the README's table "The script's lines").
#pragma once

#include "recordio/layout.h"

namespace mk::script_lines {

// "copy P I.inp P I_orig.inp": the backup of the sample input, the script's first line.
inline constexpr Layout kBackup("('copy ',A,A,'.inp ',A,A,'_orig.inp')");

// "del P I.out": removes an old output, the second line.
inline constexpr Layout kDeleteOutput("('del ',A,A,'.out')");

// The run line of an entry without information: values P, I, D; the braces hold one blank.
inline constexpr Layout kRun(
    "('tc ',A,A,' \"macro filename {',A,'} macro information { } #define GUI_LINES\"')");

// The run line of an entry with information: values P, I, D, T (T keeps its final blank).
inline constexpr Layout kRunWithInformation(
    "('tc ',A,A,' \"macro filename {',A,'} macro information {',A,'} #define GUI_LINES\"')");

// "copy P I.out P I.inp": the chaining copy after a run.
inline constexpr Layout kChaining("('copy ',A,A,'.out ',A,A,'.inp')");

// "copy P O P N": one kept output file of an entry.
inline constexpr Layout kKeep("('copy ',A,A,' ',A,A)");

}  // namespace mk::script_lines
