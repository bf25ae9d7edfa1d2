#include "check/rules.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace mk::check {

#define MK_CHECK_ADDRESS(name) &(name),
constexpr std::array kRules = {MK_CHECK_RULES(MK_CHECK_ADDRESS)};
#undef MK_CHECK_ADDRESS

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

std::span<const Rule* const> allRules() {
  return kRules;
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
