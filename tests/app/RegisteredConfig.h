#pragma once

#include "foundation/data/ConfigFile.h"
#include "model/config/ConfigDefaults.h"

// "config.dat" as a first run has it: every registered key with its
// default, in memory only.
struct RegisteredConfig : ConfigFile
{
    RegisteredConfig()
        : ConfigFile(String(u"config.dat"), String(u"Reelstack app test"), ConfigFile::kUserData,
                     ConfigFile::kXml)
    {
        ConfigDefaultList defaults;
        ConfigDefaults::registerAll(defaults);
        for (const ConfigDefault& known : defaults)
            addEntry(known.key, known.value, String());
    }
};
