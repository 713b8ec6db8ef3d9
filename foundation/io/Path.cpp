#include "foundation/io/Path.h"

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/text/CharClass.h"

namespace {

const int kMaxExtensionLength = 255;
const int kUniqueNameTries = 10000;

int lastIndexOf(const String& text, char16_t unit)
{
    for (int i = text.length() - 1; i >= 0; --i) {
        if (text.at(i) == unit)
            return i;
    }
    return -1;
}

String left(const String& text, int count)
{
    if (count <= 0)
        return String();
    return String(text.data(), count);
}

String from(const String& text, int start)
{
    if (start >= text.length())
        return String();
    return String(text.data() + start, text.length() - start);
}

String withTrailingSeparator(const String& path)
{
    String result(path);
    if (result.isEmpty() || result.at(result.length() - 1) != kPathSeparator)
        result.appendChar(kPathSeparator);
    return result;
}

bool isAllowedFileNameSymbol(char16_t unit)
{
    static const char16_t kAllowed[] = u"$%-_@~!(){}^#&+=[].,;\u2116";
    for (const char16_t* p = kAllowed; *p; ++p) {
        if (*p == unit)
            return true;
    }
    return false;
}

bool startsWithNoCase(const String& text, const char16_t* prefix)
{
    int i = 0;
    for (; prefix[i]; ++i) {
        if (i >= text.length())
            return false;
        char16_t unit = text.at(i);
        if (unit >= u'A' && unit <= u'Z')
            unit = char16_t(unit - u'A' + u'a');
        if (unit != prefix[i])
            return false;
    }
    return true;
}

// The names the system keeps for its devices. A numbered one takes a digit
// from 1 to 9 or a superscript one, two or three (the system counts those as
// digits too), so "COM0" and "COM10" stay ordinary names.
const char16_t* const kDeviceNames[] = {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"};
const char16_t* const kNumberedDevices[] = {u"COM", u"LPT"};
const char16_t kDeviceDigits[] = u"123456789\u00b9\u00b2\u00b3";

bool isDeviceDigit(char16_t unit)
{
    for (const char16_t* digit = kDeviceDigits; *digit; ++digit) {
        if (*digit == unit)
            return true;
    }
    return false;
}

// Whether the name, without extension and trailing blanks, is a device's,
// in any case.
bool isDeviceBase(const String& base)
{
    const String upper = base.toUpper();
    for (const char16_t* device : kDeviceNames) {
        if (String::equalsCString(upper, device))
            return true;
    }
    if (upper.length() != 4 || !isDeviceDigit(upper.at(3)))
        return false;
    const String prefix = upper.mid(0, 3);
    for (const char16_t* device : kNumberedDevices) {
        if (String::equalsCString(prefix, device))
            return true;
    }
    return false;
}

// The name up to its first dot: what the system compares with the devices.
String nameBeforeFirstDot(const String& name)
{
    const int dot = name.indexOfChar(u'.', 0, String::kCaseSensitive);
    return dot < 0 ? name : name.mid(0, dot);
}

String numberedName(const String& base, int number, const String& extension)
{
    char16_t digits[5] = {0};
    for (int i = 3; i >= 0; --i) {
        digits[i] = char16_t(u'0' + number % 10);
        number /= 10;
    }
    String name(base);
    name.appendChar(u'_');
    name.append(String(digits));
    name.appendChar(u'.');
    name.append(extension);
    return name;
}

} // namespace

char16_t pathSeparator()
{
    return kPathSeparator;
}

String pathExtension(const String& path, int caseMode)
{
    int dot = lastIndexOf(path, u'.');
    if (dot < 0 || dot < lastIndexOf(path, kPathSeparator) || dot == path.length() - 1)
        return String();
    String extension = from(path, dot + 1);
    if (extension.length() > kMaxExtensionLength)
        extension = left(extension, kMaxExtensionLength);
    if (caseMode == 1)
        return extension.toLower();
    if (caseMode == 2)
        return extension.toUpper();
    return extension;
}

String pathFileName(const String& path)
{
    int separator = lastIndexOf(path, kPathSeparator);
    if (separator < 0)
        return path;
    return from(path, separator + 1);
}

String pathDirectory(const String& path)
{
    int separator = lastIndexOf(path, kPathSeparator);
    if (separator < 0)
        return String();
    if (separator == path.length() - 1)
        return left(path, separator);
    bool lastPartHasDot = lastIndexOf(path, u'.') > separator;
    if (!lastPartHasDot && !File::exists(path))
        return path;
    return left(path, separator);
}

String pathBaseName(const String& path)
{
    String name = pathFileName(path);
    int dot = lastIndexOf(name, u'.');
    if (dot <= 0)
        return String();
    if (dot == name.length() - 1)
        return name;
    return left(name, dot);
}

String pathDirectoryName(const String& path)
{
    String directory = pathDirectory(path);
    int separator = lastIndexOf(directory, kPathSeparator);
    if (separator < 0 || separator == directory.length() - 1)
        return directory;
    return from(directory, separator + 1);
}

bool isDriveRoot(const String& path)
{
    int length = path.length();
    if (length < 3)
        return false;
    return lastIndexOf(path, u':') == length - 2 && isAsciiLetter(path.at(length - 3)) &&
           path.at(length - 1) == kPathSeparator;
}

String driveLetter(const String& path)
{
    int colon = lastIndexOf(path, u':');
    if (colon <= 0 || colon >= path.length() - 1)
        return String();
    if (!isAsciiLetter(path.at(colon - 1)) || path.at(colon + 1) != kPathSeparator)
        return String();
    return String(path.data() + colon - 1, 1);
}

bool isPathLengthValid(const String& path)
{
    return !path.isEmpty() && path.length() < kMaxPathLength;
}

bool isValidFileName(const String& name)
{
    if (name.isEmpty() || name.length() > kMaxFileNameLength || name.last() == u'.' || name.last() == u' ')
        return false;
    static const char16_t kForbidden[] = u"\\/:*?\"<>|";
    for (int i = 0; i < name.length(); ++i) {
        if (name.at(i) < 0x20)
            return false;
        for (const char16_t* p = kForbidden; *p; ++p) {
            if (name.at(i) == *p)
                return false;
        }
    }
    return true;
}

bool isDeviceFileName(const String& name)
{
    return isDeviceBase(nameBeforeFirstDot(name).trimRight());
}

bool isUsableFileName(const String& name)
{
    return isValidFileName(name) && !isDeviceFileName(name);
}

String makeValidFileName(const String& name)
{
    if (name.isEmpty())
        return String();
    String result(name);
    int length = result.length();
    for (int i = 0; i < length; ++i) {
        char16_t unit = result.at(i);
        if (!isAlphaNumericChar(unit) && !isAllowedFileNameSymbol(unit))
            *result.charAt(i) = u'_';
    }
    if (result.at(0) == u'.')
        *result.charAt(0) = u'_';
    if (result.at(length - 1) == u'.')
        *result.charAt(length - 1) = u'_';

    // Blanks are gone by now, so the part before the dot is what the system
    // would take for a device.
    const int deviceLength = nameBeforeFirstDot(result).length();
    if (!isDeviceBase(result.mid(0, deviceLength)))
        return result;
    for (int i = 0; i < deviceLength; ++i)
        *result.charAt(i) = u'_';
    return result;
}

String normalizePath(const String& path)
{
    String text = path.trim();
    if (text.isEmpty())
        return String();
    int start = 0;
    if (startsWithNoCase(text, u"\\\\?\\"))
        start = 4;

    String result;
    result.reserve(text.length() - start + 8);
    for (int i = start; i < text.length(); ++i) {
        char16_t unit = text.at(i);
        bool lastIsSeparator = !result.isEmpty() && result.at(result.length() - 1) == kPathSeparator;
        if (unit == u'/' || unit == kPathSeparator) {
            if (!lastIsSeparator)
                result.appendChar(kPathSeparator);
        } else if (unit == u':') {
            result.appendChar(u':');
            result.appendChar(kPathSeparator);
        } else {
            result.appendChar(unit);
        }
    }
    return result;
}

bool isNormalized(const String& path)
{
    return path == normalizePath(path);
}

String nearestExistingFolder(const String& path)
{
    if (path.isEmpty())
        return String();
    String folder = withTrailingSeparator(path);
    for (int i = folder.length() - 2; i >= 0; --i) {
        if (folder.at(i) != kPathSeparator)
            continue;
        String candidate = left(folder, i + 1);
        if (Directory::exists(candidate))
            return candidate;
    }
    return String();
}

String uniqueFileName(const String& base, const String& extension, const String& folder)
{
    if (base.isEmpty() || extension.isEmpty() || folder.isEmpty() || !Directory::exists(folder))
        return String();
    String prefix = withTrailingSeparator(folder);
    for (int i = 0; i < kUniqueNameTries; ++i) {
        String name = numberedName(base, i, extension);
        if (!File::exists(prefix + name))
            return name;
    }
    return String();
}
