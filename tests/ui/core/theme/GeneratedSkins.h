#pragma once

#include "foundation/data/PakArchive.h"
#include "foundation/geometry/Size.h"
#include "foundation/text/String.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "foundation/io/PosixPath.h"
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// A path of the platform's form as our paths are written.
inline String themePath(const std::string& native)
{
#ifdef _WIN32
    return String::fromUtf8(native.data(), static_cast<int>(native.size()));
#else
    return fromNativePath(native);
#endif
}

// A skin archive made by a test: each item written to a file of a temporary
// folder and packed.
class ThemeArchive
{
public:
    void add(const char* group, const char* item, const std::string& text)
    {
        const std::string file = m_dir.file("item" + std::to_string(m_count++));
        testsupport::writeFileBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
        m_archive.addFile(themePath(file), String(group), String(item));
    }
    // The archive's path after saving it.
    String save(const char* name = "theme.style")
    {
        const String path = themePath(m_dir.file(name));
        m_archive.save(path);
        return path;
    }

private:
    testsupport::TempDir m_dir;
    PakArchive m_archive;
    int m_count = 0;
};

// Where the tests find what skingen made and what it was made from: the
// skins one folder above the test's working folder (where the build puts
// them), or in the folder named by REELSTACK_SKIN_DIR; the tables below
// assets/skin.
namespace generatedskins {

inline std::string skinFile(const std::string& name)
{
    const char* folder = std::getenv("REELSTACK_SKIN_DIR");
    const std::filesystem::path base =
        folder ? std::filesystem::path(folder) : std::filesystem::current_path().parent_path();
    return (base / name).string();
}

inline String skinPath(const std::string& name)
{
    return themePath(skinFile(name));
}

// The width and height a PNG's header gives; empty for fewer than 24 bytes.
inline Size pngHeaderSize(const uint8_t* d, size_t size)
{
    if (!d || size < 24)
        return Size();
    auto be = [d](int at) {
        return int(d[at]) << 24 | int(d[at + 1]) << 16 | int(d[at + 2]) << 8 | int(d[at + 3]);
    };
    return Size(be(16), be(20));
}

// The data files skingen drew for data.pak.
inline std::string dataFile(const std::string& relative)
{
    return (std::filesystem::current_path().parent_path().parent_path() / "skin" / "data" / relative)
        .string();
}

// The rows of one table of assets/skin, each split at "|" and trimmed. A
// missing or empty table fails the test: a loop over no rows checks nothing.
inline std::vector<std::vector<std::string>> tableRows(const std::string& table)
{
    const std::string path =
        (std::filesystem::path(testsupport::dataDir()) / ".." / ".." / "assets" / "skin" / table).string();
    std::ifstream in(path);
    std::vector<std::vector<std::string>> rows;
    if (!in) {
        ADD_FAILURE() << "no table " << path;
        return rows;
    }
    std::string line, field;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::vector<std::string> row;
        while (std::getline(fields, field, '|')) {
            const size_t begin = field.find_first_not_of(" \t\r");
            row.push_back(begin == std::string::npos
                              ? ""
                              : field.substr(begin, field.find_last_not_of(" \t\r") - begin + 1));
        }
        if (!row.empty() && !row[0].empty() && row[0][0] != '#')
            rows.push_back(row);
    }
    if (rows.empty())
        ADD_FAILURE() << "no rows in " << path;
    return rows;
}

inline String wide(const std::string& text)
{
    return String::fromUtf8(text.data(), static_cast<int>(text.size()));
}

} // namespace generatedskins
