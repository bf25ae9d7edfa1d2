#include "recordio/records.h"

#include <algorithm>
#include <cassert>

#include "recordio/statement.h"
#include "recordio/text_field.h"
#include "recordio/unit_table.h"

namespace mk {

void writeRecords(int unit, const Layout& layout, std::initializer_list<std::string_view> values) {
  assert(static_cast<int>(values.size()) == layout.valueCount());
  beginRecordStatement(unit, layout.text(), /*reading=*/false);
  beginWriting(unit);
  Unit& out = unitAt(unit);
  const std::string_view* value = values.begin();
  bool openLine = false;
  for (const Layout::Item& item : layout.items()) {
    switch (item.kind) {
      case Layout::Kind::kLiteral:
        out.put(item.text);
        break;
      case Layout::Kind::kValue:
        out.put(*value++);
        break;
      case Layout::Kind::kBreak:
        out.put(out.lineEnd());
        break;
      case Layout::Kind::kOpenLine:
        openLine = true;
        break;
      case Layout::Kind::kField:
        break;
    }
  }
  if (openLine) {
    out.flush();
  } else {
    out.put(out.lineEnd());
  }
  if (out.writeError() != 0 && out.named()) fatalIo(IoError::system(out.writeError()), "write");
  out.setLastWriteLayout(layout.text());
  endRecordStatement();
}

void readRecord(int unit, const Layout& layout, std::span<char> target) {
  const auto width = static_cast<std::size_t>(layout.fieldWidth());
  assert(width > 0 && width <= target.size());
  beginRecordStatement(unit, layout.text(), /*reading=*/true);
  beginReading(unit);
  Unit& in = unitAt(unit);
  if (in.atEnd()) fatalIo(IoError::endOfFile(), "read start");

  std::size_t taken = 0;
  bool lineEnded = false;
  while (taken < width) {
    const int c = in.get();
    if (c == kEndOfInput) {
      in.markAtEnd();
      fatalIo(IoError::endOfFile(), "fmt");
    }
    if (c == '\n') {
      lineEnded = true;
      break;
    }
    target[taken++] = static_cast<char>(c);
  }
  std::fill(target.begin() + static_cast<std::ptrdiff_t>(taken), target.end(), kBlank);
  if (!lineEnded && !in.skipLine()) in.markAtEnd();
  endRecordStatement();
}

}  // namespace mk
