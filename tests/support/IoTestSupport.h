#pragma once

// Helpers shared by the file and archive tests: our paths in Windows form for
// the real temporary folders of the test support, and a way to look at files
// that does not go through the code under test.

#include "foundation/io/File.h"
#include "foundation/text/String.h"
#include "tests/support/TestSupport.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace iotest {

using Bytes = std::vector<uint8_t>;

// A native ASCII path as our String, with '\' as separator in both builds.
inline String toPath(const std::string& native)
{
    String path;
    for (char c : native)
        path.appendChar(c == '/' ? u'\\' : char16_t(uint8_t(c)));
    return path;
}

// The text for comparisons in test output: ASCII and line ends as they are,
// anything else as \uXXXX.
inline std::string show(const String& text)
{
    std::string result;
    static const char kHex[] = "0123456789abcdef";
    for (int i = 0; i < text.length(); ++i) {
        char16_t unit = text.at(i);
        if ((unit >= 0x20 && unit < 0x7F) || unit == u'\r' || unit == u'\n') {
            result += char(unit);
            continue;
        }
        result += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            result += kHex[(unit >> shift) & 0xF];
    }
    return result;
}

inline String pathIn(const testsupport::TempDir& dir, const std::string& relative)
{
    String path = toPath(dir.path());
    path.appendChar(u'\\');
    path.append(toPath(relative));
    return path;
}

inline std::string nativeIn(const testsupport::TempDir& dir, const std::string& relative)
{
    std::string path = dir.path();
#ifdef _WIN32
    path += '\\';
    for (char c : relative)
        path += (c == '/' ? '\\' : c);
#else
    path += '/';
    for (char c : relative)
        path += (c == '\\' ? '/' : c);
#endif
    return path;
}

using testsupport::readFileBytes;
using testsupport::writeFileBytes;

// Copies a file to a device's name ("CON.lang") where a file can carry one,
// natively, so that a check letting such a name through finds a real file
// and fails the test. Under Windows the name opens the device: nothing is
// copied and the answer is true.
inline bool copyToDeviceName(const String& source, const String& target)
{
#ifdef _WIN32
    (void)source;
    (void)target;
    return true;
#else
    return File::copy(source, target);
#endif
}

inline Bytes bytesOf(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

} // namespace iotest
