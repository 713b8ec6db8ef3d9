#pragma once

class String;
class XmlElement;

// What a style model is applied to: each widget class reads the properties it
// knows and ignores the others.
class UIStylePropertySink
{
public:
    virtual ~UIStylePropertySink() = default;
    virtual void setStyleProperty(const String& name, const String& value) = 0;
};

// Applies the style model named styleName from the theme's "models" element:
// the element itself when it carries that name, else its first child whose
// "name" attribute is the style name. Each item of the model reaches the sink
// in order as (its "name", its "data"); nothing happens without a model.
void applyStyleModel(const XmlElement* models, const String& styleName, UIStylePropertySink& sink);
