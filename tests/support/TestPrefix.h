#pragma once

#include "foundation/text/String.h"

#include <string>

namespace testsupport {

// The Windows tests run in a Wine prefix that the test scripts made for them
// and marked as theirs: a file at the root of its drive C: holds one known
// line. Every step of a test that removes data goes through here, and acts
// only inside such a prefix, so a test run by hand in a user's own prefix,
// where the user's collections live, or pointed by a variable at the Unix
// side behind drive Z:, removes nothing.
class TestPrefix
{
public:
    // The marker's file name at the drive's root, and its first line.
    static const char kMarkerName[];
    static const char kMarkerLine[];

    // Whether the drive root ("C:\\") holds the marker.
    static bool isMarked(const std::string& driveRoot);
    // Whether the path (UTF-8) lies below the root of a marked drive: a full
    // path "X:\\..." ('/' counts as '\\') with at least one step below the
    // root and no "." or ".." step. Relative paths, shares, device paths and
    // the root itself are outside.
    static bool holds(const std::string& path);
    // Removes the file or folder with everything in it when the path is held;
    // true when nothing is left there. Outside, false and nothing removed.
    static bool removeTree(const std::string& path);
    static bool removeTree(const String& path);
};

} // namespace testsupport
