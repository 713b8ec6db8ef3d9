#include "ui/views/coverflow/D3D9SystemCalls.h"

#include "graphics/d3d/D3D9Texture.h"
#include "graphics/image/Image.h"

#include <windows.h>

#include <d3d9.h>

#include <algorithm>
#include <cstring>

namespace {

const DWORD kVertexFormat = D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1;
const char16_t* g_libraryName = u"d3d9";

template <class T> void releaseCom(T*& object)
{
    if (!object)
        return;
    object->Release();
    object = nullptr;
}

D3DMATRIX toD3D(const Matrix4& matrix)
{
    D3DMATRIX out;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col)
            out.m[row][col] = matrix.m[row][col];
    }
    return out;
}

} // namespace

std::unique_ptr<D3D9Calls> systemD3D9Calls()
{
    return std::make_unique<D3D9SystemCalls>();
}

void D3D9SystemCalls::setLibraryName(const char16_t* name)
{
    g_libraryName = name ? name : u"d3d9";
}

D3D9SystemCalls::~D3D9SystemCalls()
{
    releaseAll();
    // The library stays loaded: textures handed out may still call into it.
}

bool D3D9SystemCalls::load()
{
    if (m_direct3d)
        return true;
    HMODULE module = LoadLibraryW(reinterpret_cast<const wchar_t*>(g_libraryName));
    if (!module)
        return false;
    using CreateFunction = IDirect3D9*(WINAPI*)(UINT);
    auto create = reinterpret_cast<CreateFunction>(reinterpret_cast<void*>(GetProcAddress(module, "Direct3DCreate9")));
    if (!create) {
        FreeLibrary(module);
        return false;
    }
    m_module = module;
    m_direct3d = create(D3D_SDK_VERSION);
    return m_direct3d != nullptr;
}

bool D3D9SystemCalls::displayMode(Size& size)
{
    D3DDISPLAYMODE mode;
    if (!m_direct3d || FAILED(m_direct3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode)))
        return false;
    size = Size(static_cast<int>(mode.Width), static_cast<int>(mode.Height));
    return size.width >= 1 && size.height >= 1;
}

namespace {

// The back buffer as large as the desktop, so that the widget can grow
// without a reset.
D3DPRESENT_PARAMETERS presentParameters(HWND window, const Size& backBuffer)
{
    D3DPRESENT_PARAMETERS parameters;
    std::memset(&parameters, 0, sizeof(parameters));
    parameters.BackBufferWidth = static_cast<UINT>(backBuffer.width);
    parameters.BackBufferHeight = static_cast<UINT>(backBuffer.height);
    parameters.BackBufferFormat = D3DFMT_A8R8G8B8;
    parameters.BackBufferCount = 1;
    parameters.MultiSampleType = D3DMULTISAMPLE_NONE;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.hDeviceWindow = window;
    parameters.Windowed = TRUE;
    parameters.EnableAutoDepthStencil = TRUE;
    parameters.AutoDepthStencilFormat = D3DFMT_D24S8;
    parameters.PresentationInterval = D3DPRESENT_INTERVAL_ONE;
    return parameters;
}

} // namespace

bool D3D9SystemCalls::createDevice(uintptr_t window, const Size& backBuffer)
{
    if (!m_direct3d || m_device)
        return m_device != nullptr;
    D3DPRESENT_PARAMETERS parameters = presentParameters(reinterpret_cast<HWND>(window), backBuffer);
    // FPU_PRESERVE: without it Direct3D drops the x87 unit to single
    // precision for the whole thread, and every double of the program with it.
    if (FAILED(m_direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, reinterpret_cast<HWND>(window),
                                        D3DCREATE_SOFTWARE_VERTEXPROCESSING | D3DCREATE_FPU_PRESERVE,
                                        &parameters, &m_device))) {
        m_device = nullptr;
        return false;
    }
    m_window = window;
    m_backBuffer = backBuffer;
    return true;
}

