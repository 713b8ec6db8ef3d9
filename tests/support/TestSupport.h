#pragma once

#include <string>

namespace testsupport {

// Folder of the checked-in test data, in the platform's own path form.
std::string dataDir();

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
