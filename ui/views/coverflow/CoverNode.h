#pragma once

#include "foundation/text/String.h"
#include "ui/views/scene/Vec3.h"

#include <cstdint>
#include <memory>

class Image;
class Texture;

// One movie of the cover flow: where it stands, where its animation takes it,
// its title and id for the owner, and its picture. Ten thousand of them live
// in a scene, so a node carries no world matrix and no vertices: the scene
// draws every cover through one scratch quad. A node owns its texture; the
// scene makes it as the cover comes near the view and deletes it as it goes.
class CoverNode
{
public:
    // Owner flag: the cover shows the movie's own picture, not the blank one.
    static constexpr uint32_t kRealCover = 1;

    CoverNode();
    ~CoverNode();
    CoverNode(const CoverNode&) = delete;
    CoverNode& operator=(const CoverNode&) = delete;

    const String& title() const { return m_title; }
    void setTitle(const String& title) { m_title.assign(title); }
    const String& text() const { return m_text; }
    void setText(const String& text) { m_text.assign(text); }
    uint64_t userData() const { return m_userData; }
    void setUserData(uint64_t value) { m_userData = value; }
    int32_t id() const { return m_id; }
    void setId(int32_t id) { m_id = id; }
    void setFlag(uint32_t mask, bool on) { m_flags = on ? (m_flags | mask) : (m_flags & ~mask); }
    // True when any bit of the mask is set.
    bool testFlag(uint32_t mask) const { return (m_flags & mask) != 0; }

    // The current placement: rotation about the vertical axis as the y and w
    // of its quaternion, shade 0 (full bright) to 1 (black).
    const Vec3& position() const { return m_position; }
    float rotationY() const { return m_rotY; }
    float rotationW() const { return m_rotW; }
    float scale() const { return m_scale; }
    float shade() const { return m_shade; }
    const Vec3& targetPosition() const { return m_targetPosition; }
    float targetScale() const { return m_targetScale; }
    float targetShade() const { return m_targetShade; }
    // The quad's size in world units, fitted from the picture.
    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }

    // The picture handed in (shared, not copied), or null when the scene
    // asks its source for it.
    const Image* picture() const { return m_picture.get(); }
    Texture* texture() const { return m_texture; }

private:
    friend class CoverFlowScene;

    // Internal state bits.
    static constexpr uint8_t kPictureFailed = 1; // no texture could be made
    static constexpr uint8_t kResident = 2;      // counted among the live textures

    void setPicture(const Image& picture);
    void setTexture(Texture* texture);
    void deleteTexture();
    void setTarget(const Vec3& position, float rotY, float rotW, float shade, float scale);
    void captureStart();
    void snapToTarget();
    // Progress e (0..1, eased) between start and target.
    void interpolate(float e);

    Vec3 m_position;
    Vec3 m_startPosition;
    Vec3 m_targetPosition;
    float m_rotY = 0.0f;
    float m_rotW = 1.0f;
    float m_startRotY = 0.0f;
    float m_startRotW = 1.0f;
    float m_targetRotY = 0.0f;
    float m_targetRotW = 1.0f;
    float m_scale = 1.0f;
    float m_startScale = 1.0f;
    float m_targetScale = 1.0f;
    float m_shade = 1.0f;
    float m_startShade = 1.0f;
    float m_targetShade = 1.0f;
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_id = 0;
    uint32_t m_flags = 0;
    uint8_t m_state = 0;
    uint64_t m_userData = 0;
    String m_title;
    String m_text;
    std::unique_ptr<Image> m_picture;
    Texture* m_texture = nullptr;
    // The picture file's name the texture is named after; empty for none.
    String m_textureName;
};
