#include "ui/views/scene/Camera.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kQuarterTurn = 1.5707964f;

} // namespace

Camera::Camera()
{
    updateVerticalFov();
}

float Camera::distance() const
{
    return m_target.subtract(m_eye).length();
}

Vec3 Camera::direction() const
{
    return m_target.subtract(m_eye).normalize();
}

void Camera::updateVerticalFov()
{
    m_verticalFov = 2.0f * std::atan(std::tan(m_fov / 2.0f) / m_aspect);
}

void Camera::setFov(float fov)
{
    m_fov = fov;
    updateVerticalFov();
}

void Camera::setViewport(int32_t width, int32_t height)
{
    if (width < 1 || height < 1)
        return;
    m_viewportWidth = width;
    m_viewportHeight = height;
    m_aspect = static_cast<float>(width) / static_cast<float>(height);
    updateVerticalFov();
}

float Camera::visibleHeightAt(float d) const
{
    return 2.0f * d * std::tan(m_verticalFov / 2.0f);
}

float Camera::visibleWidthAt(float d) const
{
    return visibleHeightAt(d) * m_aspect;
}

float Camera::distanceForHeight(float height) const
{
    return (height / 2.0f) / std::tan(m_verticalFov / 2.0f);
}

void Camera::setDistance(float d)
{
    m_eye = m_target.subtract(direction().scale(d));
}

void Camera::placeForHeight(float height)
{
    if (height == 0.0f)
        height = static_cast<float>(m_viewportHeight);
    m_eye = m_target.add(m_eye.subtract(m_target).normalize().scale(distanceForHeight(height)));
}

void Camera::translate(const Vec3& offset)
{
    m_eye = m_eye.add(offset);
    m_target = m_target.add(offset);
}

void Camera::turnView(float ax, float ay, float az)
{
    Vec3 offset = m_target.subtract(m_eye).rotateX(ax).rotateY(ay).rotateZ(az);
    m_target = m_eye.add(offset);
}

Vec3 Camera::right() const
{
    return m_up.cross(direction()).normalize();
}

void Camera::orbit(float dx, float dy, float speed)
{
    if (dx == 0.0f && dy == 0.0f)
        return;
    float yaw = std::clamp(dx * speed * m_axisScale.y, -kQuarterTurn, kQuarterTurn);
    Vec3 axis = right();
    Vec3 offset = m_eye.subtract(m_target).rotateAbout(axis, dy * speed).rotateY(yaw);
    m_eye = m_target.add(offset);
}

void Camera::pan(float dx, float dy, float speed)
{
    if (dx == 0.0f && dy == 0.0f)
        return;
    Vec3 side = right();
    Vec3 lift = direction().cross(side);
    // Dragging right or down carries the scene with the mouse.
    translate(side.scale(-dx * speed).add(lift.scale(dy * speed)));
}

void Camera::dolly(int steps, float step)
{
    if (steps == 0)
        return;
    float wanted = distance() + (steps > 0 ? step : -step);
    // Never onto or through the target: the view would lose its direction.
    if (wanted > 0.0f)
        setDistance(wanted);
}

void Camera::navigate(bool orbitOn, bool panOn, float dx, float dy, int wheel, float orbitSpeed,
                      float panSpeed, float wheelStep)
{
    if (orbitOn)
        orbit(dx, dy, orbitSpeed);
    if (panOn)
        pan(dx, dy, panSpeed);
    dolly(wheel, wheelStep);
}

const Matrix4& Camera::viewMatrix()
{
    Vec3 z = m_target.subtract(m_eye).normalize();
    Vec3 x = m_up.cross(z).normalize();
    Vec3 y = z.cross(x).normalize();
    Matrix4& v = m_view;
    v.m[0][0] = x.x, v.m[0][1] = y.x, v.m[0][2] = z.x, v.m[0][3] = 0.0f;
    v.m[1][0] = x.y, v.m[1][1] = y.y, v.m[1][2] = z.y, v.m[1][3] = 0.0f;
    v.m[2][0] = x.z, v.m[2][1] = y.z, v.m[2][2] = z.z, v.m[2][3] = 0.0f;
    v.m[3][0] = -x.dot(m_eye), v.m[3][1] = -y.dot(m_eye), v.m[3][2] = -z.dot(m_eye), v.m[3][3] = 1.0f;
    return m_view;
}

const Matrix4& Camera::projectionMatrix()
{
    Matrix4 p;
    float depth = m_farPlane - m_nearPlane;
    if (m_projectionMode == kOrthographic) {
        p.m[0][0] = 2.0f / static_cast<float>(m_viewportWidth);
        p.m[1][1] = 2.0f / static_cast<float>(m_viewportHeight);
        p.m[2][2] = 1.0f / depth;
        p.m[3][2] = m_nearPlane / (m_nearPlane - m_farPlane);
    } else {
        float ys = 1.0f / std::tan(m_verticalFov / 2.0f);
        p.m[0][0] = ys / m_aspect;
        p.m[1][1] = ys;
        p.m[2][2] = m_farPlane / depth;
        p.m[2][3] = 1.0f;
        p.m[3][2] = -m_nearPlane * m_farPlane / depth;
        p.m[3][3] = 0.0f;
    }
    m_projection = p.multiply(Matrix4::scaling(m_axisScale.x, m_axisScale.y, m_axisScale.z));
    return m_projection;
}

Ray Camera::pickRay(float x, float y)
{
    const Matrix4& projection = projectionMatrix();
    Matrix4 inverse;
    if (!viewMatrix().invert(inverse))
        return Ray(m_eye, Vec3());
    float u = (2.0f * x / static_cast<float>(m_viewportWidth) - 1.0f) / projection.m[0][0];
    float v = (1.0f - 2.0f * y / static_cast<float>(m_viewportHeight)) / projection.m[1][1];
    // The point (u, v, 1) of view space, taken back to the world as an offset
    // from the eye: subtracting two large positions would lose the digits
    // that tell neighbouring pixels apart.
    Vec3 offset = inverse.transformVector(Vec3(u, v, 1.0f));
    return Ray(m_eye.add(offset), offset.normalize());
}
