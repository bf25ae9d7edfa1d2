// Record layouts: the fixed description of one write or read statement.
//
// A layout is written once, as text, and parsed at compile time. The same text is what the
// fatal diagnostic shows on its "last format:" line. The notation:
//
//   'text'   literal text, written unchanged (a literal cannot hold an apostrophe)
//   A        a value: the next value's characters, exactly its length
//   Aw       a field of width w, filled by a read from the next w characters of the line
//   /        a record break: ends the current record with a line end
//   $        the open-line marker, last only: the last record gets no line end and the
//            stream is flushed, so a prompt is visible before the program waits for input
//
// Items are separated by commas; a record break needs none. The whole list stands in
// parentheses, for example ('copy ',A,A,'.inp ',A,A,'_orig.inp') or (A132).
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace mk {

class Layout {
 public:
  enum class Kind : unsigned char { kLiteral, kValue, kField, kBreak, kOpenLine };

  struct Item {
    Kind kind = Kind::kLiteral;
    std::string_view text;  // the literal's characters
    int width = 0;          // the field's width
  };

  static constexpr std::size_t kMaxItems = 32;

  // Parses `text`; a malformed layout is a compile-time error for a constexpr layout.
  constexpr explicit Layout(std::string_view text) : text_(text) { parse(); }

  constexpr std::string_view text() const { return text_; }
  constexpr std::span<const Item> items() const { return {items_.data(), count_}; }
  constexpr int valueCount() const { return values_; }

  // The width of the layout's only field; 0 when it has none.
  constexpr int fieldWidth() const { return fieldWidth_; }

  // True when the layout ends with the open-line marker.
  constexpr bool endsOpen() const {
    return count_ > 0 && items_[count_ - 1].kind == Kind::kOpenLine;
  }
  // The bytes of all literals, and how many line ends a write writes.
  constexpr std::size_t literalSize() const { return literalSize_; }
  constexpr std::size_t lineEndCount() const { return breaks_ + (endsOpen() ? 0 : 1); }

 private:
  constexpr void add(Item item) {
    if (count_ == kMaxItems) throw "record layout: too many items";
    if (count_ > 0 && items_[count_ - 1].kind == Kind::kOpenLine) {
      throw "record layout: the open-line marker must come last";
    }
    items_[count_++] = item;
  }

  constexpr void parse() {
    if (text_.size() < 2 || text_.front() != '(' || text_.back() != ')') {
      throw "record layout: must stand in parentheses";
    }
    const std::string_view body = text_.substr(1, text_.size() - 2);
    std::size_t at = 0;
    while (at < body.size()) {
      const char c = body[at];
      if (c == ',') {
        ++at;
      } else if (c == '/') {
        add({Kind::kBreak, {}, 0});
        ++breaks_;
        ++at;
      } else if (c == '$') {
        add({Kind::kOpenLine, {}, 0});
        ++at;
      } else if (c == '\'') {
        const std::size_t close = body.find('\'', at + 1);
        if (close == std::string_view::npos) throw "record layout: unclosed literal";
        add({Kind::kLiteral, body.substr(at + 1, close - at - 1), 0});
        literalSize_ += close - at - 1;
        at = close + 1;
      } else if (c == 'A') {
        int width = 0;
        for (++at; at < body.size() && body[at] >= '0' && body[at] <= '9'; ++at) {
          width = width * 10 + (body[at] - '0');
        }
        if (width == 0) {
          add({Kind::kValue, {}, 0});
          ++values_;
        } else {
          if (fieldWidth_ != 0) throw "record layout: at most one field";
          add({Kind::kField, {}, width});
          fieldWidth_ = width;
        }
      } else {
        throw "record layout: unknown item";
      }
    }
  }

  std::string_view text_;
  std::array<Item, kMaxItems> items_{};
  std::size_t count_ = 0;
  int values_ = 0;
  int fieldWidth_ = 0;
  std::size_t literalSize_ = 0;
  std::size_t breaks_ = 0;
};

}  // namespace mk
