// Name lookups on a second thread: the lines are read and matched on the calling thread, while
// the table of names, larger than the caches and so slow to reach, is kept by the other. On the
// 1M-entry script the two overlap: with the matching of LayoutMatcher, 0.40 s instead of 0.73 s.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "check/name_table.h"

namespace mk::check {

class NameQueue {
 public:
  struct Lookup {
    NameTable::Group group = NameTable::Group::kDataName;
    std::string_view name;
    std::uint64_t line = 0;
  };

  // Called on the calling thread, from collect() or drain(), for each name that an earlier
  // line already used: the lookup and that earlier line. Names come in the order pushed.
  using Found = std::function<void(const Lookup& lookup, std::uint64_t earlier)>;

  // Looks names up in `table`, which must outlive the queue and is used by the queue's own
  // thread only, from now on.
  NameQueue(NameTable& table, Found found);
  ~NameQueue();
  NameQueue(const NameQueue&) = delete;
  NameQueue& operator=(const NameQueue&) = delete;

  // Queues the lookup of `name` of `group` on `line` (lines in increasing order). Waits when
  // the other thread is far behind, so that memory stays bounded.
  void push(NameTable::Group group, std::string_view name, std::uint64_t line);

  // Has the table make room for `names` names before it looks up the names pushed after this.
  void reserve(std::size_t names);

  // Reports the finds of the lookups done so far; does not wait.
  void collect();

  // Completes every queued lookup and reports its finds. Rethrows what the other thread threw.
  void drain();

  // The line of the oldest lookup not yet reported, if any: the findings of the lines before
  // it are complete.
  [[nodiscard]] std::optional<std::uint64_t> oldestLine() const;

  // How many names were pushed.
  [[nodiscard]] std::uint64_t pushed() const { return pushed_; }

 private:
  // Names pushed one after the other, looked up together: handing over each name alone would
  // cost more than its lookup.
  struct Batch {
    struct Entry {
      NameTable::Group group = NameTable::Group::kDataName;
      std::uint64_t line = 0;
      std::size_t offset = 0;  // the name's bytes in `bytes`
      std::size_t size = 0;
      std::optional<std::uint64_t> earlier;  // filled by the lookup
    };
    std::size_t reserveFirst = 0;  // names to make room for first (0: none)
    std::vector<Entry> entries;
    std::string bytes;
  };

  static constexpr std::size_t kBatchNames = 4096;
  static constexpr std::size_t kMaxBatches = 8;  // handed over and not yet looked up

  void send();
  void work();
  void lookUp(Batch& batch);
  void reportDone();  // reports the batches in done_
  void report(const Batch& batch);

  NameTable& table_;
  Found found_;

  // The calling thread's own.
  Batch filling_;
  std::deque<std::uint64_t> sentFirstLines_;  // the first line of each batch sent, not reported
  // Batches reported, kept for reuse with their memory: allocating a batch's memory anew each
  // time cost the calling thread a tenth of its time in page faults (measured).
  std::vector<Batch> spare_;
  std::uint64_t pushed_ = 0;

  // Shared, under mutex_.
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Batch> waiting_;  // sent, not yet looked up
  std::deque<Batch> done_;     // looked up, not yet reported
  bool working_ = false;       // a batch is being looked up
  bool ending_ = false;
  std::exception_ptr failure_;
  std::vector<std::uint64_t> hashes_;  // the other thread's: the hashes of a batch's names
  // Batches put into done_ so far; read without the lock, so that collect() costs a line next
  // to nothing while no batch is done.
  std::atomic<std::uint64_t> doneCount_ = 0;
  std::uint64_t collectedCount_ = 0;  // the calling thread's

  std::thread worker_;  // last: starts when everything above is ready
};

}  // namespace mk::check
