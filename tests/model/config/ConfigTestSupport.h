#pragma once

// A program folder of the tests' own, and "config.dat" files written into it
// entry by entry.

#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "model/config/ConfigDefaults.h"
#include "tests/model/ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace configtest {

class ConfigTest : public ::testing::Test
{
protected:
    ConfigTest() : m_core(String(u"Reelstack"), String(u"1.2.0"))
    {
        m_core.setAppDirectory(iotest::toPath(m_dir.path()));
    }

    // Writes entries as "config.dat" in the program folder, in order.
    void writeConfig(const ConfigDefaultList& entries)
    {
        ConfigFile file(String(u"config.dat"), String(), ConfigFile::kAppDirectory, ConfigFile::kXml);
        for (const ConfigDefault& entry : entries)
            file.addEntry(entry.key, entry.value, String());
        ASSERT_TRUE(file.save());
    }

    iotest::Bytes configBytes() const { return iotest::readFileBytes(iotest::nativeIn(m_dir, "config.dat")); }

    static ConfigDefaultList registered()
    {
        ConfigDefaultList defaults;
        ConfigDefaults::registerAll(defaults);
        return defaults;
    }

    static std::vector<std::string> keysOf(const ConfigFile& config)
    {
        return modeltest::shown(config.keys());
    }

    static std::vector<std::string> registeredKeys()
    {
        std::vector<std::string> keys;
        for (const ConfigDefault& entry : registered())
            keys.push_back(iotest::show(entry.key));
        return keys;
    }

    testsupport::TempDir m_dir;
    AppCore m_core;
};

} // namespace configtest
