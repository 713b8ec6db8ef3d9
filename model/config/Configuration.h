#pragma once

#include "foundation/text/String.h"
#include "model/config/ConfigDefault.h"

#include <memory>

class ConfigFile;

// Where "config.dat" lies and when it is rebuilt. A "config.dat" in the
// program folder is used there, so a copy of the program can carry its own
// settings; otherwise the file lives in the user's application-data folder
// under the product name. A file whose keys are not exactly the known ones
// (from another version, damaged, edited) is replaced as a whole by the
// defaults: single keys are never mixed from two versions.
class Configuration
{
public:
    static const char16_t kFileName[];

    // The loaded configuration; never null. A file that had to be rebuilt is
    // saved at once.
    static std::unique_ptr<ConfigFile> load(const String& productName);

    // Exactly the registered keys, in any order: no key missing, none more.
    static bool hasKnownKeys(const ConfigFile& config, const ConfigDefaultList& defaults);
    // Replaces every entry by the registered defaults, in registration order,
    // and saves the file; the result of the save.
    static bool reset(ConfigFile& config, const ConfigDefaultList& defaults);
};
