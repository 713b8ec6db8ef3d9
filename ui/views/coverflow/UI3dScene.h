#pragma once

#include "foundation/text/String.h"
#include "ui/views/scene/Animated.h"
#include "ui/views/scene/Ray.h"
#include "ui/views/scene/SceneObject.h"

class UI3dSceneHost;

// A scene the 3D widget hosts: ticked and drawn every frame, asked for the
// text under the pointer. A scene tells its host when it is deleted, so the
// host never draws a scene that a slot deleted during the frame.
class UI3dScene : public SceneObject, public Animated
{
public:
    ~UI3dScene() override;

    // The text at a ray from the camera; empty where there is none.
    virtual String titleAt(const Ray& ray) = 0;
    // False when drawing again would show exactly the last frame.
    virtual bool needsFrame() const = 0;

    void setHost(UI3dSceneHost* host) { m_host = host; }
    UI3dSceneHost* host() const { return m_host; }

private:
    UI3dSceneHost* m_host = nullptr;
};

// Whoever holds scenes and must hear of their deletion.
class UI3dSceneHost
{
public:
    virtual ~UI3dSceneHost();
    virtual void removeScene(UI3dScene* scene) = 0;
};
