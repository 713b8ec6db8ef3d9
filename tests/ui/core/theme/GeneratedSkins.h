#pragma once

#include "foundation/text/String.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/core/theme/ThemeArchive.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

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

// The data files skingen drew for data.pak.
inline std::string dataFile(const std::string& relative)
{
    return (std::filesystem::current_path().parent_path().parent_path() / "skin" / "data" / relative).string();
}

inline std::string trim(const std::string& text)
{
    const size_t begin = text.find_first_not_of(" \t\r\n");
    return begin == std::string::npos ? std::string() : text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
}

// The rows of one table of assets/skin, each split at "|" and trimmed.
inline std::vector<std::vector<std::string>> tableRows(const std::string& table)
{
    std::ifstream in((std::filesystem::path(testsupport::dataDir()) / ".." / ".." / "assets" / "skin" / table).string());
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(in, line)) {
        line = trim(line);
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> fields;
        size_t start = 0;
        for (size_t bar = line.find('|'); bar != std::string::npos; bar = line.find('|', start)) {
            fields.push_back(trim(line.substr(start, bar - start)));
            start = bar + 1;
        }
        fields.push_back(trim(line.substr(start)));
        rows.push_back(fields);
    }
    return rows;
}

inline String wide(const std::string& text)
{
    return String::fromUtf8(text.data(), static_cast<int>(text.size()));
}

} // namespace generatedskins
