#include "ui/views/coverflow/CoverNode.h"

#include "graphics/d3d/Texture.h"
#include "graphics/image/Image.h"

// Ten thousand covers of a collection live in a scene at once.
static_assert(sizeof(CoverNode) + sizeof(void*) <= 256, "a cover without picture stays within 256 bytes");

CoverNode::CoverNode() = default;

CoverNode::~CoverNode()
{
    deleteTexture();
}

void CoverNode::setPicture(const Image& picture)
{
    if (picture.isNull()) {
        m_picture.reset();
        return;
    }
    m_picture = std::make_unique<Image>(picture);
}

void CoverNode::setTexture(Texture* texture)
{
    if (texture == m_texture)
        return;
    deleteTexture();
    m_texture = texture;
}

void CoverNode::deleteTexture()
{
    delete m_texture;
    m_texture = nullptr;
}

void CoverNode::setTarget(const Vec3& position, float rotY, float rotW, float shade, float scale)
{
    m_targetPosition = position;
    m_targetRotY = rotY;
    m_targetRotW = rotW;
    m_targetShade = shade;
    m_targetScale = scale;
}

void CoverNode::captureStart()
{
    m_startPosition = m_position;
    m_startRotY = m_rotY;
    m_startRotW = m_rotW;
    m_startShade = m_shade;
    m_startScale = m_scale;
}

void CoverNode::snapToTarget()
{
    m_position = m_targetPosition;
    m_rotY = m_targetRotY;
    m_rotW = m_targetRotW;
    m_shade = m_targetShade;
    m_scale = m_targetScale;
    m_startPosition = m_targetPosition;
    m_startRotY = m_targetRotY;
    m_startRotW = m_targetRotW;
    m_startShade = m_targetShade;
    m_startScale = m_targetScale;
}

void CoverNode::interpolate(float e)
{
    // The shorter way round: a target on the far side of the quaternion
    // sphere is taken negated.
    float targetY = m_targetRotY;
    float targetW = m_targetRotW;
    if (m_startRotY * targetY + m_startRotW * targetW < 0.0f) {
        targetY = -targetY;
        targetW = -targetW;
    }
    m_rotY = m_startRotY + (targetY - m_startRotY) * e;
    m_rotW = m_startRotW + (targetW - m_startRotW) * e;
    m_position = m_startPosition.add(m_targetPosition.subtract(m_startPosition).scale(e));
    m_scale = m_startScale + (m_targetScale - m_startScale) * e;
    m_shade = m_startShade + (m_targetShade - m_startShade) * e;
}
