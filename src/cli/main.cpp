// quillmere-ini: profile reads and writes from the command line, over the editor's own store.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/catalogues.h"
#include "catalogue/picture_package.h"
#include "store/file_services.h"
#include "store/profile_file.h"
#include "store/registry.h"
#include "store/settings.h"

namespace {

const char kUsage[] =
    "usage: quillmere-ini get FILE SECTION KEY\n"
    "       quillmere-ini set FILE SECTION KEY VALUE\n"
    "       quillmere-ini delete FILE SECTION KEY\n"
    "       quillmere-ini keys FILE SECTION\n"
    "       quillmere-ini ids FILE SECTION\n"
    "       quillmere-ini template ra2|yr FILE\n"
    "       quillmere-ini list FILE ra2|yr infantry|vehicles|aircraft|buildings|countries|weapons\n"
    "       quillmere-ini picture NAME > out.jpg\n";

// Without arguments the usage is printed; a usage error says in one line what was wrong.
int Usage(const char* why) {
    if (why)
        std::fprintf(stderr, "quillmere-ini: %s\n", why);
    else
        std::fputs(kUsage, stderr);
    return 2;
}

void PrintLine(const std::string& s) {
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fputc('\n', stdout);
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "quillmere-ini: %s\n", what.c_str());
    return 1;
}

// A file that can be read: it exists, is not a folder, and opens for reading.
bool Readable(const std::string& path) {
    std::string bytes;
    return qm::TryReadWholeFile(path, bytes);
}

// What was printed must have reached its destination (a full disk is a failure).
int Finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        if (status == 0) status = Fail("cannot write the output");
    }
    return status;
}

int Run(const std::vector<std::string>& a);

}  // namespace

int main(int argc, char** argv) { return Finish(Run(std::vector<std::string>(argv + 1, argv + argc))); }

namespace {

int Run(const std::vector<std::string>& a) {
    if (a.empty()) return Usage(nullptr);
    const std::string& cmd = a[0];
    auto need = [&](size_t n) { return a.size() == n + 1; };

    if (cmd == "get") {
        if (!need(3)) return Usage("get takes FILE SECTION KEY");
        if (!Readable(a[1])) return Fail("cannot read " + a[1]);
        PrintLine(qm::ReadProfileValue(a[1], a[2], a[3]));
        return 0;
    }
    if (cmd == "set") {
        if (!need(4)) return Usage("set takes FILE SECTION KEY VALUE");
        return qm::WriteProfileValue(a[1], a[2], a[3], a[4]) ? 0 : Fail("cannot write " + a[1]);
    }
    if (cmd == "delete") {
        if (!need(3)) return Usage("delete takes FILE SECTION KEY");
        return qm::DeleteProfileKey(a[1], a[2], a[3]) ? 0 : Fail("cannot write " + a[1]);
    }
    if (cmd == "keys" || cmd == "ids") {
        if (!need(2)) return Usage("keys and ids take FILE SECTION");
        if (!Readable(a[1])) return Fail("cannot read " + a[1]);
        for (const auto& key : qm::ListSectionKeys(a[1], a[2]))
            PrintLine(cmd == "keys" ? key : qm::ReadProfileValue(a[1], a[2], key));
        return 0;
    }
    if (cmd == "template") {
        if (!need(2) || (a[1] != "ra2" && a[1] != "yr")) return Usage("template takes ra2|yr FILE");
        return qm::WriteWholeFile(a[2], qm::TemplateBytes(a[1] == "ra2" ? 1 : 2))
                   ? 0
                   : Fail("cannot write " + a[2]);
    }
    if (cmd == "list") {
        static const char* const kKinds[] = {"infantry", "vehicles",  "aircraft",
                                             "buildings", "countries", "weapons"};
        bool known_kind = false;
        if (a.size() == 4)
            for (const char* k : kKinds) known_kind = known_kind || a[3] == k;
        if (!need(3) || (a[2] != "ra2" && a[2] != "yr") || !known_kind)
            return Usage("list takes FILE ra2|yr infantry|vehicles|aircraft|buildings|countries|weapons");
        if (!Readable(a[1])) return Fail("cannot read " + a[1]);
        for (const auto& item : qm::DisplayItems(a[1], a[2] == "ra2" ? 1 : 2, a[3]))
            PrintLine(qm::GbkToUtf8(item));
        return 0;
    }
    if (cmd == "picture") {
        if (!need(1)) return Usage("picture takes NAME");
        // The name is taken as given (GBK); a name typed in a UTF-8 terminal is tried as GBK too.
        const std::string package = qm::BuiltinPicturePackage();
        std::string bytes = qm::FindPictureInPackage(package, a[1]);
        if (bytes.empty()) bytes = qm::FindPictureInPackage(package, qm::Utf8ToGbk(a[1]));
        if (bytes.empty()) return Fail("no picture under " + a[1]);
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return 0;
    }
    return Usage(("unknown command: " + cmd).c_str());
}

}  // namespace
