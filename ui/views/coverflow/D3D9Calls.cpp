#include "ui/views/coverflow/D3D9Calls.h"

D3D9Calls::~D3D9Calls() = default;
