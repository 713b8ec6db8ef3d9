#pragma once

#include <cstdint>

class String;

// The display name of a Windows virtual-key code, such as "Ctrl" or "F5";
// "???" for a code without a name.
String keyName(uint32_t code);
