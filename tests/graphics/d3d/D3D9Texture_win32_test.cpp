#include "graphics/d3d/D3D9Texture.h"

#include <windows.h>

#include <d3d9.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A real Direct3D 9 device on a hidden window, with d3d9.dll loaded at run
// time as the cover flow loads it.
class Direct3DTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_library = LoadLibraryW(L"d3d9.dll");
        ASSERT_NE(nullptr, m_library);
        using Create = IDirect3D9*(WINAPI*)(UINT);
        const Create create =
            reinterpret_cast<Create>(reinterpret_cast<void*>(GetProcAddress(m_library, "Direct3DCreate9")));
        ASSERT_NE(nullptr, create);
        m_direct3D = create(D3D_SDK_VERSION);
        ASSERT_NE(nullptr, m_direct3D);
        m_window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, m_window);
        D3DPRESENT_PARAMETERS parameters = {};
        parameters.Windowed = TRUE;
        parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
        parameters.BackBufferFormat = D3DFMT_UNKNOWN;
        parameters.BackBufferWidth = 64;
        parameters.BackBufferHeight = 64;
        parameters.hDeviceWindow = m_window;
        ASSERT_EQ(D3D_OK,
                  m_direct3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, m_window,
                                           D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters, &m_device));
    }

    void TearDown() override
    {
        if (m_device)
            m_device->Release();
        if (m_direct3D)
            m_direct3D->Release();
        if (m_window)
            DestroyWindow(m_window);
        if (m_library)
            FreeLibrary(m_library);
    }

    IDirect3DTexture9* rawTexture(D3DFORMAT format)
    {
        IDirect3DTexture9* texture = nullptr;
        if (m_device->CreateTexture(16, 8, 1, 0, format, D3DPOOL_MANAGED, &texture, nullptr) != D3D_OK)
            return nullptr;
        return texture;
    }

    HMODULE m_library = nullptr;
    IDirect3D9* m_direct3D = nullptr;
    HWND m_window = nullptr;
    IDirect3DDevice9* m_device = nullptr;
};

std::vector<uint8_t> pattern(int width, int height)
{
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
            p[0] = static_cast<uint8_t>(x * 7);
            p[1] = static_cast<uint8_t>(y * 11);
            p[2] = static_cast<uint8_t>(x + y);
            p[3] = static_cast<uint8_t>(255 - x);
        }
    }
    return pixels;
}

} // namespace

TEST_F(Direct3DTest, UploadsAnOddSizedImageRowByRow)
{
    const int width = 37, height = 23;
    const std::vector<uint8_t> pixels = pattern(width, height);
    std::unique_ptr<D3D9Texture> holder = D3D9Texture::create(m_device, width, height, pixels.data());
    ASSERT_TRUE(holder);
    ASSERT_NE(nullptr, holder->texture());
    EXPECT_EQ(Size(width, height), holder->size());
    EXPECT_EQ(Texture::kFormatA8R8G8B8, holder->pixelFormat());
    EXPECT_TRUE(holder->name().set(u"cover-37x23.png"));

    // Read the texture back through its own pitch: every row must hold the
    // source row, whatever the pitch is.
    D3DLOCKED_RECT locked;
    ASSERT_EQ(D3D_OK, holder->texture()->LockRect(0, &locked, nullptr, D3DLOCK_READONLY));
    ASSERT_GE(locked.Pitch, width * 4);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(locked.pBits) + y * locked.Pitch;
        ASSERT_EQ(0, std::memcmp(row, &pixels[static_cast<size_t>(y) * width * 4], width * 4)) << "row " << y;
    }
    holder->texture()->UnlockRect(0);

    holder->release();
    EXPECT_EQ(nullptr, holder->texture());
    holder.reset();
}

TEST_F(Direct3DTest, RefusesWhatCannotBeATexture)
{
    const std::vector<uint8_t> pixels = pattern(4, 4);
    EXPECT_FALSE(D3D9Texture::create(m_device, 0, 4, pixels.data()));
    EXPECT_FALSE(D3D9Texture::create(m_device, 4, -1, pixels.data()));
    EXPECT_FALSE(D3D9Texture::create(m_device, 4, 4, nullptr));
    EXPECT_FALSE(D3D9Texture::create(nullptr, 4, 4, pixels.data()));
    // Far beyond any device's largest texture: CreateTexture fails and no
    // holder is left behind (the pixels are never read).
    EXPECT_FALSE(D3D9Texture::create(m_device, 1 << 20, 1, pixels.data()));
}

TEST_F(Direct3DTest, AnswersTheFormatOfLevelZero)
{
    const struct
    {
        D3DFORMAT format;
        uint32_t code;
    } cases[] = {
        {D3DFMT_A8R8G8B8, Texture::kFormatA8R8G8B8},
        {D3DFMT_X8R8G8B8, Texture::kFormatX8R8G8B8},
        {D3DFMT_R5G6B5, Texture::kFormatR5G6B5},
        {D3DFMT_A8, Texture::kFormatA8},
        {D3DFMT_X1R5G5B5, 0},
        {D3DFMT_A4R4G4B4, 0},
    };
    for (const auto& c : cases) {
        IDirect3DTexture9* texture = rawTexture(c.format);
        ASSERT_NE(nullptr, texture) << "format " << c.format;
        D3D9Texture holder(texture);
        EXPECT_EQ(c.code, holder.pixelFormat()) << "format " << c.format;
        EXPECT_EQ(Size(16, 8), holder.size());
    }
}

TEST_F(Direct3DTest, ReleasesItsReferenceExactlyOnce)
{
    IDirect3DTexture9* texture = rawTexture(D3DFMT_A8R8G8B8);
    ASSERT_NE(nullptr, texture);
    texture->AddRef(); // ours, besides the holder's

    D3D9Texture* holder = new D3D9Texture(texture);
    holder->release();
    holder->release();
    EXPECT_EQ(nullptr, holder->texture());
    delete holder;
    EXPECT_EQ(0u, texture->Release()) << "the holder released once in all";

    IDirect3DTexture9* second = rawTexture(D3DFMT_A8R8G8B8);
    ASSERT_NE(nullptr, second);
    second->AddRef();
    delete new D3D9Texture(second);
    EXPECT_EQ(0u, second->Release()) << "the destructor released once";

    // A holder that never got a texture releases nothing and answers nothing.
    D3D9Texture empty;
    EXPECT_EQ(Size(), empty.size());
    EXPECT_EQ(0u, empty.pixelFormat());
    empty.release();
}
