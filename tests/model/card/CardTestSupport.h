#pragma once

// A program folder for card tests: an application core whose "data" archive
// holds the given template parts, and the card's template folder on disk.

#include "foundation/core/AppCore.h"
#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "tests/foundation/io/IoTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace cardtest {

class ProgramFolder
{
public:
    explicit ProgramFolder(const std::map<std::string, std::string>& parts)
        : m_core(String(u"Reelstack"), String(u"1.2.0"))
    {
        m_core.setAppDirectory(iotest::pathIn(m_dir, "program"));
        EXPECT_TRUE(Directory::create(iotest::pathIn(m_dir, "program\\data\\templates\\default")));
        EXPECT_TRUE(Directory::create(iotest::pathIn(m_dir, "source\\templates\\default")));
        for (const auto& part : parts) {
            std::string file = "source/templates/default/" + part.first + ".html";
            EXPECT_TRUE(iotest::writeFileBytes(iotest::nativeIn(m_dir, file), iotest::bytesOf(part.second)));
        }
        PakArchive archive;
        String pak = iotest::pathIn(m_dir, "program\\data.pak");
        EXPECT_TRUE(archive.packFolder(iotest::pathIn(m_dir, "source"), pak));
        EXPECT_TRUE(m_core.openPak(pak));
    }

    String path(const std::string& relative) const { return iotest::pathIn(m_dir, relative); }
    std::string native(const std::string& relative) const { return iotest::nativeIn(m_dir, relative); }

private:
    testsupport::TempDir m_dir;
    AppCore m_core;
};

} // namespace cardtest
