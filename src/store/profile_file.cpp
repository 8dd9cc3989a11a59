#include "store/profile_file.h"

#include <sys/stat.h>

#include <list>
#include <memory>

#include "store/file_services.h"
#include "store/file_write.h"
#include "store/profile_index.h"

namespace qm {

namespace {

// A few parsed files, most recently used first. Every call checks the file's identity, size
// and modification time, so a change made by another program is seen at once.
class ProfileCache {
public:
    // The parsed file, or nullptr when it does not exist or cannot be read.
    ProfileFile* Get(const std::string& path) {
        // A file with batched changes not yet on disk is served from memory.
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (it->path == path && it->file->pending) return it->file.get();
        struct stat st;
        if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
            Drop(path);
            return nullptr;
        }
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->path != path) continue;
            ProfileFile& f = *it->file;
            if (f.dev == st.st_dev && f.ino == st.st_ino && f.size == st.st_size &&
                f.mtime.tv_sec == st.st_mtim.tv_sec && f.mtime.tv_nsec == st.st_mtim.tv_nsec) {
                entries_.splice(entries_.begin(), entries_, it);
                return &f;
            }
            entries_.erase(it);
            break;
        }
        auto file = std::make_unique<ProfileFile>();
        // A file that exists but cannot be read is not taken for an empty one: a write would
        // then replace its content.
        if (!TryReadWholeFile(path, file->bytes)) return nullptr;
        // Take the identity after reading; a file changing meanwhile is caught at the next call.
        if (static_cast<off_t>(file->bytes.size()) != st.st_size) {
            struct stat again;
            if (stat(path.c_str(), &again) == 0) st = again;
        }
        Remember(*file, st);
        file->Parse();
        entries_.push_front(Entry{path, std::move(file)});
        if (entries_.size() > kMaxEntries) {
            // Evict the least recently used entry that holds no batched changes.
            for (auto it = std::prev(entries_.end()); it != entries_.begin(); --it) {
                if (!it->file->pending) {
                    entries_.erase(it);
                    break;
                }
            }
        }
        return entries_.front().file.get();
    }

    static void Remember(ProfileFile& f, const struct stat& st) {
        f.dev = st.st_dev;
        f.ino = st.st_ino;
        f.size = st.st_size;
        f.mtime = st.st_mtim;
    }

    void Drop(const std::string& path) {
        entries_.remove_if([&](const Entry& e) { return e.path == path; });
    }

private:
    struct Entry {
        std::string path;
        std::unique_ptr<ProfileFile> file;
    };
    static constexpr size_t kMaxEntries = 4;
    std::list<Entry> entries_;
};

ProfileCache& Cache() {
    static ProfileCache cache;
    return cache;
}

// Skips leading bytes 0..32 (blanks, tabs, line breaks, control bytes).
std::string_view SkipLeadingControl(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= 32) ++i;
    return s.substr(i);
}

