#include "ui/widgets/UITranslate.h"

#include "foundation/core/AppCore.h"

String uiTranslate(const char16_t* text, const char16_t* context)
{
    const AppCore* core = AppCore::instance();
    return core ? core->translate(text, context) : String(text);
}
