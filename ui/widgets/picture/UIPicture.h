#pragma once

#include "foundation/containers/List.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/widget/UIWidget.h"
#include "ui/widgets/UIStyleNames.h"
#include "ui/widgets/picture/UIPictureImage.h"

class Painter;

// Images drawn in order inside the widget less its image margins, each by
// its own scale mode and alignment, over a background with a one-pixel
// border; without images, a centred text. It can size itself to its largest
// image.
class UIPicture : public UIWidget
{
public:
    struct Style
    {
        FontDesc font;
        Pen foreground;
        Pen shadowForeground;
        Point shadowOffset = Point(0, 0);
        Brush background;
        Color borderColor = Color(0u);
        Brush disabledBackground;
        Color disabledBorderColor = Color(0u);
    };

    explicit UIPicture(UIWidget* parent);

    static UIStyleNames styleNames();

    Size sizeHint() const override;
    void setStyleProperty(const String& name, const String& value) override;

    void setImage(const Image& image, int scaleMode, uint32_t alignment);
    void addImage(const Image& image, int scaleMode, uint32_t alignment);
    // The auto size stays.
    void clearImages();
    // Nothing for an index past the end.
    void replaceImage(int index, const Image& image, int scaleMode, uint32_t alignment);
    void setImageVisible(int index, bool visible);
    // The empty image and rectangle for an index past the end.
    Image image(int index) const;
    Rect imageRect(int index) const;
    int imageCount() const { return m_images.count(); }
    bool isEmpty() const { return m_images.isEmpty(); }

    // On, the size hint grows to the largest image ever held; it never
    // shrinks.
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }
    void setImageMargins(int left, int top, int right, int bottom);
    const UIMargins& imageMargins() const { return m_imageMargins; }
    void setDefaultImage(const Image& image, int scaleMode, uint32_t alignment);
    const UIPictureImage& defaultImage() const { return m_defaultImage; }
    void setText(const String& text) { m_text = text; }
    const String& text() const { return m_text; }
    void setShowText(bool on) { m_showText = on; }
    bool showText() const { return m_showText; }
    void setFont(const FontDesc& font) { m_style.font = font; }
    void setForeground(const Pen& pen) { m_style.foreground = pen; }
    void setBackground(const Color& color) { m_style.background = Brush(color, 0); }
    Color background() const { return m_style.background.color(); }
    const Style& style() const { return m_style; }

    void draw(Painter& painter);

protected:
    void paint(UIEvent* event) override;

private:
    UIPictureImage* entry(int index) const;
    void drawFrame(Painter& painter, const Brush& brush, const Color& border) const;
    void drawText(Painter& painter) const;
    // Draws by the entry's scale mode; the rectangle it was drawn in.
    static Rect drawImage(Painter& painter, const UIPictureImage& entry, const Rect& area);

    Style m_style;
    UIPictureImage m_defaultImage;
    List<UIPictureImage> m_images;
    bool m_autoSize = true;
    Size m_autoSizeHint = Size(0, 0);
    UIMargins m_imageMargins;
    String m_text;
    bool m_showText = true;
};
