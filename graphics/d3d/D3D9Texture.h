#pragma once

#include "graphics/d3d/Texture.h"

#include <cstdint>
#include <memory>

struct IDirect3DDevice9;
struct IDirect3DTexture9;

// A cover texture held as one Direct3D 9 texture. The holder owns one
// reference and gives it up exactly once, through release() or its destructor,
// whichever comes first.
class D3D9Texture : public Texture
{
public:
    D3D9Texture() = default;
    // Takes over one reference to the texture (which may be null).
    explicit D3D9Texture(IDirect3DTexture9* texture) : m_texture(texture) {}
    ~D3D9Texture() override;

    // A one-level A8R8G8B8 texture in the managed pool holding width x height
    // 32-bit pixels (bytes B, G, R, A; rows top first, width x 4 bytes apart).
    // Null when the sizes are below 1, there are no pixels, or the device
    // refuses; nothing is left behind then.
    static std::unique_ptr<D3D9Texture> create(IDirect3DDevice9* device, int width, int height,
                                               const uint8_t* pixels);

    Size size() const override;
    uint32_t pixelFormat() const override;
    void release() override;

    // What the device binds to draw this cover; null after release().
    IDirect3DTexture9* texture() const { return m_texture; }

private:
    bool upload(int width, int height, const uint8_t* pixels);

    IDirect3DTexture9* m_texture = nullptr;
};
