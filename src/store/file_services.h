// Whole-file services with Windows-like name lookup. When a path's exact name does not exist,
// an entry of the same folder whose name differs only in ASCII letter case is the one meant
// (Ra2.exe finds RA2.EXE). Every file operation of the program goes through ResolvePath.
#pragma once

#include <string>

namespace qm {

// The path as it should be opened: the path itself when it exists (or when nothing matches),
// otherwise the first entry, per folder level, whose name equals it regardless of letter case.
std::string ResolvePath(const std::string& path);

// True for an existing file or folder, or any match of a "*"/"?" pattern in the last part.
// False for the empty path.
bool FileExists(const std::string& path);

// Every byte of the file; empty when it is missing or unreadable.
std::string ReadWholeFile(const std::string& path);
// The same, telling a file that cannot be read (missing, a folder, no permission, a read
// error) from an empty one: false, and `bytes` is then empty.
bool TryReadWholeFile(const std::string& path, std::string& bytes);

// Replaces the file's content atomically: a temporary file in the same folder is written and
// renamed over the original, keeping its permissions; a symbolic link is written through to
// its target. False (and the file untouched) when anything fails or the path is empty.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

bool RemoveFile(const std::string& path);

// Folder of the running executable, without a trailing "/".
std::string ProgramDirectory();
// Tests point the program folder at a temporary folder; an empty text restores the default.
void SetProgramDirectoryForTests(const std::string& dir);

// Joins a folder and a name with "/".
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace qm
