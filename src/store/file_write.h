// Atomic replacement of a file's content, shared by the whole-file and profile writes.
#pragma once

#include <sys/stat.h>

#include <string>

namespace qm {

// Writes `bytes` to a temporary file beside `path` and renames it over `path` in one step.
// A symbolic link is followed and its target replaced (the link stays). An existing file keeps
// its permissions (and owner, where allowed). A read-only file or folder, a missing folder or
// a failed write returns false and leaves `path` as it was. On success *written (when given)
// receives the identity of the new file.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes,
                           struct stat* written);

}  // namespace qm
