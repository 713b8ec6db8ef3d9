#pragma once

#include "foundation/geometry/Size.h"
#include "graphics/d3d/ObjectName.h"

#include <cstdint>

// A texture of the 3D cover flow, with the short name the scene knows it by.
// The pixels live with the graphics device, not here.
class Texture
{
public:
    // Pixel format codes of pixelFormat(), one bit each.
    static constexpr uint32_t kFormatR8G8B8 = 1;
    static constexpr uint32_t kFormatX8R8G8B8 = 2;
    static constexpr uint32_t kFormatA8R8G8B8 = 4;
    static constexpr uint32_t kFormatA8 = 8;
    static constexpr uint32_t kFormatR5G6B5 = 16;

    Texture() = default;
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;
    virtual ~Texture();

    // In texels; {0, 0} when the device cannot say.
    virtual Size size() const = 0;
    // One of the kFormat codes, or 0 for any other format.
    virtual uint32_t pixelFormat() const = 0;
    uint32_t formatCode() const { return pixelFormat(); }
    // Gives the device texture up; the object stays and holds nothing.
    virtual void release() = 0;

    ObjectName& name() { return m_name; }
    const ObjectName& name() const { return m_name; }

private:
    ObjectName m_name;
};
