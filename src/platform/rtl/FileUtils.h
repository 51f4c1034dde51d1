#pragma once
// File and path helpers of the runtime. Paths are UTF-8 with "/" as the
// folder separator.

#include <string>

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool DeleteFile(const std::string& path);
// Moves `from` to `to` in one step, replacing an existing `to`: there is no
// moment in which neither name holds the file.
bool RenameFile(const std::string& from, const std::string& to);
bool ForceDirectories(const std::string& path);

std::string ExtractFilePath(const std::string& path);  // with the trailing "/"
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path);   // with the dot
std::string ChangeFileExt(const std::string& path, const std::string& ext);
std::string IncludeTrailingPathDelimiter(const std::string& path);
