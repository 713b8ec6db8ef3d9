#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"

#include <cstdint>

// What the program asks of the system and the shell: the Windows version and
// edition, the processor and memory, the user, the special folders, opening
// files and links with the shell, starting and finding processes. Failures
// give the empty String, 0 or false.
class SystemInfo
{
public:
    // The facts the operating-system code is decided from.
    struct OsFacts
    {
        bool isNt = false;
        int major = 0;
        int minor = 0;
        int productType = 0;
        uint32_t suiteMask = 0;
        int architecture = 0;
        bool serverR2 = false;
    };

    // Operating-system codes.
    static constexpr int kUnknownOs = 0;
    static constexpr int kWindowsNt = 3;
    static constexpr int kWindows2000 = 4;
    static constexpr int kWindowsServer2003 = 5;
    static constexpr int kWindows2008 = 6;
    static constexpr int kWindowsXp = 7;
    static constexpr int kWindowsVista = 8;
    static constexpr int kWindows7 = 9;

    // Special folder indexes that have callers.
    static constexpr int kApplicationData = 10;
    static constexpr int kSendTo = 15;
    static constexpr int kTemporary = 16;
    static constexpr int kDocuments = 18;
    static constexpr int kPathLengthLimit = 260;

    static int osCode();
    static String osName();
    static int osCodeFor(const OsFacts& facts);
    static String osNameFor(int code);
    static bool isXpOrLater();
    static bool isVistaOrLater();
    static bool isWindows7OrLater();
    static bool isVersionAtLeast(int major, int minor, int wantedMajor, int wantedMinor);
    // Either pointer may be null.
    static void version(int* major, int* minor);
    static void servicePack(int* major, int* minor);
    // 64 when the 32-bit program runs on a 64-bit system, else 32.
    static int bitness();
    static bool is64Bit() { return bitness() == 64; }

    static int processorCount();
    static String processorArchitectureName();
    static String architectureNameFor(int architecture);
    // "Home Edition" or "Professional"; empty when the version is unknown.
    static String editionName();
    static String editionNameFor(uint32_t suiteMask);
    // Flags: 1 MMX, 2 SSE, 4 SSE2, 8 3DNow.
    static uint32_t processorFeatures();
    static String processorSignature();
    // The four bytes of the value, lowest first, as lower-case hexadecimal.
    static String signatureText(uint32_t value);
    // Physical memory in MiB (rounded up by one), 0 when unknown.
    static uint32_t physicalMemoryMb();
    // Milliseconds since the user's last input.
    static uint32_t idleTime();
    static String userName();
    static String computerName();

    // A folder by index 0-22 (Windows, system, program files ... favourites;
    // 16 is the temporary folder); empty for any other index.
    static String specialFolder(int index);
    // Opens the file, folder or address with its program; nothing for an
    // empty path.
    static void shellOpen(const String& path);
    static bool shellExecute(const String& path);
    static bool shellExecute(const String& program, const String& parameters);
    static bool runProcess(const String& commandLine, bool waitIdle, bool waitEnd);
    // Starts one of the program's own executables (its restart helper) as
    // shellExecute does; a recorder that runs them lets it start.
    static bool startOwnProgram(const String& program, const String& parameters);
    // Opens an existing folder, with the named files in it selected.
    static bool showInFolder(const String& folder, const StringList& names);
    // Opens the folder that holds the file, with the file selected.
    static bool showInFolder(const String& filePath);
    static bool isProcessRunning(const String& executablePath);
    static String commandLine();
    // The variable's 8-bit value; empty when it is not set.
    static ByteArray environmentVariable(const char* name);
    static void* moduleHandle();
    static void beep();
};

// The same as SystemInfo::showInFolder for one file.
bool revealInFolder(const String& path);
