#include "ui/core/automation/UIAutomationSections.h"

#include <map>

namespace {

std::map<std::string, UIAutomationSections::Source>& sections()
{
    static std::map<std::string, UIAutomationSections::Source> registered;
    return registered;
}

} // namespace

void UIAutomationSections::add(const std::string& name, Source source)
{
    sections()[name] = std::move(source);
}

void UIAutomationSections::remove(const std::string& name)
{
    sections().erase(name);
}

JsonValue UIAutomationSections::dump()
{
    JsonValue all = JsonValue::object();
    for (const auto& section : sections())
        all.set(section.first, section.second ? section.second() : JsonValue());
    return all;
}
