#include "ui/core/input/HotKeyShortcut.h"

namespace {

constexpr uint32_t kFirstFunctionKey = 112; // F1
constexpr uint32_t kLastFunctionKey = 135;  // F24

} // namespace

HotKeyShortcut::HotKeyShortcut(uint32_t key, uint32_t modifiers)
    : m_key(key), m_modifiers(modifiers & kModifierMask)
{
}

bool HotKeyShortcut::isValid() const
{
    if (m_id < 0 || m_key == 0)
        return false;
    bool functionKey = m_key >= kFirstFunctionKey && m_key <= kLastFunctionKey;
    return functionKey || m_modifiers != 0;
}

uint64_t HotKeyShortcut::toUInt64() const
{
    if (!isValid())
        return 0;
    return (static_cast<uint64_t>(m_modifiers) << 32) | m_key;
}
