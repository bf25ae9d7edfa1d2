// cut: a value as long as multikevra keeps of it, so probably cut.
#include "check/rules/line/line_rule.h"

namespace mk::check {

constexpr std::size_t kDataNameWidth = 80;
constexpr std::size_t kKeptNameWidth = 20;
constexpr std::size_t kInformationWidth = 180;

// A value that begins with a byte order mark: its length follows from byte-order-mark.
static Finding& findingOf(Findings& found, const Line& line, const NamedValue& value) {
  if (!startsWithByteOrderMark(value.text)) return found.front();
  Finding& finding = found.emplace_back();
  finding.follows.emplace_back(&kByteOrderMark, faultAt(line, offsetOf(line, value.text)).cause);
  return finding;
}

static void findOnRun(const Line& line, Findings& found) {
  const NamedValue* data = findValue(line.shape, ValueKind::kDataName);
  const NamedValue* information = findValue(line.shape, ValueKind::kInformation);
  if (data->text.size() == kDataNameWidth) {
    addFault(findingOf(found, line, *data), line, offsetOf(line, data->text), "has 80 characters",
             "probably cut");
  }
  if (information != nullptr && information->text.size() == kInformationWidth &&
      information->text.back() != ' ') {
    addFault(findingOf(found, line, *information), line, offsetOf(line, information->text),
             "has 180 characters", "probably cut");
  }
}

// A kept name of 20 characters: its data name fills it, or the suffix was cut. The suffix
// answer is the cause in the first entry, and in those after it when it was cut there.
static void findOnKeep(const Line& line, Findings& found) {
  const NamedValue* kept = findValue(line.shape, ValueKind::kKeptName);
  if (kept->text.size() != kKeptNameWidth) return;
  const Cause suffixCause{Cause::Kind::kSuffix, line.slot, {}};
  const bool fits = line.entry != 0 && line.data.size() < kKeptNameWidth;
  const bool suffix = fits && line.entry == 1;
  const Cause cause = suffix ? suffixCause : dataCause(line);
  Finding finding =
      Finding::of("kept name " + inQuotes(kept->text) + (suffix ? "" : ofEntry(line)) +
                      " has 20 characters: suffix probably cut; " +
                      (suffix ? "shorten the suffix or data name" : "shorten the data name"),
                  cause);
  if (startsWithByteOrderMark(kept->text))
    finding.follows.emplace_back(&kByteOrderMark, dataCause(line));
  if (fits && line.entry > 1) finding.reachesOnly = suffixCause;
  found.push_back(std::move(finding));
}

static void find(const Line& line, const Context& /*context*/, Findings& found) {
  found.emplace_back();  // the values cut, but those following from a byte order mark
  if (line.kind() == LineKind::kRun) findOnRun(line, found);
  if (line.kind() == LineKind::kKeep) findOnKeep(line, found);
}

const Rule kCut = {
    {"cut", Severity::kWarning, Room::kLine,
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
