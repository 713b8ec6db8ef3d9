#include "ui/core/automation/UIAutomationKeys.h"

namespace {

struct NamedKey
{
    const char* name;
    int key;
};

const NamedKey kKeys[] = {
    {"Backspace", 0x08}, {"Tab", 0x09},    {"Enter", 0x0D},  {"Shift", 0x10},  {"Ctrl", 0x11},
    {"Alt", 0x12},       {"Escape", 0x1B}, {"Space", 0x20},  {"PageUp", 0x21}, {"PageDown", 0x22},
    {"End", 0x23},       {"Home", 0x24},   {"Left", 0x25},   {"Up", 0x26},     {"Right", 0x27},
    {"Down", 0x28},      {"Insert", 0x2D}, {"Delete", 0x2E}, {"Apps", 0x5D},
};

} // namespace

int UIAutomationKeys::virtualKey(const std::string& name)
{
    for (const NamedKey& known : kKeys) {
        if (name == known.name)
            return known.key;
    }
    if (name.size() == 1) {
        char c = name[0];
        if (c >= 'a' && c <= 'z')
            return c - 'a' + 'A';
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            return c;
        return 0;
    }
    if ((name.size() == 2 || name.size() == 3) && name[0] == 'F') {
        int number = 0;
        for (size_t i = 1; i < name.size(); ++i) {
            if (name[i] < '0' || name[i] > '9')
                return 0;
            number = number * 10 + (name[i] - '0');
        }
        if (number >= 1 && number <= 12 && !(name.size() == 3 && name[1] == '0'))
            return 0x70 + number - 1;
    }
    return 0;
}

uint32_t UIAutomationKeys::modifier(const std::string& name)
{
    if (name == "ctrl")
        return kControl;
    if (name == "shift")
        return kShift;
    if (name == "alt")
        return kAlt;
    return 0;
}
