#pragma once

#include "graphics/image/Image.h"
#include "tests/support/RecordingRenderDevice.h"
#include "ui/views/coverflow/D3D9Calls.h"

#include <deque>
#include <string>
#include <vector>

// Direct3D 9 calls that draw nothing: each call is logged by name (draws and
// textures with their arguments), answers come from the fields.
class FakeD3D9Calls : public D3D9Calls
{
public:
    bool load() override { return note("load", loads); }
    bool displayMode(Size& size) override
    {
        size = mode;
        return note("displayMode", true);
    }
    bool createDevice(uintptr_t, const Size&) override { return note("createDevice", creates); }
    bool reset(const Size&) override { return note("reset", resets); }
    Cooperation cooperation() override
    {
        Cooperation next = kReady;
        if (!cooperations.empty()) {
            next = cooperations.front();
            cooperations.pop_front();
        }
        return next;
    }
    bool canFilterAnisotropic() override { return anisotropicCaps; }
    bool createBuffers() override { return note("createBuffers", buffers); }
    void setStates(bool anisotropic) override
    {
        note(anisotropic ? "setStates anisotropic" : "setStates", true);
    }
    void releaseDefaultPool() override { note("releaseDefaultPool", true); }
    void releaseAll() override { note("releaseAll", true); }
    SceneVertex* lockVertices(int count) override
    {
        note("lock " + std::to_string(count), true);
        vertices.resize(static_cast<size_t>(count));
        return vertices.data();
    }
    void unlockVertices() override {}
    bool setTexture(Texture* texture) override
    {
        return note(texture ? "setTexture " + std::to_string(texture->size().width) : "setTexture null",
                    true);
    }
    void draw(int kind, int count) override
    {
        note("draw " + std::to_string(kind) + "x" + std::to_string(count), true);
    }
    void setTransform(TransformKind, const Matrix4&) override {}
    void setDepthTest(bool on) override { note(on ? "depth on" : "depth off", true); }
    void setViewport(const Size&) override {}
    bool clear(uint32_t) override { return note("clear", true); }
    bool beginScene() override { return note("beginScene", true); }
    void endScene() override { note("endScene", true); }
    Texture* createTexture(const PixelBlock& pixels) override
    {
        return new testsupport::FakeTexture(pixels.width, pixels.height);
    }
    bool readBack(const Size& size, Image& frame) override
    {
        frame = Image(size.width, size.height, true);
        return note("readBack", true);
    }

    // The log since the last call of this, emptied.
    std::vector<std::string> take()
    {
        std::vector<std::string> taken;
        taken.swap(log);
        return taken;
    }

    bool loads = true;
    bool creates = true;
    bool resets = true;
    bool buffers = true;
    bool anisotropicCaps = false;
    Size mode = Size(1024, 768);
    std::deque<Cooperation> cooperations;
    std::vector<SceneVertex> vertices;
    std::vector<std::string> log;

private:
    bool note(const std::string& entry, bool result)
    {
        log.push_back(entry);
        return result;
    }
};

// Hands the device a fake set up as preset(); the test keeps a pointer to
// the last one made.
struct FakeD3D9Factory
{
    static FakeD3D9Calls& preset()
    {
        static FakeD3D9Calls settings;
        return settings;
    }
    static FakeD3D9Calls*& last()
    {
        static FakeD3D9Calls* calls = nullptr;
        return calls;
    }
    static std::unique_ptr<D3D9Calls> make()
    {
        auto calls = std::make_unique<FakeD3D9Calls>();
        calls->loads = preset().loads;
        calls->creates = preset().creates;
        calls->buffers = preset().buffers;
        calls->anisotropicCaps = preset().anisotropicCaps;
        last() = calls.get();
        return calls;
    }
    static std::unique_ptr<D3D9Calls> refuse() { return nullptr; }
};
