#include "ui/views/coverflow/UI3dScene.h"

UI3dScene::~UI3dScene()
{
    if (m_host)
        m_host->removeScene(this);
}

UI3dSceneHost::~UI3dSceneHost() = default;
