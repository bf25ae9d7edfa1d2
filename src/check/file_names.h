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

// False when the name `part`, of one part, surely names no device: a quick test before
// findInvalidName for names without any other reason to look closer.
bool mayNameDevice(std::string_view part);

// The device a part found by findInvalidName names, in capitals ("NUL").
std::string deviceOf(std::string_view part);

// True when `a` and `b` are equal without regard to the case of the letters A to Z, as Windows
// compares file names.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// The file name at the end of `path`: what follows its last '\', '/' or ':'.
std::string_view fileNamePart(std::string_view path);

}  // namespace mk::check