bool D3D9SystemCalls::reset(const Size& backBuffer)
{
    if (!m_device)
        return false;
    D3DPRESENT_PARAMETERS parameters = presentParameters(reinterpret_cast<HWND>(m_window), backBuffer);
    if (FAILED(m_device->Reset(&parameters)))
        return false;
    m_backBuffer = backBuffer;
    return true;
}

D3D9Calls::Cooperation D3D9SystemCalls::cooperation()
{
    if (!m_device)
        return kFailed;
    switch (m_device->TestCooperativeLevel()) {
    case D3D_OK:
        return kReady;
    case D3DERR_DEVICELOST:
        return kLost;
    case D3DERR_DEVICENOTRESET:
        return kNotReset;
    default:
        return kFailed;
    }
}

bool D3D9SystemCalls::canFilterAnisotropic()
{
    D3DCAPS9 caps;
    if (!m_device || FAILED(m_device->GetDeviceCaps(&caps)))
        return false;
    const DWORD wanted = D3DPTFILTERCAPS_MINFANISOTROPIC | D3DPTFILTERCAPS_MAGFANISOTROPIC;
    return (caps.TextureFilterCaps & wanted) == wanted && caps.MaxAnisotropy >= 2;
}

bool D3D9SystemCalls::createBuffers()
{
    if (!m_device)
        return false;
    releaseCom(m_vertexBuffer);
    releaseCom(m_indexBuffer);
    const UINT vertexBytes = 4000 * sizeof(SceneVertex);
    if (FAILED(m_device->CreateVertexBuffer(vertexBytes, D3DUSAGE_WRITEONLY, kVertexFormat, D3DPOOL_MANAGED,
                                            &m_vertexBuffer, nullptr))) {
        m_vertexBuffer = nullptr;
        return false;
    }
    if (FAILED(m_device->CreateIndexBuffer(6000 * sizeof(WORD), D3DUSAGE_WRITEONLY, D3DFMT_INDEX16,
                                           D3DPOOL_DEFAULT, &m_indexBuffer, nullptr))) {
        m_indexBuffer = nullptr;
        releaseCom(m_vertexBuffer);
        return false;
    }
    if (!fillIndices()) {
        releaseCom(m_indexBuffer);
        releaseCom(m_vertexBuffer);
        return false;
    }
    m_device->SetIndices(m_indexBuffer);
    m_device->SetStreamSource(0, m_vertexBuffer, 0, sizeof(SceneVertex));
    m_device->SetFVF(kVertexFormat);
    return true;
}

// Two triangles a quad: v, v+1, v+2 and v+2, v+3, v.
bool D3D9SystemCalls::fillIndices()
{
    void* locked = nullptr;
    if (FAILED(m_indexBuffer->Lock(0, 0, &locked, 0)) || !locked)
        return false;
    WORD* index = static_cast<WORD*>(locked);
    for (WORD quad = 0; quad < 1000; ++quad) {
        WORD v = static_cast<WORD>(quad * 4);
        const WORD corners[6] = {v,
                                 static_cast<WORD>(v + 1),
                                 static_cast<WORD>(v + 2),
                                 static_cast<WORD>(v + 2),
                                 static_cast<WORD>(v + 3),
                                 v};
        std::memcpy(index + quad * 6, corners, sizeof(corners));
    }
    m_indexBuffer->Unlock();
    return true;
}

void D3D9SystemCalls::setStates(bool anisotropic)
{
    if (!m_device)
        return;
    m_device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    m_device->SetRenderState(D3DRS_LIGHTING, FALSE);
    m_device->SetRenderState(D3DRS_ZENABLE, TRUE);
    m_device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    m_device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    m_device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    // Pixels with alpha 0 are dropped, depth included.
    m_device->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    m_device->SetRenderState(D3DRS_ALPHAREF, 1);
    m_device->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    m_device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    m_device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    m_device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    m_device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    m_device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    m_device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    DWORD filter = anisotropic ? D3DTEXF_ANISOTROPIC : D3DTEXF_LINEAR;
    m_device->SetSamplerState(0, D3DSAMP_MINFILTER, filter);
    m_device->SetSamplerState(0, D3DSAMP_MAGFILTER, filter);
    // Textures have one level: there is nothing to filter between.
    m_device->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_NONE);
    if (anisotropic)
        m_device->SetSamplerState(0, D3DSAMP_MAXANISOTROPY, 2);
    // Wrapping would bleed the far edge of a cover into its border.
    m_device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
    m_device->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
}

