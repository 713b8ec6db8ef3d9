#pragma once

#include "foundation/data/PakArchive.h"
#include "foundation/text/String.h"
#include "tests/support/TestSupport.h"

#ifndef _WIN32
#include "foundation/io/PosixPath.h"
#endif

#include <string>
#include <vector>

// Skin archives made by a test: each item written to a file of a temporary
// folder and packed.
inline String themePath(const std::string& native)
{
#ifdef _WIN32
    return String::fromUtf8(native.data(), static_cast<int>(native.size()));
#else
    return fromNativePath(native);
#endif
}

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
    String save()
    {
        const String path = themePath(m_dir.file("theme.style"));
        m_archive.save(path);
        return path;
    }

private:
    testsupport::TempDir m_dir;
    PakArchive m_archive;
    int m_count = 0;
};
