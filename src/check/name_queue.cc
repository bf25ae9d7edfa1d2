#include "check/name_queue.h"

#include <utility>

namespace mk::check {

namespace {

// How many names ahead of its lookup a name's place in the table is fetched: fetching the
// places of several names at once is faster than one after the other (about twice, measured).
constexpr std::size_t kPrefetchAhead = 32;

}  // namespace

NameQueue::NameQueue(NameTable& table, Found found)
    : table_(table), found_(std::move(found)), worker_([this] { work(); }) {}

NameQueue::~NameQueue() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

void NameQueue::push(NameTable::Group group, std::string_view name, std::uint64_t line) {
  if (filling_.entries.capacity() == 0) filling_.entries.reserve(kBatchNames);
  filling_.entries.push_back({group, line, filling_.bytes.size(), name.size(), std::nullopt});
  filling_.bytes.append(name);
  ++pushed_;
  if (filling_.entries.size() == kBatchNames) send();
}

void NameQueue::reserve(std::size_t names) {
  if (filling_.entries.empty()) {
    filling_.reserveFirst = names;
  } else {
    send();
    filling_.reserveFirst = names;
  }
}

void NameQueue::send() {
  if (filling_.entries.empty() && filling_.reserveFirst == 0) return;
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return waiting_.size() < kMaxBatches || failure_; });
  sentFirstLines_.push_back(filling_.entries.empty() ? 0 : filling_.entries.front().line);
  Batch next;
  if (!spare_.empty()) {
    next = std::move(spare_.back());
    spare_.pop_back();
  }
  waiting_.push_back(std::exchange(filling_, std::move(next)));
  lock.unlock();
  changed_.notify_all();
}

void NameQueue::collect() {
  if (doneCount_.load(std::memory_order_acquire) != collectedCount_) reportDone();
}

void NameQueue::reportDone() {
  std::deque<Batch> done;
  {
    const std::lock_guard lock(mutex_);
    if (failure_) std::rethrow_exception(failure_);
    done.swap(done_);
  }
  collectedCount_ += done.size();
  for (Batch& batch : done) {
    report(batch);
    sentFirstLines_.pop_front();
    batch.reserveFirst = 0;
    batch.entries.clear();
    batch.bytes.clear();
    spare_.push_back(std::move(batch));
  }
}

void NameQueue::drain() {
  send();
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return (waiting_.empty() && !working_) || failure_; });
  }
  reportDone();
}

std::optional<std::uint64_t> NameQueue::oldestLine() const {
  for (const std::uint64_t line : sentFirstLines_) {
    if (line != 0) return line;
  }
  if (!filling_.entries.empty()) return filling_.entries.front().line;
  return std::nullopt;
}

void NameQueue::report(const Batch& batch) {
  for (const Batch::Entry& entry : batch.entries) {
    if (!entry.earlier) continue;
    const Lookup lookup{entry.group, std::string_view(batch.bytes).substr(entry.offset, entry.size),
                        entry.line};
    found_(lookup, *entry.earlier);
  }
}

void NameQueue::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return !waiting_.empty() || ending_; });
    if (waiting_.empty()) return;
    Batch batch = std::move(waiting_.front());
    waiting_.pop_front();
    working_ = true;
    lock.unlock();
    changed_.notify_all();  // room for the next batch
    std::exception_ptr failure;
    try {
      lookUp(batch);
    } catch (...) {
      failure = std::current_exception();
    }
    lock.lock();
    working_ = false;
    if (failure) failure_ = failure;
    done_.push_back(std::move(batch));
    doneCount_.fetch_add(1, std::memory_order_release);
    changed_.notify_all();
  }
}

void NameQueue::lookUp(Batch& batch) {
  if (batch.reserveFirst != 0) table_.reserve(batch.reserveFirst);
  const std::string_view bytes = batch.bytes;
  std::vector<std::uint64_t>& hashes = hashes_;
  hashes.resize(batch.entries.size());
  for (std::size_t i = 0; i < hashes.size(); ++i) {
    const Batch::Entry& entry = batch.entries[i];
    hashes[i] = NameTable::hash(entry.group, bytes.substr(entry.offset, entry.size));
    if (i < kPrefetchAhead) table_.prefetch(hashes[i]);
  }
  for (std::size_t i = 0; i < hashes.size(); ++i) {
    if (i + kPrefetchAhead < hashes.size()) table_.prefetch(hashes[i + kPrefetchAhead]);
    Batch::Entry& entry = batch.entries[i];
    entry.earlier =
        table_.remember(entry.group, bytes.substr(entry.offset, entry.size), entry.line, hashes[i]);
  }
}

}  // namespace mk::check
