#pragma once

#include "ui/core/widget/UINativeWindow.h"

// A native window that does nothing but remember whether it is shown: the
// base of the stand-ins that need only one or two of the host's answers.
class NullNativeWindow : public UINativeWindow
{
public:
    void create() override {}
    void* handle() const override { return nullptr; }
    Rect frameMargins() const override { return Rect(0, 0, 0, 0); }
    Rect frameGeometry() const override { return Rect(); }
    bool isVisible() const override { return m_visible; }
    void setVisible(bool visible, bool, bool) override { m_visible = visible; }
    void setEnabled(bool) override {}
    bool isEnabled() const override { return true; }
    void move(int, int) override {}
    void resize(int, int) override {}
    void setFocus(bool) override {}
    bool hasFocus() const override { return false; }
    void setWindowState(uint32_t) override {}
    uint32_t windowState() const override { return 0; }
    void setWindowFlag(uint32_t, bool) override {}
    void setWindowFlags(uint32_t) override {}
    uint32_t windowFlags() const override { return 0; }
    void setAuxFlag(bool) override {}
    bool auxFlag() const override { return false; }
    void setBlocked(bool) override {}
    void setOpacity(float) override {}
    float opacity() const override { return 1.0f; }
    void flash(int) override {}
    void setTitle(const String&) override {}
    String title() const override { return String(); }
    void setTitleSuffix(const String&) override {}
    String titleSuffix() const override { return String(); }
    void invalidate() override {}
    void updateLayered(const Image&) override {}
    Image layeredImage() const override { return Image(); }

private:
    bool m_visible = false;
};
