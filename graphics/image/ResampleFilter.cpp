#include "graphics/image/ResampleFilter.h"

ResampleFilter::~ResampleFilter() = default;
