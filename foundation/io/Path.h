#pragma once

#include "foundation/text/String.h"

// The path rules every caller shares. Paths are Windows paths with '\' as
// separator in both builds; only the native file layer turns them into POSIX
// paths. All functions are pure text work except pathDirectory, nearestExistingFolder
// and uniqueFileName, which ask the file system.

constexpr char16_t kPathSeparator = u'\\';
constexpr int kMaxPathLength = 260;
// The longest name of one file or folder the system's file systems accept.
constexpr int kMaxFileNameLength = 255;

char16_t pathSeparator();

// The text after the last '.' of the file name; caseMode 1 lower-cases it,
// 2 upper-cases it. Empty when the name has no extension.
String pathExtension(const String& path, int caseMode = 0);
String pathFileName(const String& path);
String pathDirectory(const String& path);
String pathBaseName(const String& path);
String pathDirectoryName(const String& path);

bool isDriveRoot(const String& path);
String driveLetter(const String& path);
bool isPathLengthValid(const String& path);
// Whether the name can stand as one file or folder name joined to a folder
// and still mean a file inside it: not empty, at most kMaxFileNameLength
// units, no separator of either kind, no drive colon, none of * ? " < > |,
// no control character, and no trailing dot or blank (the system drops
// them, so "..." or ".. " would become ".."; this also refuses "." and
// ".."). Every name read from a file passes it before it is joined.
bool isValidFileName(const String& name);
// Whether the name is a device's: CON, PRN, AUX, NUL, CONIN$, CONOUT$,
// COM1-COM9 or LPT1-LPT9 (or COM and LPT with a superscript 1, 2 or 3) in any
// case, alone or before a dot and whatever follows it, blanks before the dot
// included. The system opens the device for such a name in every
// folder, so it never names a file that is read, written or removed.
bool isDeviceFileName(const String& name);
// Whether a name read from outside (a file, the configuration, an archive)
// can be joined to a folder: it passes isValidFileName and is no device's
// name. Adding an extension keeps the answer about the device, since
// isDeviceFileName looks only at the part before the first dot.
bool isUsableFileName(const String& name);
String makeValidFileName(const String& name);

String normalizePath(const String& path);
bool isNormalized(const String& path);
String nearestExistingFolder(const String& path);

// A file name base_NNNN.extension that does not exist in folder yet, or the
// empty String when the folder is missing or every number is taken.
String uniqueFileName(const String& base, const String& extension, const String& folder);
