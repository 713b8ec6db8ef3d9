#pragma once

#include "graphics/image/Image.h"
#include "tests/support/RecordingRenderDevice.h"
#include "ui/views/coverflow/D3D9Calls.h"

#include <string>
#include <utility>
#include <vector>

using testsupport::FakeTexture;

// Direct3D 9 calls that draw nothing, logged by name (draws and textures with their arguments).
class FakeD3D9Calls : public D3D9Calls
{
public:
    bool load() override { return note("load"); }
    bool displayMode(Size& size) override { return note("displayMode", (size = Size(1024, 768)).width > 0); }
    bool createDevice(uintptr_t, const Size&) override { return note("createDevice"); }
    bool reset(const Size&) override { return note("reset", resets); }
    Cooperation cooperation() override
    {
        return cooperations.empty() ? kReady : std::exchange(cooperations, {}).front();
    }
    bool canFilterAnisotropic() override { return anisotropicCaps; }
    bool createBuffers() override { return note("createBuffers"); }
    void setStates(bool anisotropic) override { note(anisotropic ? "setStates anisotropic" : "setStates"); }
    void releaseDefaultPool() override { note("releaseDefaultPool"); }
    void releaseAll() override { note("releaseAll"); }
    SceneVertex* lockVertices(int count) override
    {
        vertices.resize(static_cast<size_t>(note("lock " + std::to_string(count), count)));
        return vertices.data();
    }
    void unlockVertices() override {}
    bool setTexture(Texture* t) override
    {
        return note(t ? "setTexture " + std::to_string(t->size().width) : "setTexture null");
    }
    void draw(int kind, int count) override
    {
        note("draw " + std::to_string(kind) + "x" + std::to_string(count));
    }
    void setTransform(TransformKind, const Matrix4&) override {}
    void setDepthTest(bool on) override { note(on ? "depth on" : "depth off"); }
    void setViewport(const Size&) override {}
    bool clear(uint32_t) override { return note("clear"); }
    bool beginScene() override { return note("beginScene"); }
    void endScene() override { note("endScene"); }
    Texture* createTexture(const PixelBlock& p) override { return new FakeTexture(p.width, p.height); }
    Texture* createRenderTexture(const Size& size) override
    {
        return new FakeTexture(size.width, size.height);
    }
    bool setRenderTexture(Texture* t) override
    {
        return note(t ? "renderTo " + std::to_string(t->size().width) : "renderTo backBuffer", renderTargets);
    }
    bool readBack(const Size& size, Image& frame) override
    {
        return note("readBack", !(frame = Image(size.width, size.height, true)).isNull());
    }

    std::vector<std::string> take() { return std::exchange(log, {}); }

    bool resets = true;
    bool renderTargets = true;
    bool anisotropicCaps = false;
    std::vector<Cooperation> cooperations; // the next answer, once
    std::vector<SceneVertex> vertices;
    std::vector<std::string> log;

private:
    template <class T = bool> T note(const std::string& entry, T result = true)
    {
        log.push_back(entry);
        return result;
    }
};

// Hands the device a new fake; last is the latest one made.
struct FakeD3D9Factory
{
    static inline FakeD3D9Calls* last = nullptr;
    static std::unique_ptr<D3D9Calls> make()
    {
        auto calls = std::make_unique<FakeD3D9Calls>();
        last = calls.get();
        return calls;
    }
    static std::unique_ptr<D3D9Calls> refuse() { return nullptr; }
};
