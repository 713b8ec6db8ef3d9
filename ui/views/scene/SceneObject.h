#pragma once

// Anything the scene can draw.
class SceneObject
{
public:
    virtual ~SceneObject();

    virtual void draw() = 0;
    // Kept within 0 to 1.
    virtual void setOpacity(float opacity);
    virtual bool isVisible() const { return m_visible; }

    void setVisible(bool visible) { m_visible = visible; }
    float opacity() const { return m_opacity; }

private:
    bool m_visible = true;
    float m_opacity = 1.0f;
};
