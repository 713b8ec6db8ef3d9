#include "ui/views/coverflow/UI3d.h"

#include "graphics/paint/Painter.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/widget/UIWidgetGuard.h"
#include "ui/views/coverflow/UI3dPrivate.h"

#include <algorithm>

UI3d::UI3d(UIWidget* parent) : UIWidget(parent), m_private(std::make_unique<UI3dPrivate>())
{
    setStyleName(String(u"UI3d"));
    setFlag(kWantsDoubleClicks, true);
    setFlag(kTransparent, false);
    setFocusPolicy(kTabFocus | kClickFocus | kWheelFocus);
    setSizePolicy(2, 2);
    setRenderDevice(this);
}

UI3d::~UI3d()
{
    killTimer(kFrameTimerId);
    std::vector<UI3dScene*> scenes;
    scenes.swap(m_scenes);
    for (UI3dScene* scene : scenes) {
        scene->setHost(nullptr);
        delete scene;
    }
    // The scenes' textures are gone; the device goes next.
    D3D9Device::release();
    m_private.reset();
    if (renderDevice() == this)
        setRenderDevice(nullptr);
}

bool UI3d::initializeDevice()
{
    if (!initialize(m_private->handle()))
        return false;
    updatePlacement();
    return startTimer(kFrameTimerId, kFrameInterval);
}

void UI3d::addScene(UI3dScene* scene)
{
    if (!scene || isRegistered(scene))
        return;
    if (scene->host() && scene->host() != this)
        scene->host()->removeScene(scene);
    scene->setHost(this);
    m_scenes.push_back(scene);
    m_stale = true;
}

void UI3d::removeScene(UI3dScene* scene)
{
    auto found = std::find(m_scenes.begin(), m_scenes.end(), scene);
    if (found == m_scenes.end())
        return;
    m_scenes.erase(found);
    scene->setHost(nullptr);
    m_stale = true;
}

bool UI3d::isRegistered(UI3dScene* scene) const
{
    return std::find(m_scenes.begin(), m_scenes.end(), scene) != m_scenes.end();
}

void UI3d::updatePlacement()
{
    setFrameSize(size());
    if (Camera* current = camera())
        current->setViewport(width(), height());
    m_stale = true;
}

void UI3d::resizeEvent(UIEvent*)
{
    updatePlacement();
}

void UI3d::setVisible(bool visible)
{
    bool wasVisible = testFlag(kVisible);
    UIWidget::setVisible(visible);
    if (visible && !wasVisible)
        updatePlacement();
}

void UI3d::timerEvent(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() == kFrameTimerId)
        renderFrame();
}

bool UI3d::tickScenes(const std::vector<UI3dScene*>& scenes)
{
    UIWidgetGuard guard(this);
    for (UI3dScene* scene : scenes) {
        // A slot of an earlier scene may have deleted this one.
        if (!isRegistered(scene))
            continue;
        scene->tick(static_cast<int32_t>(kFrameInterval));
        if (!guard.isAlive())
            return false;
    }
    return true;
}

bool UI3d::wantsFrame() const
{
    if (m_stale)
        return true;
    return std::any_of(m_scenes.begin(), m_scenes.end(),
                       [](UI3dScene* scene) { return scene->needsFrame(); });
}

void UI3d::renderFrame()
{
    // A slot's modal loop runs timers of its own: that frame is skipped.
    if (m_inFrame)
        return;
    m_inFrame = true;
    // Animations keep time while the widget is hidden or the device lost.
    std::vector<UI3dScene*> scenes = m_scenes;
    if (!tickScenes(scenes))
        return;
    if (!isVisible() || !isReady() || !wantsFrame() || !beginFrame()) {
        m_inFrame = false;
        return;
    }
    for (UI3dScene* scene : scenes) {
        if (isRegistered(scene))
            scene->draw();
    }
    endFrame();
    m_stale = false;
    ++m_frameCount;
    m_inFrame = false;
    update();
}

String UI3d::toolTip(const Point& point) const
{
    auto* self = const_cast<UI3d*>(this);
    Camera* current = self->camera();
    if (!current || !isReady())
        return String();
    Ray ray = current->pickRay(static_cast<float>(point.x), static_cast<float>(point.y));
    std::vector<UI3dScene*> scenes = m_scenes;
    for (UI3dScene* scene : scenes) {
        if (!isRegistered(scene))
            continue;
        String title = scene->titleAt(ray);
        if (!title.isEmpty())
            return title;
    }
    return String();
}

void UI3d::paint(UIEvent*)
{
    if (!paintTarget() || frame().isNull())
        return;
    Painter painter(paintTarget());
    // The frame is opaque and exactly the widget's size: copied, not blended.
    painter.setRenderHint(Painter::kAlphaBlendHint, false);
    painter.drawImage(frame(), 0, 0);
}
