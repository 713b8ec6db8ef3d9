#pragma once

#include "ui/core/widget/UIWidget.h"
#include "ui/views/coverflow/D3D9Device.h"
#include "ui/views/coverflow/UI3dScene.h"

#include <memory>
#include <vector>

class UI3dPrivate;

// The widget that shows 3D scenes: the cover flow. It is the Direct3D device
// as well; every 24 ms it ticks its scenes and, when it is visible and a
// scene changed, draws them at its size and paints the frame read back, so
// input, tool tips and dimming work over it as over any widget.
class UI3d : public UIWidget, public D3D9Device, public UI3dSceneHost
{
public:
    static constexpr int kFrameTimerId = 2564568;
    static constexpr uint32_t kFrameInterval = 24;

    explicit UI3d(UIWidget* parent);
    ~UI3d() override;

    // Makes the device; on success the frame timer runs. The cover flow
    // exists only when this is true.
    bool initializeDevice();
    // The widget owns the scene from now on; drawn in the order added.
    void addScene(UI3dScene* scene);
    // Forgets the scene without deleting it.
    void removeScene(UI3dScene* scene) override;
    int sceneCount() const { return static_cast<int>(m_scenes.size()); }
    // The camera follows the widget's size, for aspect and picking.
    void updatePlacement();

    void renderFrame() override;
    String toolTip(const Point& point) const override;
    void setVisible(bool visible) override;

    // Frames drawn since the widget was made.
    int frameCount() const { return m_frameCount; }

protected:
    void resizeEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;
    void paint(UIEvent* event) override;

private:
    bool isRegistered(UI3dScene* scene) const;
    // Ticks every scene; false when a slot deleted the widget.
    bool tickScenes(const std::vector<UI3dScene*>& scenes);
    bool wantsFrame() const;

    std::unique_ptr<UI3dPrivate> m_private;
    std::vector<UI3dScene*> m_scenes;
    bool m_inFrame = false;
    bool m_stale = true;
    int m_frameCount = 0;
};
