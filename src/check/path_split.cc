#include "check/path_split.h"

namespace mk::check {

PathAndInput splitPathAndInput(std::string_view pathAndInput) {
  const std::size_t last = pathAndInput.find_last_of("\\/:");
  const std::size_t cut = last == std::string_view::npos ? 0 : last + 1;
  return {pathAndInput.substr(0, cut), pathAndInput.substr(cut)};
}

}  // namespace mk::check
