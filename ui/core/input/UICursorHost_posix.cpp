#include "ui/core/input/UICursorHost.h"

namespace {

// No pointer natively: the shape is only remembered.
class MemoryCursorHost : public UICursorHost
{
public:
    Point position() const override { return Point(); }
    int shape() const override { return m_shape; }
    void setShape(int shape) override { m_shape = shape; }

private:
    int m_shape = 1;
};

} // namespace

UICursorHost* UICursorHost::systemHost()
{
    static MemoryCursorHost host;
    return &host;
}
