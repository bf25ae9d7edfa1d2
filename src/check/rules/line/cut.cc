// cut: a value as long as multikevra keeps of it, so probably cut.
#include "check/rules/line/line_rule.h"

namespace mk::check {

constexpr std::size_t kDataNameWidth = 80;
constexpr std::size_t kKeptNameWidth = 20;
constexpr std::size_t kInformationWidth = 180;

// The length of `text` without a byte order mark it begins with, unless byte-order-mark tells.
static std::size_t lengthOf(std::string_view text, const Report& report) {
  const bool mark = startsWithByteOrderMark(text) && !report.ignores(kByteOrderMark);
  return text.size() - (mark ? 3 : 0);
}

static void findOnRun(const Line& line, Report& report) {
  std::vector<Fault> faults;
  const NamedValue* data = findValue(line.shape, ValueKind::kDataName);
  const NamedValue* information = findValue(line.shape, ValueKind::kInformation);
  if (lengthOf(data->text, report) == kDataNameWidth)
    faults.push_back(faultAt(line, offsetOf(line, data->text)));
  if (information != nullptr && lengthOf(information->text, report) == kInformationWidth &&
      information->text.back() != ' ')
    faults.push_back(faultAt(line, offsetOf(line, information->text)));
  reportFaults(
      report, line, kCut, faults,
      [](const Fault& fault) {
        return fault.value->kind == ValueKind::kDataName ? "has 80 characters"
                                                         : "has 180 characters";
      },
      [](const Fault&) { return "probably cut"; });
}

// A kept name of 20 characters: its data name fills it, or the suffix was cut. The suffix
// answer is the cause in the first entry, and in those after it when it was cut there.
static void findOnKeep(const Line& line, Report& report) {
  const NamedValue* kept = findValue(line.shape, ValueKind::kKeptName);
  if (lengthOf(kept->text, report) != kKeptNameWidth) return;
  const Cause suffixCause{Cause::Kind::kSuffix, line.slot, {}};
  const bool fits = line.entry != 0 && line.data.size() < kKeptNameWidth;
  if (fits && line.entry > 1 && report.reached(line, kCut, suffixCause)) return;
  const bool suffix = fits && line.entry == 1;
  report.add(line, kCut, suffix ? suffixCause : dataCause(line),
             "kept name " + inQuotes(kept->text) + (suffix ? "" : ofEntry(line)) +
                 " has 20 characters: suffix probably cut; " +
                 (suffix ? "shorten the suffix or data name" : "shorten the data name"));
}

static void find(const Script& /*script*/, const Line& line, Report& report) {
  if (line.kind() == LineKind::kRun) findOnRun(line, report);
  if (line.kind() == LineKind::kKeep) findOnKeep(line, report);
}

const LineRule kCut = {
    {"cut", Severity::kWarning,
     "a value as long as multikevra cuts it (80, 20 or 180): probably cut",
     R"(multikevra keeps 80 characters of a data name, writes 20 of a kept name and reads 180
columns of an information line. A value of exactly that length was probably longer and cut: a
data name then names another file, a kept name lost its suffix in part or whole (quartz_series_
0100K_ for quartz_series_0100K_a.hkl), an information text lost its end. A kept name cut in the
first entry is taken for the suffix's doing (one finding for all entries), one cut in later
entries only for their data names' (one each).

To mend: use shorter data names or suffixes, or shorten the information line to 179
characters, and run multikevra again. If the value is whole as it stands, nothing is wrong.)"},
    find};

}  // namespace mk::check
