#pragma once

// The native build's boundary: our paths are Windows paths with '\', the system
// wants '/' and UTF-8. Only the *_posix.cpp files include this.

#include "foundation/text/String.h"

#include <string>

std::string toNativePath(const String& path);
String fromNativePath(const std::string& path);
