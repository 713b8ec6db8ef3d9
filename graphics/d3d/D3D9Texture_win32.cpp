#include "graphics/d3d/D3D9Texture.h"

#include <windows.h>

#include <d3d9.h>

#include <cstring>

namespace {

// GetLevelDesc for level 0, or false.
bool levelDescription(IDirect3DTexture9* texture, D3DSURFACE_DESC& description)
{
    std::memset(&description, 0, sizeof(description));
    return texture && SUCCEEDED(texture->GetLevelDesc(0, &description));
}

} // namespace

D3D9Texture::~D3D9Texture()
{
    release();
}

std::unique_ptr<D3D9Texture> D3D9Texture::create(IDirect3DDevice9* device, int width, int height,
                                                 const uint8_t* pixels)
{
    if (!device || !pixels || width < 1 || height < 1)
        return nullptr;
    IDirect3DTexture9* texture = nullptr;
    if (device->CreateTexture(static_cast<UINT>(width), static_cast<UINT>(height), 1, 0, D3DFMT_A8R8G8B8,
                              D3DPOOL_MANAGED, &texture, nullptr) != D3D_OK ||
        !texture)
        return nullptr;
    std::unique_ptr<D3D9Texture> holder(new D3D9Texture(texture));
    if (!holder->upload(width, height, pixels))
        return nullptr;
    return holder;
}

bool D3D9Texture::upload(int width, int height, const uint8_t* pixels)
{
    D3DLOCKED_RECT locked;
    // No D3DLOCK_DISCARD: it is for dynamic textures, and a managed one may
    // refuse it.
    if (m_texture->LockRect(0, &locked, nullptr, 0) != D3D_OK)
        return false;
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    // The driver chooses the pitch; rows can be wider than the pixels.
    if (!locked.pBits || locked.Pitch < 0 || static_cast<size_t>(locked.Pitch) < rowBytes) {
        m_texture->UnlockRect(0);
        return false;
    }
    uint8_t* target = static_cast<uint8_t*>(locked.pBits);
    for (int y = 0; y < height; ++y)
        std::memcpy(target + static_cast<size_t>(y) * locked.Pitch, pixels + y * rowBytes, rowBytes);
    m_texture->UnlockRect(0);
    return true;
}

Size D3D9Texture::size() const
{
    D3DSURFACE_DESC description;
    if (!levelDescription(m_texture, description))
        return Size();
    return Size(static_cast<int32_t>(description.Width), static_cast<int32_t>(description.Height));
}

uint32_t D3D9Texture::pixelFormat() const
{
    D3DSURFACE_DESC description;
    if (!levelDescription(m_texture, description))
        return 0;
    switch (description.Format) {
    case D3DFMT_R8G8B8:
        return kFormatR8G8B8;
    case D3DFMT_X8R8G8B8:
        return kFormatX8R8G8B8;
    case D3DFMT_A8R8G8B8:
        return kFormatA8R8G8B8;
    case D3DFMT_A8:
        return kFormatA8;
    case D3DFMT_R5G6B5:
        return kFormatR5G6B5;
    default:
        return 0;
    }
}

void D3D9Texture::release()
{
    if (!m_texture)
        return;
    m_texture->Release();
    m_texture = nullptr;
}
