#pragma once

// A program folder of the tests' own, and "config.dat" files written into it
// entry by entry.

#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "model/config/ConfigDefaults.h"
#include "model/config/Configuration.h"
#include "tests/support/IoTestSupport.h"

#include <gtest/gtest.h>

namespace configtest {

using iotest::show;

inline ConfigDefaultList registered()
{
    ConfigDefaultList defaults;
    ConfigDefaults::registerAll(defaults);
    return defaults;
}

inline std::vector<std::string> registeredKeys()
{
    std::vector<std::string> keys;
    for (const ConfigDefault& entry : registered())
        keys.push_back(show(entry.key));
    return keys;
}

inline std::vector<std::string> keysOf(const ConfigFile& config)
{
    std::vector<std::string> keys;
    for (const String& key : config.keys())
        keys.push_back(show(key));
    return keys;
}

inline std::string valueOf(const ConfigFile& config, const char16_t* key)
{
    return show(config.value(String(key), Variant()).toString());
}

class ConfigTest : public ::testing::Test
{
protected:
    // Not the product's own name: see InstanceNameGuard.
    ConfigTest() : m_core(String(u"Reelstack config test"), String(u"1.2.0"))
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

    testsupport::TempDir m_dir;
    AppCore m_core;
};

} // namespace configtest
