#include "store/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace qm {

namespace {

std::string DirOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Follows a chain of symbolic links to the path that really holds the content.
std::string FollowLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char buf[PATH_MAX];
        ssize_t n = readlink(path.c_str(), buf, sizeof buf - 1);
        if (n <= 0) return path;
        std::string target(buf, static_cast<size_t>(n));
        path = target[0] == '/' ? target : DirOf(path) + "/" + target;
    }
    return path;
}

// Whether a file or folder may be written. Root passes every permission check, so for root a
// file or folder without any write bit counts as read-only, as it would for everyone else.
bool MayWrite(const std::string& path, const struct stat& st) {
    if (geteuid() == 0) return (st.st_mode & 0222) != 0;
    return access(path.c_str(), W_OK) == 0;
}

mode_t CurrentUmask() {
    mode_t m = umask(0);
    umask(m);
    return m;
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes,
                           struct stat* written) {
    if (path.empty()) return false;
    const std::string target = FollowLinks(path);
    const std::string dir = DirOf(target);

    struct stat dir_st;
    if (stat(dir.c_str(), &dir_st) != 0 || !S_ISDIR(dir_st.st_mode)) return false;
    if (!MayWrite(dir, dir_st)) return false;

    struct stat old_st;
    const bool existed = stat(target.c_str(), &old_st) == 0;
    if (existed && (!S_ISREG(old_st.st_mode) || !MayWrite(target, old_st))) return false;

    std::string name = target.substr(target.rfind('/') == std::string::npos ? 0 : target.rfind('/') + 1);
    std::string temp = dir + "/." + name + ".qm-XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) return false;

    bool ok = WriteAll(fd, bytes);
    if (ok) {
        mode_t mode = existed ? (old_st.st_mode & 07777) : (0666 & ~CurrentUmask());
        ok = fchmod(fd, mode) == 0;
        if (ok && existed) {
            // Keeping the owner works only for root or when nothing changes; failure is harmless.
            if (fchown(fd, old_st.st_uid, old_st.st_gid) != 0) { /* keep our own owner */ }
        }
    }
    if (ok) ok = fsync(fd) == 0;
    struct stat new_st;
    if (ok) ok = fstat(fd, &new_st) == 0;
    if (close(fd) != 0) ok = false;
    if (ok) ok = rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    if (written) *written = new_st;
    return true;
}

}  // namespace qm
