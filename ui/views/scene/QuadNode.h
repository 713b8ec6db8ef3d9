#pragma once

#include "ui/views/scene/TextureSlot.h"
#include "ui/views/scene/Transformable.h"

// A textured rectangle of width x height world units, y up. Vertex 0 is the
// top left, then clockwise: top right, bottom right, bottom left.
class QuadNode : public Transformable, public TextureSlot
{
public:
    // Pivot placements of setAnchor.
    enum Anchor
    {
        kCentre = 0,
        kTopLeft = 1,
        kTopRight = 2,
        kBottomLeft = 3,
        kBottomRight = 4,
        kTopCentre = 5,
        kBottomCentre = 6,
        kLeftCentre = 7,
        kRightCentre = 8
    };

    QuadNode();
    QuadNode(const QuadNode& other);
    QuadNode& operator=(const QuadNode& other);

    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }
    // Rebuilds the corners; texture coordinates and colours stay. The pivot
    // stays too: set the anchor after the size.
    void setSize(int32_t width, int32_t height);
    // Truncated toward zero; a size that is not a finite int is ignored.
    void setSize(float width, float height);
    float scaledWidth() const { return static_cast<float>(m_width) * scale(); }
    float scaledHeight() const { return static_cast<float>(m_height) * scale(); }
    // Sets the pivot from the size; an unknown code leaves it.
    void setAnchor(int code);

    void setOpacity(float opacity) override;
    void setTexture(Texture* texture) override;

    // Vertex indices outside 0..3 are ignored (and read as a blank vertex).
    void setColor(uint32_t color);
    void setVertexColor(int index, uint32_t color);
    uint32_t vertexColor(int index) const;
    void setTexCoord(int index, float u, float v);
    void texCoord(int index, float& u, float& v) const;
    // u, v of vertex 0 and the extent to vertex 2.
    void uvRect(float& u, float& v, float& width, float& height) const;
    void setVertex(int index, const SceneVertex& vertex);
    void setVertices(const SceneVertex& first, const SceneVertex& second, const SceneVertex& third,
                     const SceneVertex& fourth);
    SceneVertex vertex(int index) const;

    // Whether the ray meets the face turned toward it, with the quad where
    // its placement puts it now, drawn since or not.
    bool hitTest(const Ray& ray) const;
    // As hitTest, giving how far from the ray's origin it meets the quad.
    bool hitTest(const Ray& ray, float& distance) const;

private:
    void placeCorners();
    // False when the ray passes outside the sphere around the quad.
    static bool mayHit(const Ray& ray, const Vec3& centre, float radiusSquared);
    static bool isIndex(int index) { return index >= 0 && index < 4; }

    int32_t m_width = 100;
    int32_t m_height = 100;
    SceneVertex m_vertices[4];
};
