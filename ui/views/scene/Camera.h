#pragma once

#include "ui/views/scene/Frustum.h"
#include "ui/views/scene/Matrix4.h"
#include "ui/views/scene/Ray.h"

#include <cstdint>

// The cover flow's eye: a left-handed look-at view and a perspective or
// orthographic projection, recomputed whenever they are asked for.
class Camera
{
public:
    static constexpr int32_t kPerspective = 0;
    static constexpr int32_t kOrthographic = 1;

    Camera();

    int32_t projectionMode() const { return m_projectionMode; }
    void setProjectionMode(int32_t mode) { m_projectionMode = mode; }
    // Carried for callers that cull; the camera never fills it itself.
    Frustum& frustum() { return m_frustum; }

    const Vec3& eye() const { return m_eye; }
    const Vec3& target() const { return m_target; }
    const Vec3& up() const { return m_up; }
    const Vec3& axisScale() const { return m_axisScale; }
    void setEye(const Vec3& eye) { m_eye = eye; }
    void setTarget(const Vec3& target) { m_target = target; }
    void setUp(const Vec3& up) { m_up = up; }
    void setAxisScale(const Vec3& scale) { m_axisScale = scale; }

    int32_t viewportWidth() const { return m_viewportWidth; }
    int32_t viewportHeight() const { return m_viewportHeight; }
    float aspect() const { return m_aspect; }
    float fov() const { return m_fov; }
    float verticalFov() const { return m_verticalFov; }
    float nearPlane() const { return m_nearPlane; }
    float farPlane() const { return m_farPlane; }
    void setNearPlane(float nearPlane) { m_nearPlane = nearPlane; }
    void setFarPlane(float farPlane) { m_farPlane = farPlane; }

    float distance() const;
    Vec3 direction() const;
    void setFov(float fov);
    // A side below 1 keeps the last viewport: a collapsed panel must not
    // fill the projection with infinities.
    void setViewport(int32_t width, int32_t height);
    float visibleHeightAt(float distance) const;
    float visibleWidthAt(float distance) const;
    // The distance at which height world units fill the view's height.
    float distanceForHeight(float height) const;
    void setDistance(float distance);
    // Moves the eye so that height world units (0: the viewport's height)
    // fill the view; at the viewport height one unit is one pixel.
    void placeForHeight(float height);
    void translate(const Vec3& offset);
    void turnView(float ax, float ay, float az);
    void orbit(float dx, float dy, float speed);
    void pan(float dx, float dy, float speed);
    void dolly(int steps, float step);
    void navigate(bool orbitOn, bool panOn, float dx, float dy, int wheel, float orbitSpeed, float panSpeed,
                  float wheelStep);

    const Matrix4& viewMatrix();
    const Matrix4& projectionMatrix();
    // The ray from the eye through pixel (x, y); a ray with no direction,
    // which hits nothing, when the view cannot be inverted.
    Ray pickRay(float x, float y);

private:
    Vec3 right() const;
    void updateVerticalFov();

    int32_t m_projectionMode = kPerspective;
    Frustum m_frustum;
    Matrix4 m_view;
    Matrix4 m_projection;
    Vec3 m_eye{0.0f, 1000.0f, -1000.0f};
    Vec3 m_target;
    Vec3 m_up{0.0f, 1.0f, 0.0f};
    Vec3 m_axisScale{1.0f, 1.0f, 1.0f};
    int32_t m_viewportWidth = 800;
    int32_t m_viewportHeight = 600;
    float m_aspect = 800.0f / 600.0f;
    float m_verticalFov = 0.0f;
    float m_fov = 0.7853982f;
    float m_nearPlane = 1.0f;
    float m_farPlane = 10000.0f;
};