void D3D9SystemCalls::releaseReadBackSurfaces()
{
    releaseCom(m_target);
    releaseCom(m_readBack);
    m_readBackSize = Size();
}

void D3D9SystemCalls::releaseDefaultPool()
{
    if (m_device) {
        // The device holds references to what is bound.
        m_device->SetIndices(nullptr);
        m_device->SetStreamSource(0, nullptr, 0, 0);
        m_device->SetTexture(0, nullptr);
    }
    releaseCom(m_indexBuffer);
    releaseCom(m_vertexBuffer);
    releaseReadBackSurfaces();
}

void D3D9SystemCalls::releaseAll()
{
    releaseDefaultPool();
    releaseCom(m_device);
    releaseCom(m_direct3d);
}

SceneVertex* D3D9SystemCalls::lockVertices(int count)
{
    void* locked = nullptr;
    UINT bytes = static_cast<UINT>(count) * sizeof(SceneVertex);
    if (!m_vertexBuffer || FAILED(m_vertexBuffer->Lock(0, bytes, &locked, 0)))
        return nullptr;
    return static_cast<SceneVertex*>(locked);
}

void D3D9SystemCalls::unlockVertices()
{
    if (m_vertexBuffer)
        m_vertexBuffer->Unlock();
}

bool D3D9SystemCalls::setTexture(Texture* texture)
{
    if (!m_device)
        return false;
    // Every texture this device hands out is a D3D9Texture.
    IDirect3DTexture9* native = texture ? static_cast<D3D9Texture*>(texture)->texture() : nullptr;
    if (texture && !native)
        return false;
    return SUCCEEDED(m_device->SetTexture(0, native));
}

void D3D9SystemCalls::draw(int kind, int count)
{
    if (!m_device)
        return;
    switch (kind) {
    case 2:
        m_device->DrawPrimitive(D3DPT_LINELIST, 0, static_cast<UINT>(count));
        break;
    case 3:
        m_device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, static_cast<UINT>(count));
        break;
    case 4:
        m_device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, static_cast<UINT>(count * 4), 0,
                                       static_cast<UINT>(count * 2));
        break;
    default:
        break;
    }
}

void D3D9SystemCalls::setTransform(TransformKind kind, const Matrix4& matrix)
{
    if (!m_device)
        return;
    D3DMATRIX value = toD3D(matrix);
    const D3DTRANSFORMSTATETYPE types[3] = {D3DTS_WORLD, D3DTS_VIEW, D3DTS_PROJECTION};
    m_device->SetTransform(types[kind], &value);
}

void D3D9SystemCalls::setDepthTest(bool on)
{
    if (m_device)
        m_device->SetRenderState(D3DRS_ZENABLE, on ? TRUE : FALSE);
}

void D3D9SystemCalls::setViewport(const Size& size)
{
    if (!m_device)
        return;
    D3DVIEWPORT9 viewport;
    viewport.X = 0;
    viewport.Y = 0;
    viewport.Width = static_cast<DWORD>(std::max(size.width, 1));
    viewport.Height = static_cast<DWORD>(std::max(size.height, 1));
    viewport.MinZ = 0.0f;
    viewport.MaxZ = 1.0f;
    m_device->SetViewport(&viewport);
}

bool D3D9SystemCalls::clear(uint32_t colour)
{
    return m_device && SUCCEEDED(m_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER,
                                                 static_cast<D3DCOLOR>(colour), 1.0f, 0));
}

