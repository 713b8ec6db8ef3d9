#include "model/records/ModelText.h"

namespace {

ModelText::TranslateFunction g_translate = nullptr;

} // namespace

void ModelText::setTranslateFunction(TranslateFunction function)
{
    g_translate = function;
}

String ModelText::translate(const char16_t* text, const char16_t* context)
{
    if (!g_translate)
        return String(text);
    return g_translate(String(text), String(context));
}
