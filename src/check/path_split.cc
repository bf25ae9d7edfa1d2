#include "check/path_split.h"

#include "check/file_names.h"

namespace mk::check {

PathAndInput splitPathAndInput(std::string_view pathAndInput) {
  const std::string_view input = fileNamePart(pathAndInput);
  return {pathAndInput.substr(0, pathAndInput.size() - input.size()), input};
}

}  // namespace mk::check
