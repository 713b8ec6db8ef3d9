#include "ui/core/platform/UIInputMethodBackend.h"

namespace {

// Without an input method every window is unknown and has no context.
class NoInputMethod : public UIInputMethodBackend
{
public:
    bool isWindow(void*) const override { return false; }
    void* associateContext(void*, void*) override { return nullptr; }
    bool endComposition(void*, bool) override { return false; }
    bool placeComposition(void*, const Point&, const FontDesc&) override { return false; }
};

} // namespace

UIInputMethodBackend* UIInputMethodBackend::systemBackend()
{
    static NoInputMethod backend;
    return &backend;
}
