#pragma once

#include "foundation/geometry/Rect.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"
#include "graphics/paint/Brush.h"
#include "graphics/paint/FontDesc.h"
#include "graphics/paint/Pen.h"
#include "graphics/paint/UIMargins.h"
#include "ui/core/widget/UIItem.h"

#include <memory>

class UITableRow;

// One cell of a table row: a text (the item's text) or an image. A table of
// a whole collection holds millions of cells, so a cell keeps its own font,
// pen, brush, padding and image in a separate block made only when one of
// them is set; until then the table's look applies.
class UITableCell : public UIItem
{
public:
    static constexpr int kTextCell = 0;
    static constexpr int kImageCell = 1;

    UITableCell() = default;
    explicit UITableCell(const String& text) { setText(text); }
    ~UITableCell() override;
    // Cells come from a pool: a table of a whole collection makes them by
    // the million, and one allocation each dominated its fill.
    static void* operator new(size_t size);
    static void operator delete(void* block, size_t size);

    void setSecondText(const String& text) { m_secondText = text; }
    const String& secondText() const { return m_secondText; }
    void setImage(const Image& image);
    const Image& image() const;
    UITableRow* row() const { return m_row; }
    void setType(int type) { m_type = type; }
    int type() const { return m_type; }
    // Where the table paints the cell now; empty while its row or column is
    // hidden or the cell has no column.
    Rect rect() const;
    void setFont(const FontDesc& font);
    // Null while the cell has no font of its own.
    const FontDesc* ownFont() const { return m_own ? m_own->font.get() : nullptr; }
    const FontDesc& font() const;
    void setFontStyle(uint32_t style);
    void setPen(const Pen& pen);
    const Pen& pen() const;
    void setBackground(const Brush& brush);
    const Brush& background() const;
    void setPadding(const UIMargins& padding);
    const UIMargins& padding() const;
    void setAlignment(int alignment) { m_alignment = alignment; }
    int alignment() const { return m_alignment; }
    void setElideMode(int mode) { m_elideMode = mode; }
    int elideMode() const { return m_elideMode; }
    void setSortText(const String& text) { m_sortText = text; }
    const String& sortText() const { return m_sortText; }
    void setSortValue(double value) { m_sortValue = value; }
    double sortValue() const { return m_sortValue; }
    void setVisible(bool on) { m_visible = on; }
    bool isVisible() const { return m_visible; }
    const Rect& textRect() const { return m_textRect; }
    bool isElided() const { return m_elided; }
    void setDrawnText(const Rect& rect, bool elided)
    {
        m_textRect = rect;
        m_elided = elided;
    }
    int column() const { return m_column; }

private:
    friend class UITableRow;

    struct Own
    {
        std::unique_ptr<FontDesc> font;
        std::unique_ptr<Pen> pen;
        std::unique_ptr<Brush> brush;
        std::unique_ptr<UIMargins> padding;
        std::unique_ptr<Image> image;
    };
    Own& own();

    String m_secondText;
    String m_sortText;
    double m_sortValue = 0.0;
    UITableRow* m_row = nullptr;
    std::unique_ptr<Own> m_own;
    Rect m_textRect;
    int m_alignment = Rect::kAlignLeft | Rect::kAlignVCenter;
    int m_elideMode = 2;
    int m_type = kTextCell;
    int m_column = -1;
    bool m_visible = true;
    bool m_elided = false;
};
