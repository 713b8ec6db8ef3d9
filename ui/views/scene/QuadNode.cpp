#include "ui/views/scene/QuadNode.h"

#include <cmath>

QuadNode::QuadNode()
{
    const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < 4; ++i) {
        m_vertices[i].u = corners[i][0];
        m_vertices[i].v = corners[i][1];
    }
    placeCorners();
    setBatch(4, 1, m_vertices);
}

QuadNode::QuadNode(const QuadNode& other) : Transformable(other), TextureSlot(other)
{
    m_width = other.m_width;
    m_height = other.m_height;
    for (int i = 0; i < 4; ++i)
        m_vertices[i] = other.m_vertices[i];
    // The copied batch still points at the other quad's vertices.
    setBatch(4, 1, m_vertices);
}

QuadNode& QuadNode::operator=(const QuadNode& other)
{
    if (this == &other)
        return *this;
    Transformable::operator=(other);
    TextureSlot::operator=(other);
    m_width = other.m_width;
    m_height = other.m_height;
    for (int i = 0; i < 4; ++i)
        m_vertices[i] = other.m_vertices[i];
    setBatch(4, 1, m_vertices);
    return *this;
}

void QuadNode::placeCorners()
{
    float w = static_cast<float>(m_width);
    float h = static_cast<float>(m_height);
    const float corners[4][2] = {{0, h}, {w, h}, {w, 0}, {0, 0}};
    for (int i = 0; i < 4; ++i) {
        m_vertices[i].x = corners[i][0];
        m_vertices[i].y = corners[i][1];
        m_vertices[i].z = 0.0f;
    }
}

void QuadNode::setSize(int32_t width, int32_t height)
{
    m_width = width;
    m_height = height;
    placeCorners();
}

void QuadNode::setSize(float width, float height)
{
    const float kLimit = 2147483520.0f; // the largest float below 2^31
    if (!(std::fabs(width) <= kLimit) || !(std::fabs(height) <= kLimit))
        return;
    setSize(static_cast<int32_t>(width), static_cast<int32_t>(height));
}

void QuadNode::setAnchor(int code)
{
    float w = static_cast<float>(m_width);
    float h = static_cast<float>(m_height);
    const float pivots[9][2] = {{w / 2, h / 2}, {0, h},     {w, h},     {0, 0},    {w, 0},
                                {w / 2, h},     {w / 2, 0}, {0, h / 2}, {w, h / 2}};
    if (code < 0 || code > 8)
        return;
    setPivot(Vec3(pivots[code][0], pivots[code][1], 0.0f));
}

void QuadNode::setOpacity(float opacity)
{
    Transformable::setOpacity(opacity);
    uint32_t alpha = static_cast<uint32_t>(this->opacity() * 255.0f);
    for (SceneVertex& vertex : m_vertices)
        vertex.color = (vertex.color & 0x00FFFFFF) | (alpha << 24);
}

void QuadNode::setTexture(Texture* texture)
{
    TextureSlot::setTexture(texture);
    setBatchTexture(texture);
}

void QuadNode::setColor(uint32_t color)
{
    for (SceneVertex& vertex : m_vertices)
        vertex.color = color;
}

void QuadNode::setVertexColor(int index, uint32_t color)
{
    if (isIndex(index))
        m_vertices[index].color = color;
}

uint32_t QuadNode::vertexColor(int index) const
{
    return isIndex(index) ? m_vertices[index].color : 0;
}

void QuadNode::setTexCoord(int index, float u, float v)
{
    if (!isIndex(index))
        return;
    m_vertices[index].u = u;
    m_vertices[index].v = v;
}

void QuadNode::texCoord(int index, float& u, float& v) const
{
    SceneVertex corner = vertex(index);
    u = corner.u;
    v = corner.v;
}

void QuadNode::uvRect(float& u, float& v, float& width, float& height) const
{
    u = m_vertices[0].u;
    v = m_vertices[0].v;
    width = m_vertices[2].u - u;
    height = m_vertices[2].v - v;
}

void QuadNode::setVertex(int index, const SceneVertex& vertex)
{
    if (isIndex(index))
        m_vertices[index] = vertex;
}

void QuadNode::setVertices(const SceneVertex& first, const SceneVertex& second, const SceneVertex& third,
                           const SceneVertex& fourth)
{
    m_vertices[0] = first;
    m_vertices[1] = second;
    m_vertices[2] = third;
    m_vertices[3] = fourth;
}

SceneVertex QuadNode::vertex(int index) const
{
    return isIndex(index) ? m_vertices[index] : SceneVertex();
}

bool QuadNode::hitTest(const Ray& ray) const
{
    float ignored = 0.0f;
    return hitTest(ray, ignored);
}

bool QuadNode::hitTest(const Ray& ray, float& distance) const
{
    Matrix4 world = currentWorld();
    float w = static_cast<float>(m_width);
    float h = static_cast<float>(m_height);
    if (!mayHit(ray, world.transformPoint(Vec3(w / 2, h / 2, 0)), (w * w + h * h) / 4 * scale() * scale()))
        return false;
    Vec3 c0 = world.transformPoint(Vec3(0, h, 0));
    Vec3 c1 = world.transformPoint(Vec3(w, h, 0));
    Vec3 c2 = world.transformPoint(Vec3(w, 0, 0));
    Vec3 c3 = world.transformPoint(Vec3(0, 0, 0));
    Vec3 point;
    if (!ray.hitTriangle(c0, c1, c2, point) && !ray.hitTriangle(c2, c3, c0, point))
        return false;
    distance = point.subtract(ray.origin).length();
    return true;
}

bool QuadNode::mayHit(const Ray& ray, const Vec3& centre, float radiusSquared)
{
    // A click tests every cover: most are far off the ray, and a sphere
    // around the quad rules them out without the triangle tests.
    float along = ray.direction.dot(ray.direction);
    if (!(along > 0.0f))
        return false;
    Vec3 toCentre = centre.subtract(ray.origin);
    float projected = toCentre.dot(ray.direction);
    float offSquared = toCentre.dot(toCentre) - projected * projected / along;
    // The slack keeps rounding from ruling out a hit on the rim.
    return offSquared <= radiusSquared * 1.001f + 1e-3f;
}
