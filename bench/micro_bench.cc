// Microbenchmarks of the hot paths of one entry: reading its name and information line,
// finding the end of the information text, and writing its run line.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "recordio/free_form.h"
#include "recordio/memory_channel.h"
#include "recordio/records.h"
#include "recordio/text_field.h"
#include "recordio/unit_table.h"
#include "script/information.h"

namespace mk {
namespace {

// Offers the same block of lines again and again; swallows what is written.
class EndlessChannel : public MemoryChannel {
 public:
  explicit EndlessChannel(std::string block) : block_(std::move(block)) {}
  long read(char* dest, std::size_t size) override {
    std::size_t given = 0;
    while (given < size) {
      const std::size_t count = std::min(size - given, block_.size() - at_);
      std::memcpy(dest + given, block_.data() + at_, count);
      given += count;
      at_ = (at_ + count) % block_.size();
    }
    return static_cast<long>(given);
  }
  long write(const char* /*src*/, std::size_t size) override { return static_cast<long>(size); }

 private:
  std::string block_;
  std::size_t at_ = 0;
};

constexpr int kUnit = 7;

void connectEndless(std::string block, bool writing) {
  resetUnitTable();
  connectUnit(kUnit, std::make_unique<EndlessChannel>(std::move(block)),
              writing ? Access::kWriteOnly : Access::kReadOnly, writing, "\r\n");
}

std::string lines(const std::string& line, int count) {
  std::string block;
  for (int i = 0; i < count; ++i)
    block += line + "\n";
  return block;
}

const std::string kInformation =
    "TEMP 150 WL 0.70930 2TH 5 120 STEP 0.01" + std::string(14, ' ') + "operator note 7";

void BM_TextItem(benchmark::State& state) {
  connectEndless(lines("  scan0000042   trailing words", 1000), false);
  TextField<80> name;
  for (auto _ : state) {
    readItem(kUnit, name.span());
    benchmark::DoNotOptimize(name);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextItem);

void BM_QuotedTextItem(benchmark::State& state) {
  connectEndless(lines("'C:\\data\\run 42\\scan0000042.xy'", 1000), false);
  TextField<80> name;
  for (auto _ : state) {
    readItem(kUnit, name.span());
    benchmark::DoNotOptimize(name);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_QuotedTextItem);

// Whole-line reads of 180 columns, of lines shorter (padded) and longer (cut) than that.
void BM_WholeLineRead180(benchmark::State& state) {
  connectEndless(lines(std::string(static_cast<std::size_t>(state.range(0)), 'x'), 1000), false);
  constexpr Layout kLine("(A180)");
  TextField<180> line;
  for (auto _ : state) {
    readRecord(kUnit, kLine, line.span());
    benchmark::DoNotOptimize(line);
  }
  state.SetBytesProcessed(state.iterations() * (state.range(0) + 1));
}
BENCHMARK(BM_WholeLineRead180)->Arg(70)->Arg(180)->Arg(4000);

void BM_InformationEndColumn(benchmark::State& state) {
  const TextField<180> typical(kInformation);
  // The worst case: single blanks all along, no run of 13 anywhere.
  std::string sparse;
  while (sparse.size() < 180)
    sparse += "a ";
  const TextField<180> noRun(sparse);
  const TextField<180>& line = state.range(0) == 0 ? typical : noRun;
  for (auto _ : state)
    benchmark::DoNotOptimize(informationText(line));
}
BENCHMARK(BM_InformationEndColumn)->Arg(0)->Arg(1);

void BM_RunLineWrite(benchmark::State& state) {
  connectEndless("x", true);
  constexpr Layout kRunLine(
      "('tc ',A,A,' \"macro filename {',A,'} macro information {',A,'} #define GUI_LINES\"')");
  const TextField<180> information(kInformation);
  const std::string_view text = informationText(information);
  std::int64_t bytes = 0;
  for (auto _ : state) {
    writeRecords(kUnit, kRunLine, {"C:\\lab\\batch\\", "sample", "scan0000042", text});
    bytes += 102;
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_RunLineWrite);

}  // namespace
}  // namespace mk

BENCHMARK_MAIN();
