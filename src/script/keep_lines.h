// Keep lines: after every run, copies of chosen output files under names formed from the
// entry's data name.
#pragma once

#include <span>
#include <string_view>

#include "dialogue/run_settings.h"

namespace mk {

// The name a kept output file gets: `dataName` followed directly by the whole 20-character
// `suffix` field, cut to 20 characters (so a long data name loses the suffix), trimmed.
// `storage` holds the result.
std::string_view keptName(std::string_view dataName, const TextField<20>& suffix,
                          TextField<20>& storage);

// Writes one keep line per rename pair of `renames`, in table order, for the entry named
// `dataName`: "copy " path output-file " " path kept-name, where `path` is the trimmed
// directory path.
void writeKeepLines(std::string_view path, std::span<const RenamePair> renames,
                    std::string_view dataName);

}  // namespace mk
