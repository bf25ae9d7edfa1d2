// Fixed-width text fields and the small operations on them.
//
// A text field always holds exactly N bytes; positions not covered by text hold blanks (the
// space character only). Assigning cuts or blank-pads, comparing treats the shorter text as
// extended with blanks. Characters are bytes, passed through unchanged: tab, NUL and carriage
// return are ordinary characters for every rule here.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

namespace mk {

inline constexpr char kBlank = ' ';

// A text value of fixed length N, blank-padded on the right. A new field is all blanks.
template <std::size_t N>
class TextField {
  static_assert(N >= 1, "a text field holds at least one character");

 public:
  TextField() { chars_.fill(kBlank); }

  // Convenience for tests and constants: the field assigned from `text`.
  explicit TextField(std::string_view text);

  static constexpr std::size_t size() { return N; }
  std::string_view view() const { return {chars_.data(), N}; }
  std::span<char> span() { return chars_; }
  operator std::string_view() const { return view(); }

 private:
  std::array<char, N> chars_;
};

// The length of `field` without its trailing blanks: 0 for an all-blank field.
int trimmedLength(std::string_view field);

// `field` without its trailing blanks (positions 1 to trimmedLength).
std::string_view trimmedValue(std::string_view field);

// Positions `first` to `last` of `field`, counted from 1, both included. A range whose end lies
// before its start is empty (so `last` may be first - 1, or -1 for "nothing"). The range must
// otherwise lie inside the field.
std::string_view substring(std::string_view field, int first, int last);

// The first position (from 1) at which `search` begins inside `field`; 0 when it occurs nowhere
// or is longer than the field.
int indexOf(std::string_view field, std::string_view search);

// Overwrites `target` with `source`, cut to the target's length or padded with blanks. `source`
// may overlap `target` (for example a leading substring of the target itself).
void assignText(std::span<char> target, std::string_view source);

// Lays `sources` one after the other into `target` from its first position; the first source
// that does not fit is cut where the target is full and later ones are dropped; the rest of the
// target becomes blanks. Sources may overlap the target: the result is built apart first.
void concatText(std::span<char> target, std::initializer_list<std::string_view> sources);

// True when `a` and `b` agree over the shorter length and every remaining character of the
// longer one is a blank.
bool equalText(std::string_view a, std::string_view b);

template <std::size_t N>
TextField<N>::TextField(std::string_view text) {
  assignText(chars_, text);
}

}  // namespace mk