// The name as the file index matches it: trailing blanks and tabs cut, upper-cased.
Text MatchName(std::string_view s) {
    size_t e = s.size();
    while (e > 0 && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    size_t b = 0;
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    return UpperAscii(s.substr(b, e - b));
}

bool HasLineBreak(std::string_view s) {
    return s.find('\r') != std::string_view::npos || s.find('\n') != std::string_view::npos;
}

// Names and values that would change the file's structure are refused.
bool SafeToWrite(const Text& section, const Text& key, const Text* value) {
    if (MatchName(section).empty() || MatchName(key).empty()) return false;
    if (HasLineBreak(section) || HasLineBreak(key)) return false;
    if (value && HasLineBreak(*value)) return false;
    // The header must read back as this section: no "]" in the name, and no unpaired lead
    // byte at its end that would take the closing "]" as its second byte.
    if (FindBytes(section + "]", "]") != section.size()) return false;
    if (key.find('=') != std::string::npos) return false;
    std::string_view k = key;
    size_t b = 0;
    while (b < k.size() && (k[b] == ' ' || k[b] == '\t')) ++b;
    if (b < k.size() && (k[b] == '[' || k[b] == ';')) return false;
    return true;
}

// The key as the file spells it on an existing line (trimmed).
std::string_view SpelledKey(const std::string& bytes, const KeyLine& k) {
    size_t b = k.line_start;
    size_t e = bytes.find('=', b);
    while (b < e && (bytes[b] == ' ' || bytes[b] == '\t')) ++b;
    while (e > b && (bytes[e - 1] == ' ' || bytes[e - 1] == '\t')) --e;
    return std::string_view(bytes.data() + b, e - b);
}

// Paths whose writes are gathered by a ProfileBatch.
std::vector<std::string>& BatchedPaths() {
    static std::vector<std::string> paths;
    return paths;
}

bool IsBatched(const std::string& path) {
    for (const auto& p : BatchedPaths())
        if (p == path) return true;
    return false;
}

// Writes the edited bytes of `f` to disk (or keeps them for the batch) and keeps the cache
// in step.
bool Commit(const std::string& path, ProfileFile& f, std::string bytes) {
    if (IsBatched(path)) {
        f.bytes = std::move(bytes);
        f.pending = true;
        return true;
    }
    struct stat st;
    if (!ReplaceFileAtomically(path, bytes, &st)) return false;
    f.bytes = std::move(bytes);
    ProfileCache::Remember(f, st);
    return true;
}

}  // namespace

Text ReadProfileValue(const std::string& file, const Text& section, const Text& key) {
    std::string_view f = SkipLeadingControl(file);
    std::string_view s = SkipLeadingControl(section);
    std::string_view k = SkipLeadingControl(key);
    if (f.empty() || s.empty() || k.empty()) return {};

    ProfileFile* pf = Cache().Get(ResolvePath(std::string(f)));
    if (!pf) return {};
    SectionBlock* sec = pf->FindSection(MatchName(s));
    if (!sec) return {};
    const KeyLine* line = sec->Find(MatchName(k));
    if (!line) return {};

    const std::string& b = pf->bytes;
    size_t vb = b.find('=', line->line_start) + 1;
    size_t ve = line->line_end;
    while (vb < ve && (b[vb] == ' ' || b[vb] == '\t')) ++vb;
    while (ve > vb && (b[ve - 1] == ' ' || b[ve - 1] == '\t')) --ve;
    if (ve - vb >= 2 && (b[vb] == '"' || b[vb] == '\'') && b[ve - 1] == b[vb]) {
        ++vb;
        --ve;
    }
    if (ve - vb > kMaxProfileValue) ve = vb + kMaxProfileValue;
    return Text(b, vb, ve - vb);
}

