#include "ui/widgets/color/UIColorChooser.h"

#include "ui/core/application/UIApplication.h"

namespace {

constexpr uint32_t kRgbInit = 0x1;
constexpr uint32_t kFullOpen = 0x2;
constexpr uint32_t kEnableHook = 0x10;
constexpr uint32_t kAnyColor = 0x100;

} // namespace

UIColorChooser::UIColorChooser(UIWidget* parent) : m_parent(parent) {}

UIColorChooser::~UIColorChooser() = default;

bool UIColorChooser::exec()
{
    uint32_t chosen = toSystemColor(m_color);
    UIApplication* application = UIApplication::instance();
    application->enterModal();
    const bool accepted = runDialog(&chosen);
    application->leaveModal();
    return acceptResult(accepted, chosen);
}

uint32_t UIColorChooser::systemFlags() const
{
    uint32_t flags = kRgbInit | kAnyColor;
    if (m_fullOpen)
        flags |= kFullOpen;
    if (m_parent)
        flags |= kEnableHook;
    return flags;
}

uint32_t UIColorChooser::toSystemColor(const Color& color)
{
    return uint32_t(color.red()) | uint32_t(color.green()) << 8 | uint32_t(color.blue()) << 16;
}

bool UIColorChooser::acceptResult(bool accepted, uint32_t systemColor)
{
    if (!accepted) {
        m_selectedColor = Color(255, 0, 0, 0);
        return false;
    }
    m_selectedColor = Color(255, uint8_t(systemColor), uint8_t(systemColor >> 8), uint8_t(systemColor >> 16));
    return true;
}

Rect UIColorChooser::centredOver(const Rect& dialog, const Rect& frame)
{
    return frame.align(Rect(0, 0, dialog.width, dialog.height), Rect::kAlignHCenter | Rect::kAlignVCenter);
}
