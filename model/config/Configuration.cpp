#include "model/config/Configuration.h"

#include "foundation/data/ConfigFile.h"
#include "foundation/io/File.h"
#include "model/config/ConfigDefaults.h"

const char16_t Configuration::kFileName[] = u"config.dat";

std::unique_ptr<ConfigFile> Configuration::load(const String& productName)
{
    String name(kFileName);
    // The program folder is asked the same way the file will be.
    ConfigFile beside(name, productName, ConfigFile::kAppDirectory, ConfigFile::kXml);
    int location = File::exists(beside.path()) ? ConfigFile::kAppDirectory : ConfigFile::kUserData;
    std::unique_ptr<ConfigFile> config(new ConfigFile(name, productName, location, ConfigFile::kXml));
    config->load();

    ConfigDefaultList defaults;
    ConfigDefaults::registerAll(defaults);
    if (!hasKnownKeys(*config, defaults))
        reset(*config, defaults);
    return config;
}

bool Configuration::hasKnownKeys(const ConfigFile& config, const ConfigDefaultList& defaults)
{
    if (config.count() != defaults.count())
        return false;
    for (const ConfigDefault& known : defaults) {
        if (!config.contains(known.key))
            return false;
    }
    return true;
}

bool Configuration::reset(ConfigFile& config, const ConfigDefaultList& defaults)
{
    config.clear();
    for (const ConfigDefault& known : defaults)
        config.addEntry(known.key, known.value, String());
    return config.save();
}
