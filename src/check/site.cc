#include "check/site.h"

#include <algorithm>

#include "check/file_names.h"
#include "check/value_words.h"

namespace mk::check {

Site::Site(const Machine& machine, const Script& script)
    : machine_(machine),
      script_(script),
      pathFolder_(script.absolute(script.path().empty() ? "." : script.path())),
      pathExists_(machine.kind(pathFolder_) == EntryKind::kFolder) {}

const Site::Listing& Site::listing(std::string_view folder) {
  const auto [listing, added] = listings_.try_emplace(script_.key(folder));
  if (added) {
    listing->second.folder = machine_.kind(folder) == EntryKind::kFolder;
    for (const FolderEntry& entry : machine_.list(folder)) {
      (entry.kind == EntryKind::kFile ? listing->second.files : listing->second.folders)
          .push_back(script_.key(entry.name));
    }
    std::sort(listing->second.files.begin(), listing->second.files.end());
    std::sort(listing->second.folders.begin(), listing->second.folders.end());
  }
  return listing->second;
}

bool Site::exists(std::string_view name, bool orExtension) {
  const std::string_view folder = folderOf(name);
  if (folder.empty()) return false;
  const std::vector<std::string>& files = listing(folder).files;
  std::string file = script_.key(name.substr(name.rfind('\\') + 1));
  if (std::binary_search(files.begin(), files.end(), file)) return true;
  if (!orExtension) return false;
  file += '.';
  const auto next = std::lower_bound(files.begin(), files.end(), file);
  return next != files.end() && next->starts_with(file);
}

bool Site::isFolder(std::string_view name) {
  return listing(name).folder;
}

bool Site::listsFolder(std::string_view name) {
  const std::string_view folder = folderOf(name);
  if (folder.empty()) return false;
  const std::vector<std::string>& folders = listing(folder).folders;
  return std::binary_search(folders.begin(), folders.end(),
                            script_.key(name.substr(name.rfind('\\') + 1)));
}

const std::string& Site::targetOf(const Line& line) const {
  static const std::string kNone;
  if (line.number == 1) return script_.backupFile;
  switch (line.kind()) {
    case LineKind::kDeleteOutput:
      return script_.tcOutputFile;
    case LineKind::kChaining:
      return script_.sampleInputFile;
    case LineKind::kKeep:
      return line.keptFile;
    default:
      return kNone;
  }
}

std::string Site::describeTarget(const Line& line) const {
  if (line.number == 1) return "the backup " + inQuotes(script_.backup);
  if (line.kind() == LineKind::kDeleteOutput) return "tc's output " + inQuotes(script_.tcOutput);
  if (line.kind() == LineKind::kChaining)
    return "the sample input " + inQuotes(script_.sampleInput);
  return "kept file " + inQuotes(line.value(ValueKind::kKeptName));
}

std::string_view folderOf(std::string_view name) {
  const std::size_t last = name.rfind('\\');
  if (last == std::string_view::npos) return {};
  return name.substr(0, last == 2 && name[1] == ':' ? last + 1 : last);
}

}  // namespace mk::check
