#include "recordio/free_form.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>

#include "recordio/statement.h"
#include "recordio/text_field.h"
#include "recordio/unit_table.h"

namespace mk {

namespace {

bool isWhite(int c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool isSeparator(int c) {
  return isWhite(c) || c == ',' || c == '/';
}
bool isDigit(int c) {
  return c >= '0' && c <= '9';
}
bool isQuote(int c) {
  return c == '\'' || c == '"';
}

// The bytes that end an unquoted text when read raw: the separators, and a carriage return,
// which may begin a line end.
constexpr std::array<bool, 256> kUnquotedStops = [] {
  std::array<bool, 256> stops{};
  for (const unsigned char c : {' ', '\t', '\n', ',', '/', '\r'})
    stops[c] = true;
  return stops;
}();

[[noreturn]] void failItem(LayerError error, std::string_view context) {
  fatalIo(IoError::layer(error), context);
}

// Starts the statement and finds the item: skips blanks, tabs and line ends. Returns false
// for a lone comma or slash (nothing is stored); otherwise the item's first character is next.
bool findItem(int unit, Unit& in) {
  beginListStatement(unit);
  beginReading(unit);
  if (in.atEnd()) fatalIo(IoError::endOfFile(), "read start");
  for (;;) {
    const int c = in.peek();
    if (c == kEndOfInput) {
      in.markAtEnd();
      fatalIo(IoError::endOfFile(), "list in");
    }
    if (!isWhite(c)) {
      if (c != ',' && c != '/') return true;
      in.get();
      return false;
    }
    in.get();
  }
}

// Ends the statement: everything after the item on its line is dropped unread.
void finishStatement(Unit& in) {
  if (!in.skipLine()) {
    if (in.readError() != 0) fatalIo(IoError::system(in.readError()), "list in");
    in.markAtEnd();
  }
  endListStatement();
}

std::optional<std::int32_t> readInteger(Unit& in) {
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 31;  // |INT32_MIN|
  bool afterCount = false;
  for (;;) {
    bool negative = false;
    int c = in.peek();
    if (c == '+' || c == '-') {
      negative = c == '-';
      in.get();
      c = in.peek();
    }
    bool anyDigit = false;  // leading zeros count
    bool significant = false;
    std::uint64_t magnitude = 0;
    for (; isDigit(c); in.get(), c = in.peek()) {
      anyDigit = true;
      significant = significant || c != '0';
      if (magnitude <= kLimit) magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
    }

    if (c == '*') {  // a repeat count: only decides whether a value follows
      if (!significant || negative) {
        failItem(LayerError::kIncomprehensibleListInput, "bad repetition count");
      }
      in.get();
      afterCount = true;
      if (isWhite(in.peek())) return std::nullopt;
      continue;
    }
    const bool exponentOrSign =
        c == 'D' || c == 'E' || c == 'd' || c == 'e' || c == '+' || c == '-';
    if (c == '.' || (anyDigit && exponentOrSign)) {
      failItem(LayerError::kReadUnexpectedCharacter, "invalid integer");
    }
    if (!anyDigit) {
      if (c == ',' || c == '/' || (afterCount && isWhite(c))) return std::nullopt;
      failItem(LayerError::kIncomprehensibleListInput, "invalid number");
    }
    if (magnitude > (negative ? kLimit : kLimit - 1)) {
      failItem(LayerError::kIntegerOutOfRange, "invalid integer");
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
  }
}

// The value of a text item while it is collected. Only the first `keep` characters are held
// (the target field cannot take more), so memory stays bounded however long the item is.
class TextValue {
 public:
  explicit TextValue(std::size_t keep) : held_(buffer()), keep_(keep) {
    if (held_.size() < keep) {
      try {
        held_.resize(keep);
      } catch (const std::bad_alloc&) {
        failItem(LayerError::kOutOfFreeSpace, "no space");
      }
    }
  }

  void add(int c) {
    if (length_ < keep_) held_[length_] = static_cast<char>(c);
    ++length_;
    last_ = c;
  }
  void add(std::string_view text) {
    if (text.empty()) return;
    if (length_ < keep_) {
      const std::size_t kept = std::min(text.size(), keep_ - length_);
      std::memcpy(held_.data() + length_, text.data(), kept);
    }
    length_ += text.size();
    last_ = static_cast<unsigned char>(text.back());
  }
  void clear() { length_ = 0; }

  // At a line end inside quotes: a backslash stored last becomes a line feed.
  void lineEndInQuotes() {
    if (length_ == 0 || last_ != '\\') return;
    if (length_ <= keep_) held_[length_ - 1] = '\n';
    last_ = '\n';
  }

  void storeInto(std::span<char> target) const {
    assignText(target, std::string_view(held_).substr(0, std::min(length_, keep_)));
  }

 private:
  // Reused from item to item: a list of a million names allocates once.
  static std::string& buffer() {
    static std::string kept;
    return kept;
  }

  std::string& held_;
  std::size_t keep_;
  std::size_t length_ = 0;
  int last_ = 0;
};

void readUnquoted(Unit& in, TextValue& value) {
  for (;;) {
    const std::string_view ahead = in.ahead();
    std::size_t length = 0;
    while (length < ahead.size() && !kUnquotedStops[static_cast<unsigned char>(ahead[length])]) {
      ++length;
    }
    value.add(ahead.substr(0, length));
    in.skip(length);
    if (length == ahead.size()) {
      if (ahead.empty()) return;  // the end of input ends the text
      continue;
    }
    if (ahead[length] != '\r' || in.peek() == '\n') return;  // a separator, or CR LF
    value.add(in.get());  // a carriage return on its own is part of the text
  }
}

void readQuoted(Unit& in, TextValue& value) {
  const int quote = in.get();
  for (;;) {
    const int c = in.get();
    if (c == kEndOfInput) {
      in.markAtEnd();
      fatalIo(IoError::endOfFile(), "list in");
    }
    if (c == quote) {
      if (in.peek() != quote) return;
      in.get();
      value.add(quote);
    } else if (c == '\n') {
      value.lineEndInQuotes();
    } else {
      value.add(c);
    }
  }
}

// Reads the text item whose first character is next. Returns false for a null value.
bool readText(Unit& in, TextValue& value) {
  int c = in.peek();
  if (isDigit(c)) {
    bool nonzero = false;
    for (; isDigit(c); c = in.peek()) {
      nonzero = nonzero || c != '0';
      value.add(in.get());
    }
    if (c == kEndOfInput || isSeparator(c)) return true;  // the digits are the text
    if (c != '*' || !nonzero) {
      readUnquoted(in, value);  // a text that begins with digits
      return true;
    }
    in.get();  // a repeat count: the value follows
    value.clear();
    c = in.peek();
    if (c == kEndOfInput || isSeparator(c)) return false;
  }
  if (isQuote(c)) {
    readQuoted(in, value);
  } else {
    readUnquoted(in, value);
  }
  return true;
}

}  // namespace

void readItem(int unit, std::int32_t& target) {
  Unit& in = unitAt(unit);
  if (findItem(unit, in)) {
    if (const std::optional<std::int32_t> value = readInteger(in)) target = *value;
  }
  finishStatement(in);
}

void readItem(int unit, std::span<char> target) {
  Unit& in = unitAt(unit);
  if (findItem(unit, in)) {
    TextValue value(target.size());
    if (readText(in, value)) value.storeInto(target);
  }
  finishStatement(in);
}

}  // namespace mk
