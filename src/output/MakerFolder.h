#pragma once
// Finding the maker's other products beside this one: they live in a common
// maker's folder, and their files are found there whatever the letter case
// the installation gave their names.
//
// Usage:
//     std::string base = MakerFolder(form.Home);          // ".../Velmarck/"
//     std::string robot = FindFileIgnoringCase(base, "Kurier/kurier.exe");
//     if (!robot.empty()) start(robot);

#include <string>

// The folder's path up to and including its first component named
// "velmarck" in any letter case, with the trailing "/" and the path's own
// case kept; the whole folder (with a trailing "/") when it has no such
// component.
std::string MakerFolder(const std::string& folder);

// The path of the regular file `relative` (components separated by "/")
// under `base`: as written when it exists, else with each component matched
// against the folder's entries without regard to the case of ASCII letters
// (the first match in byte order when several differ only in case). Empty
// when there is no such file.
std::string FindFileIgnoringCase(const std::string& base, const std::string& relative);

// Whether two names are equal without regard to the case of ASCII letters.
bool SameNameIgnoringCase(const std::string& a, const std::string& b);
