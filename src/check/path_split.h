// Taking the directory path and the input name apart again.
#pragma once

#include <string_view>

namespace mk::check {

struct PathAndInput {
  std::string_view path;   // P, with its final separator
  std::string_view input;  // I
};

// Splits the text P I that multikevra writes with nothing between P and I. The script alone
// cannot tell where P ends, so the split is the one a file name has: I is the part after the
// last '\', '/' or ':' (cmd's separators of folders and drive), P everything before it. It is
// exact whenever P ends with a separator, as the question asks, and I holds none, as an input
// name does. Without the final backslash P's last folder runs into I ("D:\xrd\batchbase"
// splits as "D:\xrd\" and "batchbase"), which is how cmd will read that name too.
PathAndInput splitPathAndInput(std::string_view pathAndInput);

}  // namespace mk::check
