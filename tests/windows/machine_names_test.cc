// The machine's names under Wine: a script's bytes in the console's code page (437, as Wine's
// OEM code page for the C.UTF-8 locale) name the files Windows holds under wide names; the
// names given back are written in that code page, "?" for what it has not got; case is folded
// beyond ASCII as Windows compares names; a name saved in UTF-8 or ANSI is read as meant.
//
// Usage: machine_names_test.exe (in an empty scratch folder, LC_ALL=C.UTF-8); exit status 0
// when every row holds.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "check/machine.h"

namespace {

int failures = 0;

void expect(bool holds, const std::string& what) {
  std::printf("%s %s\n", holds ? "passed" : "FAILED", what.c_str());
  failures += holds ? 0 : 1;
}

}  // namespace

int main() {
  CreateDirectoryW(L"Z\u00fcrich", nullptr);
  CreateDirectoryW(L"\u0141ukasz", nullptr);  // a letter code page 437 has not got
  for (const wchar_t* file : {L"Z\u00fcrich\\d\u00e901.xy", L"\u0141ukasz\\s01"}) {
    CloseHandle(CreateFileW(file, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  }
  const std::unique_ptr<mk::check::Machine> machine = mk::check::thisMachine();
  expect(machine->codePage() == 437,
         "the console's code page is 437: " + std::to_string(machine->codePage()));
  const std::string here = machine->currentFolder();
  const std::string zurich = here + "\\Z\x81rich";  // ü is 81 in 437, é 82, É 90, Ü 9A
  expect(machine->kind(zurich) == mk::check::EntryKind::kFolder, "Z\\x81rich is a folder");
  expect(machine->kind(zurich + "\\d\x82"
                                "01.xy") == mk::check::EntryKind::kFile,
         "d\\x82"
         "01.xy is a file in it");
  expect(machine->kind(here + "\\ZXrich") == mk::check::EntryKind::kNone, "ZXrich is not");
  std::vector<std::string> listed;
  for (const mk::check::FolderEntry& entry : machine->list(here))
    listed.push_back(entry.name);
  std::ranges::sort(listed);
  expect(listed == std::vector<std::string>{"?ukasz", "Z\x81rich"},
         "the folder lists Z\\x81rich and ?ukasz");

  // Case folded as Windows compares names, beyond ASCII: as CompareStringOrdinal does.
  for (const auto& [a, b, wideA, wideB] :
       std::vector<std::tuple<std::string, std::string, std::wstring, std::wstring>>{
           {"\x90", "\x82", L"\u00c9", L"\u00e9"},
           {"Z\x81rich", "z\x9Arich", L"Z\u00fcrich", L"z\u00dcrich"},
           {"\x82", "e", L"\u00e9", L"e"},
           {"S01.HKL", "s01.hkl", L"S01.HKL", L"s01.hkl"}}) {
    const bool same =
        CompareStringOrdinal(wideA.c_str(), -1, wideB.c_str(), -1, TRUE) == CSTR_EQUAL;
    expect((machine->key(a) == machine->key(b)) == same,
           "the keys of " + a + " and " + b + (same ? " are one" : " differ"));
  }

  // A name saved as UTF-8 or in the ANSI code page (1252), read as meant.
  const auto reads = [&](const std::string& name, const std::string& meant,
                         const std::string& codePage) {
    const std::vector<mk::check::Reading> found = machine->readings(name);
    return std::ranges::any_of(found, [&](const mk::check::Reading& reading) {
      return reading.name == meant && reading.codePage == codePage;
    });
  };
  expect(reads("d\xC3\xA9"
               "01",
               "d\x82"
               "01",
               "UTF-8"),
         "d\\xC3\\xA9 is d\\x82 in UTF-8");
  expect(reads("d\xE9"
               "01",
               "d\x82"
               "01",
               "code page 1252"),
         "d\\xE9 is d\\x82 in code page 1252");
  expect(machine->readings("s01").empty(), "an ASCII name has no other reading");

  // A folder whose name the code page cannot write still finds its files.
  SetCurrentDirectoryW(L"\u0141ukasz");
  const std::string lukasz = machine->currentFolder();
  expect(lukasz.ends_with("\\?ukasz"), "the current folder is written " + lukasz);
  expect(machine->kind(lukasz + "\\s01") == mk::check::EntryKind::kFile, "its file is found");
  return failures == 0 ? 0 : 1;
}
