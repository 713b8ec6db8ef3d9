#include "foundation/text/WideBuffer.h"

#include <cstdlib>

WideBuffer::WideBuffer(int count)
{
    if (count < 1)
        return;
    m_units = static_cast<char16_t*>(std::calloc(static_cast<size_t>(count), sizeof(char16_t)));
    if (m_units)
        m_count = count;
}

WideBuffer::~WideBuffer()
{
    std::free(m_units);
}
