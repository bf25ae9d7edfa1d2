#include <cerrno>
#include <memory>
#include <string>
#include <utility>

#include "recordio/channel.h"
#include "recordio/platform.h"

namespace mk {

namespace {

// A channel over a file descriptor. Named files keep their path for reopening, and own their
// descriptor: it is closed with the channel, whether or not close() came first. A standard
// stream's descriptor (0-2, no path) stays open.
class FileChannel : public Channel {
 public:
  FileChannel(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  FileChannel(const FileChannel&) = delete;
  FileChannel& operator=(const FileChannel&) = delete;
  FileChannel(FileChannel&&) = delete;
  FileChannel& operator=(FileChannel&&) = delete;
  ~FileChannel() override {
    if (!path_.empty() && fd_ >= 0) platform::closeFile(fd_);
  }

  long read(char* dest, std::size_t size) override { return platform::readFile(fd_, dest, size); }
  long write(const char* src, std::size_t size) override {
    return platform::writeFile(fd_, src, size);
  }
  long long position() override { return platform::tellFile(fd_); }
  bool seek(long long offset) override { return platform::seekFile(fd_, offset) == offset; }
  bool cut(long long length) override { return platform::truncateFile(fd_, length); }

  bool reopen(Access access) override {
    const long long at = platform::tellFile(fd_);
    const int fd = platform::openFile(path_, access);
    if (fd < 0) return false;
    if (at > 0 && platform::seekFile(fd, at) != at) {
      const int saved = errno;
      platform::closeFile(fd);
      errno = saved;
      return false;
    }
    platform::closeFile(fd_);
    fd_ = fd;
    return true;
  }

  bool isTerminal() override { return platform::isTerminal(fd_); }
  void close() override {
    if (fd_ >= 0) platform::closeFile(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
  std::string path_;
};

}  // namespace

std::unique_ptr<Channel> openFileChannel(const std::string& path, Access access) {
  const int fd = platform::openFile(path, access);
  if (fd < 0) return nullptr;
  return std::make_unique<FileChannel>(fd, path);
}

std::unique_ptr<Channel> standardChannel(int fd) {
  return std::make_unique<FileChannel>(fd, "");
}

}  // namespace mk
