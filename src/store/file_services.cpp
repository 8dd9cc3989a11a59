#include "store/file_services.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "store/file_write.h"
#include "store/gbk_text.h"

namespace qm {

namespace {

bool Exists(const std::string& p) {
    struct stat st;
    return lstat(p.c_str(), &st) == 0;
}

// Entry of `dir` whose name equals `name` regardless of ASCII letter case. Among several, the
// smallest name is taken so the choice does not depend on directory order.
std::string FindNoCase(const std::string& dir, const std::string& name) {
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return {};
    const std::string want = UpperAscii(name);
    std::string best;
    while (dirent* e = readdir(d)) {
        std::string entry = e->d_name;
        if (entry == "." || entry == "..") continue;
        if (entry.size() == name.size() && UpperAscii(entry) == want) {
            if (best.empty() || entry < best) best = entry;
        }
    }
    closedir(d);
    return best;
}

std::string& ProgramDirectoryOverride() {
    static std::string dir;
    return dir;
}

}  // namespace

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

std::string ResolvePath(const std::string& path) {
    if (path.empty() || Exists(path)) return path;
    // Walk the path one part at a time, replacing each part that is missing by an entry of
    // the same folder that differs only in letter case. Parts without such an entry are kept
    // as given, so a file about to be created gets the name the caller asked for.
    std::string out;
    size_t i = 0;
    if (path[0] == '/') {
        out = "/";
        i = 1;
    }
    bool matching = true;
    while (i <= path.size()) {
        size_t slash = path.find('/', i);
        if (slash == std::string::npos) slash = path.size();
        std::string part = path.substr(i, slash - i);
        if (!part.empty()) {
            std::string candidate = out.empty() ? part : JoinPath(out, part);
            if (matching && !Exists(candidate) && part != "." && part != "..") {
                std::string found = FindNoCase(out.empty() ? "." : out, part);
                if (!found.empty()) {
                    candidate = out.empty() ? found : JoinPath(out, found);
                } else {
                    matching = false;
                }
            }
            out = candidate;
        }
        if (slash < path.size() && (slash + 1 == path.size())) out += "/";
        i = slash + 1;
    }
    return out;
}

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    size_t slash = path.rfind('/');
    std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
    if (last.find_first_of("*?") != std::string::npos) {
        std::string dir = slash == std::string::npos ? "." : ResolvePath(path.substr(0, slash + 1));
        DIR* d = opendir(dir.empty() ? "/" : dir.c_str());
        if (!d) return false;
        bool any = false;
        while (dirent* e = readdir(d)) {
            if (!std::strcmp(e->d_name, ".") || !std::strcmp(e->d_name, "..")) continue;
            if (fnmatch(last.c_str(), e->d_name, FNM_CASEFOLD) == 0) {
                any = true;
                break;
            }
        }
        closedir(d);
        return any;
    }
    struct stat st;
    return stat(ResolvePath(path).c_str(), &st) == 0;
}

std::string ReadWholeFile(const std::string& path) {
    std::string bytes;
    TryReadWholeFile(path, bytes);
    return bytes;
}

bool TryReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    if (path.empty()) return false;
    int fd = open(ResolvePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = false;
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        ok = true;
        bytes.resize(static_cast<size_t>(st.st_size));
        size_t got = 0;
        while (got < bytes.size()) {
            ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) ok = false;
            if (n <= 0) break;
            got += static_cast<size_t>(n);
        }
        bytes.resize(got);
        // The file may have grown since fstat.
        char buf[65536];
        while (ok) {
            ssize_t n = read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) ok = false;
            if (n <= 0) break;
            bytes.append(buf, static_cast<size_t>(n));
        }
    }
    close(fd);
    if (!ok) bytes.clear();
    return ok;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) return false;
    return ReplaceFileAtomically(ResolvePath(path), bytes, nullptr);
}

bool RemoveFile(const std::string& path) {
    if (path.empty()) return false;
    return unlink(ResolvePath(path).c_str()) == 0;
}

std::string ProgramDirectory() {
    if (!ProgramDirectoryOverride().empty()) return ProgramDirectoryOverride();
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string exe(buf, static_cast<size_t>(n));
    size_t slash = exe.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return exe.substr(0, slash);
}

void SetProgramDirectoryForTests(const std::string& dir) { ProgramDirectoryOverride() = dir; }

}  // namespace qm
