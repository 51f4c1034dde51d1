#pragma once
// File and path helpers of the runtime. Paths are UTF-8 with "/" as the
// folder separator.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool DeleteFile(const std::string& path);
// Moves `from` to `to` in one step, replacing an existing `to`: there is no
// moment in which neither name holds the file.
bool RenameFile(const std::string& from, const std::string& to);
// The system call behind every rename of the runtime, the atomic saves
// included. Tests put a failing one in place to see what a failed rename
// leaves behind; it returns the one it replaced. Nullptr restores the
// system's.
using RenameFunction = int (*)(const char* from, const char* to);
RenameFunction SetRenameFunction(RenameFunction rename);

// The system calls behind the runtime's file creations, writes, syncs and
// closes (the record files and the whole-file saves) and its reads of whole
// text files. Tests put failing ones in place to see what a full disk, a
// failed sync or close or an unreadable file leaves behind; each setter
// returns the one it replaced, nullptr restores the system's. CreateFile,
// WriteAt, SyncFile, CloseFile and ReadFrom call the ones in place and
// behave as open (with O_CREAT among the flags), pwrite, fsync, close and
// read.
using CreateFunction = int (*)(const char* path, int flags, mode_t mode);
CreateFunction SetCreateFunction(CreateFunction create);
using WriteFunction = ssize_t (*)(int fd, const void* data, std::size_t bytes, off_t offset);
WriteFunction SetWriteFunction(WriteFunction write);
using SyncFunction = int (*)(int fd);
SyncFunction SetSyncFunction(SyncFunction sync);
using CloseFunction = int (*)(int fd);
CloseFunction SetCloseFunction(CloseFunction close);
using ReadFunction = ssize_t (*)(int fd, void* data, std::size_t bytes);
ReadFunction SetReadFunction(ReadFunction read);
int CreateFile(const std::string& path, int flags, mode_t mode);
ssize_t WriteAt(int fd, const void* data, std::size_t bytes, off_t offset);
int SyncFile(int fd);
int CloseFile(int fd);
ssize_t ReadFrom(int fd, void* data, std::size_t bytes);
bool ForceDirectories(const std::string& path);

std::string ExtractFilePath(const std::string& path);  // with the trailing "/"
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path);   // with the dot
std::string ChangeFileExt(const std::string& path, const std::string& ext);
std::string IncludeTrailingPathDelimiter(const std::string& path);

// Opens a file with the given open flags without ever blocking on a named
// pipe or a device: those are refused with ENXIO. -1 with errno on failure.
int OpenExistingFile(const std::string& path, int flags);

// Replaces the file's content with the bytes in one step: they go into a
// temporary file beside it, onto the disk, and then take its name, so the
// old content stays whole until the new one is complete. A link is followed
// to the file it names, and an existing file keeps its permissions. False
// with errno when the file could not be written; the old one is untouched.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The last modification of an existing file, in whole seconds since
// 1970-01-01 UTC; false when the file's attributes cannot be read.
bool FileModifiedTime(const std::string& path, std::int64_t& seconds);
