#include "script/information.h"

#include <algorithm>

#include "recordio/text_field.h"

namespace mk {

std::string_view informationText(std::string_view line) {
  // Of any 13 consecutive columns exactly one is a probe (every 13th column), so a run of 13
  // blanks always covers a probe. Only at a blank probe is the run around it measured; the
  // next probe then lies 13 columns past the run's end.
  const std::size_t size = line.size();
  std::size_t probe = kInformationEndRun - 1;
  while (probe < size) {
    if (line[probe] != kBlank) {
      probe += kInformationEndRun;
      continue;
    }
    std::size_t start = probe;
    while (start > 0 && line[start - 1] == kBlank)
      --start;
    std::size_t end = probe + 1;
    while (end < size && line[end] == kBlank)
      ++end;
    if (end - start >= kInformationEndRun) return line.substr(0, start + 1);
    probe = end + kInformationEndRun;
  }
  // No run inside the line: the columns past its end count as blanks.
  std::size_t blanks = 0;
  while (blanks < size && line[size - 1 - blanks] == kBlank)
    ++blanks;
  return line.substr(0, std::min(size, size - blanks + 1));
}

}  // namespace mk
