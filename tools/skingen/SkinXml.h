#pragma once

#include "tools/skingen/SkinSource.h"

#include <string>

// The XML parts of a skin archive and the data archive's cursor list, as
// ASCII text.
class SkinXml
{
public:
    static std::string skins(const SkinSource& source);
    // With `test`, colour, pen and brush values become the test colours.
    static std::string models(const SkinSource& source, bool test);
    static std::string metrics(const SkinSource& source, bool test);
    static std::string cursors(const SkinSource& source);

private:
    static std::string attribute(const std::string& name, const std::string& value);
};
