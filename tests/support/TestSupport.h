#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// Folder of the checked-in test data, in the platform's own path form.
std::string dataDir();

// A whole file's bytes; empty when it cannot be read.
std::vector<uint8_t> readFileBytes(const std::string& path);
// Writes bytes as a whole file, replacing any old one.
bool writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// A fresh, empty folder for one test; removed with everything in it by the
// destructor. Paths use the platform's own separator.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const;

private:
    std::string m_path;
};

} // namespace testsupport
