#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

// The file kinds the program recognises by extension: video files, which the
// folder scan proposes as movies and links play, and audio files.

// "avi", "divx", "mov", "qt", "wmv", "mp4", "mpg", "mpeg", "flv", "mkv",
// "m2ts", "3gp", "m1v", in this order; a new list on every call.
StringList videoFileExtensions();
// The extension without its dot, in any letter case.
bool isVideoExtension(const String& extension);
bool isAudioExtension(const String& extension);
