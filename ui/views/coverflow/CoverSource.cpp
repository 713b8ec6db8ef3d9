#include "ui/views/coverflow/CoverSource.h"

CoverSource::~CoverSource() = default;
