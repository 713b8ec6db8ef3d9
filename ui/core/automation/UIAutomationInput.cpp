#include "ui/core/automation/UIAutomationInput.h"

std::string UIAutomationInput::fileNamePart(const std::string& text)
{
    std::string part;
    for (char c : text) {
        bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        if (keep && part.size() < 150)
            part += c;
    }
    return part;
}
