#include "ui/core/theme/UIStyleModel.h"

#include "foundation/text/String.h"
#include "foundation/xml/XmlElement.h"

void applyStyleModel(const XmlElement* models, const String& styleName, UIStylePropertySink& sink)
{
    if (!models)
        return;
    const XmlElement* model = models;
    if (models->name() != styleName)
        model = models->findChildWithAttribute(String(u"name"), styleName);
    if (!model)
        return;
    for (const XmlElement* item : model->children())
        sink.setStyleProperty(item->attribute(String(u"name")), item->attribute(String(u"data")));
}
