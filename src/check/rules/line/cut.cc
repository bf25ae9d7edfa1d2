// cut: a value as long as multikevra keeps of it, so probably cut.
#include "check/rules/line/line_rule.h"

namespace mk::check {

constexpr std::size_t kDataNameWidth = 80;
constexpr std::size_t kKeptNameWidth = 20;
constexpr std::size_t kInformationWidth = 180;

static void findOnRun(const Line& line, Report& report) {
  const std::string_view data = line.value(ValueKind::kDataName);
  const std::string_view information = line.value(ValueKind::kInformation);
  const bool dataCut = data.size() == kDataNameWidth;
  const bool informationCut = information.size() == kInformationWidth && information.back() != ' ';
  if (!dataCut && !informationCut) return;
  std::string message;
  if (dataCut) message = "data name " + inQuotes(data) + " has 80 characters";
  if (informationCut) message += dataCut ? " and the information 180" : "the information has 180";
  message += dataCut && informationCut ? ", all multikevra keeps: both probably cut"
                                       : ", all multikevra keeps: probably cut";
  report.add(line.number, kCut, message);
}

static void find(const Script& /*script*/, const Line& line, Report& report) {
  if (line.kind() == LineKind::kRun) findOnRun(line, report);
  if (line.kind() != LineKind::kKeep) return;
  const std::string_view kept = line.value(ValueKind::kKeptName);
  if (kept.size() != kKeptNameWidth) return;
  report.add(line.number, kCut,
             "kept name " + inQuotes(kept) +
                 " has 20 characters, all multikevra writes: its suffix is probably cut");
}

const LineRule kCut = {
    {"cut", Severity::kWarning,
     "a value as long as multikevra cuts it (80, 20 or 180): probably cut",
     R"(multikevra keeps 80 characters of a data name, writes 20 of a kept name and reads 180
columns of an information line. A value of exactly that length was probably longer and cut: a
data name then names another file, a kept name lost its suffix in part or whole, an information
text lost its end.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\quartz_series_0100K_

To mend: use shorter data names or suffixes, or shorten the information line to 179
characters, and run multikevra again. If the value is whole as it stands, nothing is wrong.)"},
    find};

}  // namespace mk::check
