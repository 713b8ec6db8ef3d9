#include "graphics/d3d/D3D9Texture.h"
#include <cstring>
#include <d3d9.h>
#include <gtest/gtest.h>
#include <vector>
#include <windows.h>

// A real Direct3D 9 device on a hidden window, d3d9.dll loaded at run time.
TEST(D3D9Texture, UploadsAtThePitchRefusesAndReleasesExactlyOnce)
{
    using Create = IDirect3D9*(WINAPI*)(UINT);
    const auto create = reinterpret_cast<Create>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"d3d9.dll"), "Direct3DCreate9")));
    IDirect3D9* direct3D = create ? create(D3D_SDK_VERSION) : nullptr;
    ASSERT_NE(nullptr, direct3D);
    HWND window = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr, nullptr, nullptr);
    D3DPRESENT_PARAMETERS parameters = {};
    parameters.Windowed = TRUE;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    IDirect3DDevice9* device = nullptr;
    direct3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window, D3DCREATE_SOFTWARE_VERTEXPROCESSING,
                           &parameters, &device);
    direct3D->Release(); // the device keeps its own reference
    ASSERT_NE(nullptr, device);

    const int width = 37, height = 23; // odd, so the pitch is likely wider than a row
    std::vector<uint8_t> pixels(width * height * 4);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<uint8_t>(i * 7 + i / 148);
    std::unique_ptr<D3D9Texture> holder = D3D9Texture::create(device, width, height, pixels.data());
    ASSERT_TRUE(holder && holder->texture() && holder->size() == Size(width, height));
    D3DLOCKED_RECT locked;
    ASSERT_EQ(D3D_OK, holder->texture()->LockRect(0, &locked, nullptr, D3DLOCK_READONLY));
    const uint8_t* rows = static_cast<uint8_t*>(locked.pBits);
    for (int y = 0; y < height; ++y)
        EXPECT_EQ(0, std::memcmp(rows + y * locked.Pitch, &pixels[y * width * 4], width * 4)) << "row " << y;
    holder->texture()->UnlockRect(0);
    // Nothing is left for what cannot be a texture, nor where the device refuses.
    EXPECT_FALSE(D3D9Texture::create(device, 0, 4, pixels.data()) ||
                 D3D9Texture::create(device, 4, 4, nullptr) ||
                 D3D9Texture::create(nullptr, 4, 4, pixels.data()) ||
                 D3D9Texture::create(device, 1 << 20, 1, pixels.data()));

    const D3DFORMAT formats[] = {D3DFMT_A8R8G8B8, D3DFMT_R5G6B5, D3DFMT_A8, D3DFMT_A4R4G4B4};
    const uint32_t codes[] = {Texture::kFormatA8R8G8B8, Texture::kFormatR5G6B5, Texture::kFormatA8, 0};
    for (int i = 0; i < 4; ++i) {
        IDirect3DTexture9* texture = nullptr;
        ASSERT_EQ(D3D_OK, device->CreateTexture(16, 8, 1, 0, formats[i], D3DPOOL_MANAGED, &texture, nullptr));
        texture->AddRef(); // ours, besides the holder's
        D3D9Texture* texture9 = new D3D9Texture(texture);
        EXPECT_EQ(codes[i], texture9->pixelFormat()) << "format " << formats[i];
        // Released twice and then destroyed, or only destroyed: one release in all.
        for (int n = 0; i % 2 == 0 && n < 2; ++n)
            texture9->release();
        delete texture9;
        EXPECT_EQ(0u, texture->Release()) << "format " << formats[i];
    }
    device->Release();
    DestroyWindow(window);
}
