// Owning a C stream: std::unique_ptr<std::FILE, FileCloser> closes it when it goes.
#pragma once

#include <cstdio>

namespace mk::check {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace mk::check
