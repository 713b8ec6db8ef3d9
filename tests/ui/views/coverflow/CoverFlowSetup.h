#pragma once

#include "graphics/image/Image.h"
#include "ui/views/coverflow/CoverFlowScene.h"

// The cover flow and its camera as the main window sets them up.
inline void configureMain(CoverFlowScene& scene, Camera& camera, int width, int height)
{
    scene.setSideAngle(0.7853982f);
    scene.setSideSpacing(25.0f);
    scene.setShades(0.03f, 0.9f);
    scene.setSelectedScale(1.1f);
    scene.setCentreGap(256.0f);
    scene.setSelectedOffset(Vec3(0, 0, -100));
    scene.setVisibleWidth(1100.0f);
    scene.setAnimationSpeed(2.0f);
    camera.setViewport(width, height);
    camera.setNearPlane(0.1f);
    camera.setFarPlane(5000.0f);
    camera.setEye(Vec3(0, 60, -400));
    camera.setTarget(Vec3(0, 60, -100));
    camera.placeForHeight(290.0f);
}

// A picture of one colour; 24-bit when hasAlpha is false.
inline Image flatPicture(int width, int height, const Color& colour, bool hasAlpha = true)
{
    Image picture(width, height, hasAlpha);
    picture.fill(colour);
    return picture;
}
