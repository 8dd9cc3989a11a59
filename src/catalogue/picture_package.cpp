#include "catalogue/picture_package.h"

#include "store/file_services.h"

extern "C" {
extern const char qm_picture_package_begin[];
extern const char qm_picture_package_end[];
}

namespace qm {

namespace {

constexpr size_t npos = std::string::npos;

unsigned char ByteAt(const std::string& s, size_t i) { return static_cast<unsigned char>(s[i]); }

bool HasSoiAt(const std::string& s, size_t i) {
    return i + 1 < s.size() && ByteAt(s, i) == 0xFF && ByteAt(s, i + 1) == 0xD8;
}

// True when s[begin, end) opens with the start-of-image and closes with the end-of-image marker.
bool IsWholeJpeg(const std::string& s, size_t begin, size_t end) {
    return end >= begin + 4 && HasSoiAt(s, begin) && ByteAt(s, end - 2) == 0xFF &&
           ByteAt(s, end - 1) == 0xD9;
}

// Offset just past the end-of-image marker of the JPEG that starts at `begin` with its
// start-of-image marker, found by stepping over its segments and entropy-coded data; npos
// when the bytes are not a JPEG that ends inside `s`.
size_t JpegEnd(const std::string& s, size_t begin) {
    const size_t n = s.size();
    size_t i = begin + 2;
    for (;;) {
        if (i >= n || ByteAt(s, i) != 0xFF) return npos;
        while (i < n && ByteAt(s, i) == 0xFF) ++i;  // fill bytes
        if (i >= n) return npos;
        const unsigned char marker = ByteAt(s, i++);
        if (marker == 0xD9) return i;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
        if (marker == 0x00 || marker == 0xD8) return npos;
        if (i + 2 > n) return npos;
        const size_t length = (size_t{ByteAt(s, i)} << 8) | ByteAt(s, i + 1);
        if (length < 2 || i + length > n) return npos;
        i += length;
        if (marker != 0xDA) continue;
        // Scan data: a 0xFF there is followed by 0x00 (a stuffed byte) or a restart marker;
        // anything else is the next marker.
        for (;; ++i) {
            if (i + 1 >= n) return npos;
            if (ByteAt(s, i) != 0xFF) continue;
            const unsigned char next = ByteAt(s, i + 1);
            if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7)) break;
        }
    }
}

}  // namespace

std::string BuiltinPicturePackage() {
    return std::string(qm_picture_package_begin, qm_picture_package_end);
}

std::string PicturePackagePath() { return JoinPath(ProgramDirectory(), "Picture.pic"); }

std::string PlaceholderPicturePath() { return JoinPath(ProgramDirectory(), "None.pic"); }

void EnsurePicturePackage() {
    const std::string path = PicturePackagePath();
    if (!FileExists(path)) WriteWholeFile(path, BuiltinPicturePackage());
}

std::string FindPictureInPackage(const std::string& package, const Text& name) {
    if (name.empty()) return {};
    const size_t first = package.find(name);
    if (first == npos) return {};

    // Occurrences may overlap ("TRS" closing one entry runs into "TRST" opening the next), so
    // every start position is tried.
    for (size_t at = first; at != npos; at = package.find(name, at + 1)) {
        const size_t begin = at + name.size();
        if (!HasSoiAt(package, begin)) continue;
        const size_t next = package.find(name, begin);
        const size_t end = next == npos ? package.size() : next;
        if (IsWholeJpeg(package, begin, end)) return package.substr(begin, end - begin);
        // The name may turn up inside the picture's own data; then the picture ends where its
        // markers say, and the entry's closing name must follow right there.
        const size_t jpegEnd = JpegEnd(package, begin);
        if (jpegEnd != npos &&
            (jpegEnd == package.size() || package.compare(jpegEnd, name.size(), name) == 0))
            return package.substr(begin, jpegEnd - begin);
    }

    // No entry under exactly this name: the piece after the first occurrence, up to the next
    // occurrence that does not overlap it.
    const size_t begin = first + name.size();
    const size_t next = package.find(name, begin);
    return package.substr(begin, (next == npos ? package.size() : next) - begin);
}

std::string FindUnitPicture(const std::string& packagePath, const Text& name) {
    if (name.empty()) return {};
    return FindPictureInPackage(ReadWholeFile(packagePath), name);
}

std::string UnitPictureBytes(const Text& name) {
    std::string bytes = FindUnitPicture(PicturePackagePath(), name);
    if (bytes.empty()) bytes = ReadWholeFile(PlaceholderPicturePath());
    return bytes;
}

std::string AppearancePictureBytes(const Text& imageName) {
    return FindUnitPicture(PicturePackagePath(), imageName);
}

}  // namespace qm
