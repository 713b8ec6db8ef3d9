#include "tests/support/TestPrefix.h"

#include "tests/support/TestText.h"

#include <filesystem>
#include <fstream>

namespace testsupport {

const char TestPrefix::kMarkerName[] = "reelstack-test-prefix";
// scripts/wine-env.sh writes the same line.
const char TestPrefix::kMarkerLine[] = "Reelstack tests' own Wine prefix: the tests remove data in it.";

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool isDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The steps after "X:\": none may be empty (a doubled separator passes as
// one), "." or "..".
bool hasPlainSteps(const std::string& path, size_t from)
{
    int steps = 0;
    size_t start = from;
    while (start < path.size()) {
        size_t end = start;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        const std::string step = path.substr(start, end - start);
        if (step == "." || step == "..")
            return false;
        if (!step.empty())
            ++steps;
        start = end + 1;
    }
    return steps > 0;
}

} // namespace

bool TestPrefix::isMarked(const std::string& driveRoot)
{
    std::ifstream marker(std::filesystem::u8path(driveRoot + kMarkerName));
    std::string line;
    return marker && std::getline(marker, line) && line == kMarkerLine;
}

bool TestPrefix::holds(const std::string& path)
{
    if (path.size() < 4 || !isDriveLetter(path[0]) || path[1] != ':' || !isSeparator(path[2]))
        return false;
    return hasPlainSteps(path, 3) && isMarked(path.substr(0, 2) + "\\");
}

bool TestPrefix::removeTree(const std::string& path)
{
    if (!holds(path))
        return false;
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::u8path(path), error);
    const bool left = std::filesystem::exists(std::filesystem::u8path(path), error);
    return !left && !error;
}

bool TestPrefix::removeTree(const String& path)
{
    return removeTree(utf8(path));
}

} // namespace testsupport
