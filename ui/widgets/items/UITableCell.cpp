#include "ui/widgets/items/UITableCell.h"

#include "ui/widgets/items/UIItemPool.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/items/UITableRow.h"

namespace {

const FontDesc kNoFont;
const Pen kNoPen;
const Brush kNoBrush;
const UIMargins kDefaultPadding(4, 4, 4, 4);
const Image kNoImage;

// Never destroyed, so that a cell outliving the program's statics still has
// its pool.
UIItemPool& cellPool()
{
    static UIItemPool* pool = new UIItemPool(sizeof(UITableCell));
    return *pool;
}

} // namespace

void* UITableCell::operator new(size_t size)
{
    return cellPool().allocate(size);
}

void UITableCell::operator delete(void* block, size_t size)
{
    cellPool().deallocate(block, size);
}

UITableCell::~UITableCell() = default;

UITableCell::Own& UITableCell::own()
{
    if (!m_own)
        m_own = std::make_unique<Own>();
    return *m_own;
}

void UITableCell::setImage(const Image& image)
{
    own().image = std::make_unique<Image>(image);
}

const Image& UITableCell::image() const
{
    return m_own && m_own->image ? *m_own->image : kNoImage;
}

Rect UITableCell::rect() const
{
    UITable* table = m_row ? m_row->table() : nullptr;
    return table ? table->cellRect(m_row, m_column) : Rect();
}

void UITableCell::setFont(const FontDesc& font)
{
    own().font = std::make_unique<FontDesc>(font);
}

const FontDesc& UITableCell::font() const
{
    return m_own && m_own->font ? *m_own->font : kNoFont;
}

void UITableCell::setFontStyle(uint32_t style)
{
    FontDesc font = this->font();
    font.setStyle(style);
    setFont(font);
}

void UITableCell::setPen(const Pen& pen)
{
    own().pen = std::make_unique<Pen>(pen);
}

const Pen& UITableCell::pen() const
{
    return m_own && m_own->pen ? *m_own->pen : kNoPen;
}

void UITableCell::setBackground(const Brush& brush)
{
    own().brush = std::make_unique<Brush>(brush);
}

const Brush& UITableCell::background() const
{
    return m_own && m_own->brush ? *m_own->brush : kNoBrush;
}

void UITableCell::setPadding(const UIMargins& padding)
{
    own().padding = std::make_unique<UIMargins>(padding);
}

const UIMargins& UITableCell::padding() const
{
    return m_own && m_own->padding ? *m_own->padding : kDefaultPadding;
}
