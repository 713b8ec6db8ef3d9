#include "ui/core/platform/SystemServices.h"

namespace {

constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;
constexpr int kExtraLargeIcon = 48;
constexpr int kJumboIcon = 256;

String fourHexDigits(uint16_t value)
{
    String digits = String::fromHexUShort(value);
    while (digits.length() < 4)
        digits = String(u"0") + digits;
    return digits;
}

} // namespace

SystemServices::State& SystemServices::state()
{
    static State state = probe();
    return state;
}

void SystemServices::setScreenSaverAllowed(bool allowed)
{
    state().screenSaverAllowed = allowed;
}

bool SystemServices::screenSaverAllowed()
{
    return state().screenSaverAllowed;
}

void SystemServices::setMonitorPowerOffAllowed(bool allowed)
{
    state().monitorPowerOffAllowed = allowed;
}

bool SystemServices::monitorPowerOffAllowed()
{
    return state().monitorPowerOffAllowed;
}

bool SystemServices::isVistaOrLater()
{
    return state().vistaOrLater;
}

bool SystemServices::isSupportedIconSize(int size)
{
    if (size == kJumboIcon)
        return isVistaOrLater();
    return imageListKind(size) >= 0;
}

int SystemServices::imageListKind(int size)
{
    switch (size) {
    case kSmallIcon:
        return 1;
    case kLargeIcon:
        return 0;
    case kExtraLargeIcon:
        return 2;
    case kJumboIcon:
        return 4;
    default:
        return -1;
    }
}

String SystemServices::fileDescription(const String& path)
{
    return versionField(path, String(u"FileDescription"));
}

String SystemServices::fileVersion(const String& path)
{
    return versionField(path, String(u"FileVersion"));
}

String SystemServices::productName(const String& path)
{
    return versionField(path, String(u"ProductName"));
}

String SystemServices::productVersion(const String& path)
{
    return versionField(path, String(u"ProductVersion"));
}

String SystemServices::companyName(const String& path)
{
    return versionField(path, String(u"CompanyName"));
}

String SystemServices::versionFieldPath(uint16_t language, uint16_t codePage, const String& field)
{
    return String(u"\\StringFileInfo\\") + fourHexDigits(language) + fourHexDigits(codePage) + u'\\' + field;
}

bool SystemServices::ResourceNameSearch::offer(const String& name)
{
    if (seen++ < wanted)
        return true;
    found = name;
    return false;
}
