// Windows' rules for file names: the characters and the device names no file can have, and
// the comparison of names without regard to case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mk::check {

// Why a name cannot be a file's.
enum class NameFault : unsigned char {
  kNone,
  kWildcard,   // * or ?
  kForbidden,  // < > | or a double quote
  kColon,      // a colon that is not a drive's
  kControl,    // a byte 1-31, tab included
  kDevice      // a part whose text before its first dot, trailing blanks removed, is a device's
};

struct InvalidName {
  NameFault fault = NameFault::kNone;
  std::string_view part;  // the character at fault, or the whole part that names a device
};

// The first reason why no Windows file can have the name `name`, taken apart at '\' and '/';
// kNone when it can. With `driveAllowed` a drive (one letter and a colon) may begin it. Device
// names are CON, PRN, AUX, NUL, COM1-COM9 and LPT1-LPT9, in any case and with any extension.
InvalidName findInvalidName(std::string_view name, bool driveAllowed);

// The device a part found by findInvalidName names, in capitals ("NUL").
std::string deviceOf(std::string_view part);

// True when `a` and `b` are equal without regard to the case of the letters A to Z, as Windows
// compares file names.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// The file name at the end of `path`: what follows its last '\', '/' or ':'.
std::string_view fileNamePart(std::string_view path);

// True when `name` does not follow the folder it is read in: it begins with a drive ("d:") or
// a '\\' or '/'.
bool standsAlone(std::string_view name);

// `name` with the letters a to z in capitals: names equal without regard to case fold alike, as
// Windows compares them.
std::string foldCase(std::string_view name);

// True when normalName would return `name` unchanged: no '\' or '/', no final dot or blank, and
// not "." or "..". Most names are so, and need no closer look.
bool isPlainName(std::string_view name);

// `name` as Windows resolves it, without the current folder: '/' read as '\', runs of '\' as
// one, the parts "." dropped and ".." taking the part before it away (kept at the start of a
// relative name, dropped at a root), one final dot of a part dropped, and all final dots and
// blanks of the last part. A drive "C:", a root '\' and "\\server\share\" stay in front, and
// ".." does not leave them. "." for nothing left.
std::string normalName(std::string_view name);

// `name` made absolute against the absolute folder `current` ("C:\kevra") and normal: "C:\x"
// and "\\server\x" stand alone, "\x" takes current's drive, "D:x" the root of D: (or
// current, on its drive), anything else follows current.
std::string absoluteName(std::string_view current, std::string_view name);

}  // namespace mk::check
