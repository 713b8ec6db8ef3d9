#include "foundation/platform/SystemInfo.h"

namespace {

const int kArchitectureIntel = 0;
const int kArchitectureIa64 = 6;
const int kArchitectureAmd64 = 9;
const int kWorkstation = 1;
const uint32_t kServerSuites = 0xA000;
const uint32_t kSuitePersonal = 0x200;

} // namespace

int SystemInfo::osCodeFor(const OsFacts& facts)
{
    if (!facts.isNt)
        return kUnknownOs;
    if (facts.major < 5)
        return kWindowsNt;
    if (facts.major == 5) {
        if (facts.minor == 0)
            return kWindows2000;
        if (facts.minor == 1)
            return kWindowsXp;
        if (facts.minor != 2)
            return kUnknownOs;
        // 5.2 is also the 64-bit XP: a workstation on AMD64 that is neither a
        // home or storage server nor Server 2003 R2.
        bool xp64 = facts.productType == kWorkstation && facts.architecture == kArchitectureAmd64 &&
                    !(facts.suiteMask & kServerSuites) && !facts.serverR2;
        return xp64 ? kWindowsXp : kWindowsServer2003;
    }
    if (facts.major == 6 && (facts.minor == 0 || facts.minor == 1)) {
        if (facts.productType != kWorkstation)
            return kWindows2008;
        return facts.minor == 0 ? kWindowsVista : kWindows7;
    }
    return kUnknownOs;
}

String SystemInfo::osNameFor(int code)
{
    switch (code) {
    case 1:
        return String(u"Windows Mobile 5");
    case 2:
        return String(u"Windows Mobile 6");
    case kWindowsNt:
        return String(u"Windows NT");
    case kWindows2000:
        return String(u"Windows 2000");
    case kWindowsServer2003:
        return String(u"Windows Server 2003");
    case kWindows2008:
        return String(u"Windows 2008");
    case kWindowsXp:
        return String(u"Windows XP");
    case kWindowsVista:
        return String(u"Windows Vista");
    case kWindows7:
        return String(u"Windows 7");
    default:
        return String(u"Unknown OS");
    }
}

bool SystemInfo::isVersionAtLeast(int major, int minor, int wantedMajor, int wantedMinor)
{
    return major > wantedMajor || (major == wantedMajor && minor >= wantedMinor);
}

String SystemInfo::architectureNameFor(int architecture)
{
    switch (architecture) {
    case kArchitectureIntel:
        return String(u"Intel");
    case kArchitectureIa64:
        return String(u"IA64");
    case kArchitectureAmd64:
        return String(u"AMD64");
    default:
        return String(u"Unknown");
    }
}

String SystemInfo::editionNameFor(uint32_t suiteMask)
{
    return String(suiteMask & kSuitePersonal ? u"Home Edition" : u"Professional");
}

String SystemInfo::signatureText(uint32_t value)
{
    static const char16_t kDigits[] = u"0123456789abcdef";
    String text;
    for (int byte = 0; byte < 4; ++byte) {
        uint32_t bits = (value >> (byte * 8)) & 0xFF;
        text.appendChar(kDigits[bits >> 4]);
        text.appendChar(kDigits[bits & 0xF]);
    }
    return text;
}
