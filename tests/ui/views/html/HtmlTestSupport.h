#pragma once

#include "foundation/text/ByteArray.h"
#include "ui/views/html/HtmlDocument.h"
#include "ui/views/html/HtmlNode.h"

#include <string>

inline std::string narrow(const String& text)
{
    std::string out;
    const ByteArray bytes = text.toUtf8();
    if (bytes.size() > 0)
        out.assign(reinterpret_cast<const char*>(bytes.data()), static_cast<size_t>(bytes.size()));
    return out;
}

inline String wide(const std::string& text)
{
    return String::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// A tree as one line: TAG[attr=value](children) for elements, "text" for
// text, so a table of expected trees reads like the markup.
inline std::string treeText(const HtmlNode* node)
{
    if (node->isText())
        return "\"" + narrow(node->text()) + "\"";
    std::string out = narrow(node->tag());
    if (!node->attributes().empty()) {
        out += "[";
        for (size_t i = 0; i < node->attributes().size(); ++i)
            out += (i ? "," : "") + narrow(node->attributes()[i].name) + "=" +
                   narrow(node->attributes()[i].value);
        out += "]";
    }
    if (node->children().empty())
        return out;
    out += "(";
    for (size_t i = 0; i < node->children().size(); ++i)
        out += (i ? "," : "") + treeText(node->children()[i].get());
    return out + ")";
}

inline std::string boxText(const Rect& r)
{
    return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" +
           std::to_string(r.height);
}

// A document laid out at a width and a height, from narrow markup.
inline void load(HtmlDocument& document, const std::string& html, int width = 400, int height = 300)
{
    document.setViewportSize(Size(width, height));
    document.setHtml(wide(html));
}

inline const HtmlNode* byId(const HtmlDocument& document, const char* id)
{
    return document.elementById(wide(id));
}