bool D3D9SystemCalls::beginScene()
{
    return m_device && SUCCEEDED(m_device->BeginScene());
}

void D3D9SystemCalls::endScene()
{
    if (m_device)
        m_device->EndScene();
}

Texture* D3D9SystemCalls::createTexture(const PixelBlock& pixels)
{
    return D3D9Texture::create(m_device, pixels.width, pixels.height, pixels.pixels).release();
}

Texture* D3D9SystemCalls::createRenderTexture(const Size& size)
{
    IDirect3DTexture9* texture = nullptr;
    if (!m_device || size.width < 1 || size.height < 1 ||
        FAILED(m_device->CreateTexture(static_cast<UINT>(size.width), static_cast<UINT>(size.height), 1,
                                       D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &texture,
                                       nullptr)))
        return nullptr;
    return new D3D9Texture(texture);
}

bool D3D9SystemCalls::setRenderTexture(Texture* texture)
{
    if (!m_device)
        return false;
    IDirect3DSurface9* surface = nullptr;
    if (texture) {
        // Every texture this device hands out is a D3D9Texture.
        IDirect3DTexture9* native = static_cast<D3D9Texture*>(texture)->texture();
        if (!native || FAILED(native->GetSurfaceLevel(0, &surface)))
            return false;
    } else if (FAILED(m_device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &surface))) {
        return false;
    }
    const bool set = SUCCEEDED(m_device->SetRenderTarget(0, surface));
    surface->Release();
    return set;
}

bool D3D9SystemCalls::ensureReadBackSurfaces(const Size& size)
{
    if (m_target && m_readBack && m_readBackSize == size)
        return true;
    releaseReadBackSurfaces();
    UINT w = static_cast<UINT>(size.width);
    UINT h = static_cast<UINT>(size.height);
    if (FAILED(m_device->CreateRenderTarget(w, h, D3DFMT_A8R8G8B8, D3DMULTISAMPLE_NONE, 0, FALSE, &m_target,
                                            nullptr)) ||
        FAILED(m_device->CreateOffscreenPlainSurface(w, h, D3DFMT_A8R8G8B8, D3DPOOL_SYSTEMMEM, &m_readBack,
                                                     nullptr))) {
        releaseReadBackSurfaces();
        return false;
    }
    m_readBackSize = size;
    return true;
}

bool D3D9SystemCalls::readBack(const Size& size, Image& frame)
{
    if (!m_device || size.width < 1 || size.height < 1 || !ensureReadBackSurfaces(size))
        return false;
    IDirect3DSurface9* backBuffer = nullptr;
    if (FAILED(m_device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer)))
        return false;
    RECT area = {0, 0, size.width, size.height};
    HRESULT copied = m_device->StretchRect(backBuffer, &area, m_target, nullptr, D3DTEXF_NONE);
    backBuffer->Release();
    if (FAILED(copied) || FAILED(m_device->GetRenderTargetData(m_target, m_readBack)))
        return false;
    D3DLOCKED_RECT locked;
    if (FAILED(m_readBack->LockRect(&locked, nullptr, D3DLOCK_READONLY)))
        return false;
    if (frame.width() != size.width || frame.height() != size.height || frame.bitsPerPixel() != 32)
        frame = Image(size.width, size.height, true);
    bool copiedAll = !frame.isNull() && locked.pBits && locked.Pitch >= size.width * 4;
    for (int y = 0; copiedAll && y < size.height; ++y) {
        const uint32_t* source =
            reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(locked.pBits) + y * locked.Pitch);
        uint32_t* target = reinterpret_cast<uint32_t*>(frame.scanLine(y));
        // The widget paints the frame opaque, whatever blending left in alpha.
        for (int x = 0; x < size.width; ++x)
            target[x] = source[x] | 0xFF000000u;
    }
    m_readBack->UnlockRect();
    return copiedAll;
}