bool WriteProfileValue(const std::string& file, const Text& section, const Text& key,
                       const Text& value) {
    if (file.empty() || !SafeToWrite(section, key, &value)) return false;
    const std::string path = ResolvePath(file);
    ProfileFile* pf = Cache().Get(path);
    if (!pf) {
        struct stat st;
        if (stat(path.c_str(), &st) == 0) return false;  // exists but is not a readable file
        return ReplaceFileAtomically(path, "[" + section + "]\r\n" + key + "=" + value + "\r\n",
                                     nullptr);
    }

    ProfileFile& f = *pf;
    const std::string& eol = f.line_end;
    SectionBlock* sec = f.FindSection(MatchName(section));
    if (sec) {
        if (const KeyLine* line = sec->Find(MatchName(key))) {
            // Replace the line's text, keeping its own line end.
            Text text = Text(SpelledKey(f.bytes, *line)) + "=" + value;
            const size_t start = line->line_start, end = line->line_end;
            std::string bytes;
            bytes.reserve(f.bytes.size() + text.size());
            bytes.append(f.bytes, 0, start).append(text).append(f.bytes, end, std::string::npos);
            const long long delta = static_cast<long long>(text.size()) -
                                    static_cast<long long>(end - start);
            if (!Commit(path, f, std::move(bytes))) return false;
            f.Shift(start + 1, delta);
            return true;
        }
        // Insert after the section's last key line, or right after its header.
        size_t at, before_end;
        if (!sec->keys.empty()) {
            at = sec->keys.back().next;
            before_end = sec->keys.back().line_end;
        } else {
            at = sec->header_next;
            before_end = sec->header_end;
        }
        const bool needs_break = at == before_end;  // the line before has no line end
        std::string insert = (needs_break ? eol : std::string()) + key + "=" + value + eol;
        std::string bytes;
        bytes.reserve(f.bytes.size() + insert.size());
        bytes.append(f.bytes, 0, at).append(insert).append(f.bytes, at, std::string::npos);
        if (!Commit(path, f, std::move(bytes))) return false;
        f.Shift(at + 1, static_cast<long long>(insert.size()));
        const size_t line_start = at + (needs_break ? eol.size() : 0);
        if (needs_break) {
            if (!sec->keys.empty()) sec->keys.back().next = line_start;
            else sec->header_next = line_start;
        }
        sec->keys.push_back(KeyLine{MatchName(key), line_start,
                                    line_start + key.size() + 1 + value.size(),
                                    line_start + key.size() + 1 + value.size() + eol.size()});
        if (sec->first_key_built) sec->first_key.emplace(sec->keys.back().upper, sec->keys.size() - 1);
        return true;
    }

    // Append the section at the end of the file.
    std::string bytes = f.bytes;
    const char last = bytes.empty() ? '\n' : bytes.back();
    const bool bom_only = bytes.size() == 3 && static_cast<unsigned char>(bytes[0]) == 0xEF;
    if (last != '\n' && last != '\r' && !bom_only) bytes += eol;
    bytes += "[" + section + "]" + eol + key + "=" + value + eol;
    if (!Commit(path, f, std::move(bytes))) return false;
    f.Parse();  // rare: a new section; parse again rather than patch the index
    return true;
}

bool DeleteProfileKey(const std::string& file, const Text& section, const Text& key) {
    if (file.empty() || !SafeToWrite(section, key, nullptr)) return false;
    const std::string path = ResolvePath(file);
    ProfileFile* pf = Cache().Get(path);
    if (!pf) {
        // Nothing to delete, and no file is created; a file that cannot be read is a failure.
        struct stat st;
        return stat(path.c_str(), &st) != 0;
    }
    ProfileFile& f = *pf;
    SectionBlock* sec = f.FindSection(MatchName(section));
    if (!sec) return true;
    const KeyLine* line = sec->Find(MatchName(key));
    if (!line) return true;

    const size_t start = line->line_start, next = line->next;
    std::string bytes;
    bytes.reserve(f.bytes.size());
    bytes.append(f.bytes, 0, start).append(f.bytes, next, std::string::npos);
    if (!Commit(path, f, std::move(bytes))) return false;
    sec->keys.erase(sec->keys.begin() + (line - sec->keys.data()));
    sec->Forget();
    f.Shift(next, -static_cast<long long>(next - start));
    return true;
}

bool ProfileSectionExists(const std::string& file, const Text& section) {
    if (file.empty() || MatchName(section).empty()) return false;
    ProfileFile* pf = Cache().Get(ResolvePath(file));
    return pf && pf->FindSection(MatchName(section)) != nullptr;
}

ProfileBatch::ProfileBatch(const std::string& file) : path_(ResolvePath(file)) {
    BatchedPaths().push_back(path_);
}

ProfileBatch::~ProfileBatch() { Commit(); }

bool ProfileBatch::Commit() {
    if (done_) return ok_;
    done_ = true;
    auto& paths = BatchedPaths();
    for (auto it = paths.begin(); it != paths.end(); ++it) {
        if (*it == path_) {
            paths.erase(it);
            break;
        }
    }
    if (IsBatched(path_)) return ok_ = true;  // an outer batch on the same file writes it
    ProfileFile* f = Cache().Get(path_);
    if (!f || !f->pending) return ok_ = true;
    f->pending = false;
    struct stat st;
    ok_ = ReplaceFileAtomically(path_, f->bytes, &st);
    if (ok_)
        ProfileCache::Remember(*f, st);
    else
        Cache().Drop(path_);  // forget the changes: the next read sees the file as it is
    return ok_;
}

}  // namespace qm
