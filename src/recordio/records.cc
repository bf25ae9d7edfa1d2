#include "recordio/records.h"

#include <algorithm>
#include <cassert>

#include "recordio/statement.h"
#include "recordio/text_field.h"
#include "recordio/unit_table.h"

namespace mk {

namespace {

// Hands the bytes of the records that `layout` describes, in order, to `emit`.
template <typename Emit>
void composeRecords(const Layout& layout, std::initializer_list<std::string_view> values,
                    std::string_view lineEnd, Emit&& emit) {
  const std::string_view* value = values.begin();
  for (const Layout::Item& item : layout.items()) {
    switch (item.kind) {
      case Layout::Kind::kLiteral:
        emit(item.text);
        break;
      case Layout::Kind::kValue:
        emit(*value++);
        break;
      case Layout::Kind::kBreak:
        emit(lineEnd);
        break;
      case Layout::Kind::kOpenLine:
      case Layout::Kind::kField:
        break;
    }
  }
  if (!layout.endsOpen()) emit(lineEnd);
}

}  // namespace

void writeRecords(int unit, const Layout& layout, std::initializer_list<std::string_view> values) {
  assert(static_cast<int>(values.size()) == layout.valueCount());
  beginRecordStatement(unit, layout.text(), /*reading=*/false);
  beginWriting(unit);
  Unit& out = unitAt(unit);
  const std::string_view lineEnd = out.lineEnd();

  // The records go straight into the output buffer, in one piece when they fit.
  std::size_t size = layout.literalSize() + layout.lineEndCount() * lineEnd.size();
  for (const std::string_view value : values)
    size += value.size();
  if (char* at = out.reserve(size)) {
    composeRecords(layout, values, lineEnd, [&at](std::string_view bytes) {
      copyBytes(at, bytes.data(), bytes.size());
      at += bytes.size();
    });
    out.commit(at);
  } else {
    composeRecords(layout, values, lineEnd, [&out](std::string_view bytes) { out.put(bytes); });
  }
  if (layout.endsOpen()) out.flush();
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
  const Unit::LineTake take = in.takeLine(target.data(), width, taken);
  if (take == Unit::LineTake::kEndOfInput) {
    in.markAtEnd();
    fatalIo(IoError::endOfFile(), "fmt");
  }
  if (taken < target.size())
    std::fill(target.begin() + static_cast<std::ptrdiff_t>(taken), target.end(), kBlank);
  if (take == Unit::LineTake::kFull && !in.skipLine()) in.markAtEnd();
  endRecordStatement();
}

}  // namespace mk
