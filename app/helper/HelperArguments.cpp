#include "app/helper/HelperArguments.h"

bool HelperArguments::parse(const std::vector<std::u16string>& arguments)
{
    m_programPath.clear();
    m_tries = 0;
    std::u16string path;
    int tries = 0;
    bool hasPath = false;
    bool hasTries = false;
    if (arguments.size() != 4)
        return false;
    for (size_t i = 0; i < arguments.size(); i += 2) {
        const std::u16string& name = arguments[i];
        const std::u16string& value = arguments[i + 1];
        if (name == u"-path" && !hasPath) {
            if (value.empty())
                return false;
            path = value;
            hasPath = true;
        } else if (name == u"-try" && !hasTries) {
            if (!parseCount(value, tries))
                return false;
            hasTries = true;
        } else {
            return false;
        }
    }
    m_programPath = path;
    m_tries = tries;
    return true;
}

bool HelperArguments::parseCount(const std::u16string& text, int& count)
{
    if (text.empty() || text.size() > 7)
        return false;
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10 + (c - u'0');
    }
    if (value < 1 || value > kMaximumTries)
        return false;
    count = value;
    return true;
}
