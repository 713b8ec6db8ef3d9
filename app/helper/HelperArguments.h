#pragma once

#include <string>
#include <vector>

// The command line of Helper.exe: -path "<program>" -try "<n>", in either
// order, each once. The program is started again once its running instance
// has ended; n is how many times (10 ms apart) the helper looks.
class HelperArguments
{
public:
    static constexpr int kMaximumTries = 1000000;

    // The arguments after the helper's own name. False, leaving the fields
    // empty, for anything else: an unknown or repeated switch, a switch
    // without its value, an empty path, or a count that is no whole number
    // from 1 to kMaximumTries.
    bool parse(const std::vector<std::u16string>& arguments);

    const std::u16string& programPath() const { return m_programPath; }
    int tries() const { return m_tries; }

private:
    static bool parseCount(const std::u16string& text, int& count);

    std::u16string m_programPath;
    int m_tries = 0;
};
