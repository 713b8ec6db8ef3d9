#pragma once

#include "ui/views/coverflow/D3D9Calls.h"

struct IDirect3D9;
struct IDirect3DDevice9;
struct IDirect3DIndexBuffer9;
struct IDirect3DSurface9;
struct IDirect3DVertexBuffer9;

// The device's calls on the real Direct3D 9, loaded at run time: the program
// runs without it.
class D3D9SystemCalls : public D3D9Calls
{
public:
    // The library loaded; tests name one that does not exist.
    static void setLibraryName(const char16_t* name);

    D3D9SystemCalls() = default;
    ~D3D9SystemCalls() override;

    bool load() override;
    bool displayMode(Size& size) override;
    bool createDevice(uintptr_t window, const Size& backBuffer) override;
    bool reset(const Size& backBuffer) override;
    Cooperation cooperation() override;
    bool canFilterAnisotropic() override;
    bool createBuffers() override;
    void setStates(bool anisotropic) override;
    void releaseDefaultPool() override;
    void releaseAll() override;
    SceneVertex* lockVertices(int count) override;
    void unlockVertices() override;
    bool setTexture(Texture* texture) override;
    void draw(int kind, int count) override;
    void setTransform(TransformKind kind, const Matrix4& matrix) override;
    void setDepthTest(bool on) override;
    void setViewport(const Size& size) override;
    bool clear(uint32_t colour) override;
    bool beginScene() override;
    void endScene() override;
    Texture* createTexture(const PixelBlock& pixels) override;
    Texture* createRenderTexture(const Size& size) override;
    bool setRenderTexture(Texture* texture) override;
    bool readBack(const Size& size, Image& frame) override;

private:
    bool fillIndices();
    bool ensureReadBackSurfaces(const Size& size);
    void releaseReadBackSurfaces();

    void* m_module = nullptr;
    IDirect3D9* m_direct3d = nullptr;
    IDirect3DDevice9* m_device = nullptr;
    IDirect3DVertexBuffer9* m_vertexBuffer = nullptr;
    IDirect3DIndexBuffer9* m_indexBuffer = nullptr;
    // A render target of the widget's size the frame is copied to, and the
    // system-memory surface it is read back through.
    IDirect3DSurface9* m_target = nullptr;
    IDirect3DSurface9* m_readBack = nullptr;
    Size m_readBackSize;
    Size m_backBuffer;
    uintptr_t m_window = 0;
};
