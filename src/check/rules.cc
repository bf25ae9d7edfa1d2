#include "check/rules.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace mk::check {

constexpr std::array<const LineRule*, 16> kLineRules = {
    &kNoBackslash, &kPercent,       &kSplitName, &kSpecialChar, &kSlash,          &kPlus,
    &kQuote,       &kByteOrderMark, &kNonAscii,  &kInvalidName, &kEmptyInputName, &kEmptyName,
    &kCut,         &kForeignLine,   &kCutShort,  &kNoEntries,
};

constexpr std::array<const NamesRule*, 4> kNamesRules = {
    &kOverwritesOwnFile,
    &kDuplicateEntry,
    &kKeptCollision,
    &kNotText,
};

constexpr std::array<const MachineRule*, 10> kMachineRules = {
    &kMissingInput, &kOverwritesBackup, &kNoTc,        &kTcIsBatch, &kMissingData,
    &kNoFolder,     &kReplacesKept,     &kCopyPrompts, &kReadOnly,  &kNotAFile,
};

constexpr std::array<const AfterRule*, 6> kAfterRules = {
    &kNoBackup, &kNotKept, &kReplaced, &kStale, &kUnchangedOutput, &kNotChained,
};

// The edit distance between `a` and `b` (letters added, dropped or changed).
static std::size_t distance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> costs(b.size() + 1, 0);
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

std::span<const LineRule* const> lineRules() {
  return kLineRules;
}

std::span<const NamesRule* const> namesRules() {
  return kNamesRules;
}

std::span<const MachineRule* const> machineRules() {
  return kMachineRules;
}

std::span<const AfterRule* const> afterRules() {
  return kAfterRules;
}

std::span<const Rule* const> allRules() {
  static const std::vector<const Rule*> all = [] {
    std::vector<const Rule*> rules(kLineRules.begin(), kLineRules.end());
    rules.insert(rules.end(), kNamesRules.begin(), kNamesRules.end());
    rules.insert(rules.end(), kMachineRules.begin(), kMachineRules.end());
    rules.insert(rules.end(), kAfterRules.begin(), kAfterRules.end());
    return rules;
  }();
  return all;
}

bool isAfterRule(const Rule& rule) {
  return std::ranges::find(kAfterRules, &rule) != kAfterRules.end();
}

const Rule* ruleOf(std::string_view tag) {
  std::vector<const Rule*> begun;  // the rules whose tags begin with it
  for (const Rule* rule : allRules()) {
    if (rule->tag == tag) return rule;
    if (!tag.empty() && rule->tag.starts_with(tag)) begun.push_back(rule);
  }
  return begun.size() == 1 ? begun[0] : nullptr;
}

std::string_view nearestTag(std::string_view text) {
  std::string_view nearest;
  std::size_t best = 3;  // more than two edits is no misspelling
  for (const Rule* rule : allRules()) {
    const std::size_t edits = distance(text, rule->tag);
    if (edits < best) {
      best = edits;
      nearest = rule->tag;
    }
  }
  return nearest;
}

}  // namespace mk::check
