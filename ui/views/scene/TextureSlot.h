#pragma once

class Texture;

// Where a node holds its texture. The slot never deletes it: whoever puts
// another texture in its place deletes the old one.
class TextureSlot
{
public:
    virtual ~TextureSlot();

    virtual void setTexture(Texture* texture) { m_texture = texture; }
    Texture* texture() const { return m_texture; }

private:
    Texture* m_texture = nullptr;
};
