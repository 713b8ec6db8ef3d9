#include "ui/views/coverflow/UI3dPrivate.h"

// No window system here: the object stands for its window, so that the
// device logic can run on its fake calls.
UI3dPrivate::UI3dPrivate() : m_handle(reinterpret_cast<uintptr_t>(this)) {}

UI3dPrivate::~UI3dPrivate() = default;
