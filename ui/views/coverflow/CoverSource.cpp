#include "ui/views/coverflow/CoverSource.h"

CoverSource::~CoverSource() = default;

String CoverSource::coverTitle(const CoverNode&)
{
    return String();
}
