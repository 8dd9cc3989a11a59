// A fresh temporary folder per test, removed afterwards, plus small file helpers.
#pragma once

#include <string>

namespace qmtest {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string file(const std::string& name) const;

private:
    std::string path_;
};

// Raw bytes of a file ("" when missing) and a raw write.
std::string Slurp(const std::string& path);
void Spit(const std::string& path, const std::string& bytes);

}  // namespace qmtest
