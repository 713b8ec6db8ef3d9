#include "foundation/xml/XmlParseState.h"

#include "foundation/text/CharClass.h"
#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlReader.h"

bool XmlParseState::isNameChar(char16_t unit)
{
    return isAlphaNumericChar(unit) || unit == u'-' || unit == u'_' || unit == u'.';
}

// Each run of text is decoded on its own, so text that was decoded once is
// never decoded a second time when more text joins it.
void XmlParseState::storeText() const
{
    XmlParseContext& c = context();
    if (c.textBuffer.isEmpty())
        return;
    c.current->setValue(c.current->value() + xmlUnescape(c.textBuffer));
    c.textBuffer.clear();
}

bool XmlBetweenMarkupState::execute()
{
    XmlParseContext& c = context();
    while (!c.atEnd()) {
        char16_t unit = c.unit();
        if (unit == u'<') {
            storeText();
            ++c.position;
            setNext(kAfterOpen);
            return true;
        }
        if (c.lenient)
            c.textBuffer.appendChar(unit);
        else if (!isSpaceChar(unit))
            return false;
        ++c.position;
    }
    // A text that ends while elements are still open was cut short.
    return c.depth() == 0;
}

bool XmlAfterOpenState::execute()
{
    XmlParseContext& c = context();
    while (!c.atEnd()) {
        char16_t unit = c.unit();
        if (isNameChar(unit)) {
            if (!c.pending) {
                c.pending = new XmlElement();
                c.nameBuffer.clear();
                c.textBuffer.clear();
            }
            c.nameBuffer.appendChar(unit);
            ++c.position;
            continue;
        }
        if (c.pending) {
            setNext(kAfterName);
            return true;
        }
        if (unit == u'/') {
            setNext(kEndTag);
            return true;
        }
        if (unit == u'!') {
            bool opensComment = c.unitAt(int64_t(c.position) - 1) == u'<' &&
                                c.unitAt(int64_t(c.position) + 1) == u'-' &&
                                c.unitAt(int64_t(c.position) + 2) == u'-';
            if (opensComment) {
                c.position += 2;
                setNext(kComment);
                return true;
            }
            ++c.position;
            continue;
        }
        if (!isSpaceChar(unit))
            return false;
        ++c.position;
    }
    return false;
}

bool XmlAfterNameState::execute()
{
    XmlParseContext& c = context();
    if (c.atEnd())
        return false;
    char16_t unit = c.unit();
    if (isSpaceChar(unit)) {
        ++c.position;
        setNext(kBetweenAttributes);
        return true;
    }
    if (unit == u'/' || unit == u'>') {
        setNext(kStartTagEnd);
        return true;
    }
    return false;
}

bool XmlTextState::execute()
{
    XmlParseContext& c = context();
    int32_t start = c.position;
    while (!c.atEnd() && c.unit() != u'<')
        ++c.position;
    if (c.atEnd())
        return false;
    c.textBuffer.appendChars(c.text + start, c.position - start);
    storeText();
    ++c.position;
    setNext(kAfterOpen);
    return true;
}

bool XmlStartTagEndState::execute()
{
    XmlParseContext& c = context();
    while (!c.atEnd()) {
        char16_t unit = c.unit();
        if (unit == u'>')
            break;
        if (unit == u'/')
            c.selfClosing = true;
        else if (!isSpaceChar(unit))
            return false;
        ++c.position;
    }
    if (c.atEnd() || !c.current || !c.pending)
        return false;
    if (c.depth() >= XmlDocument::kMaxDepth)
        return false;
    XmlElement* element = c.pending;
    c.pending = nullptr;
    element->setName(c.nameBuffer);
    c.current->appendChild(element);
    if (c.selfClosing) {
        setNext(kBetweenMarkup);
    } else {
        c.openElements.append(element);
        c.current = element;
        setNext(kText);
    }
    c.selfClosing = false;
    ++c.position;
    return true;
}

bool XmlEndTagState::execute()
{
    XmlParseContext& c = context();
    while (!c.atEnd()) {
        char16_t unit = c.unit();
        if (unit == u'>')
            break;
        if (!isSpaceChar(unit) && !isNameChar(unit) && unit != u'/')
            return false;
        ++c.position;
    }
    if (c.atEnd() || !c.current || c.depth() < 1)
        return false;
    List<XmlElement*>::Node* innermost = c.openElements.last();
    c.openElements.erase(innermost);
    c.current = c.openElements.last()->value;
    ++c.position;
    setNext(kBetweenMarkup);
    return true;
}

bool XmlCommentState::execute()
{
    XmlParseContext& c = context();
    while (!c.atEnd()) {
        bool closes = c.unit() == u'>' && c.unitAt(int64_t(c.position) - 1) == u'-' &&
                      c.unitAt(int64_t(c.position) - 2) == u'-';
        ++c.position;
        if (closes) {
            setNext(kBetweenMarkup);
            return true;
        }
    }
    return false;
}

bool XmlBetweenAttributesState::execute()
{
    XmlParseContext& c = context();
    while (!c.atEnd()) {
        char16_t unit = c.unit();
        if (isAlphaNumericChar(unit)) {
            setNext(kAttributeName);
            return true;
        }
        if (unit == u'/' || unit == u'>') {
            setNext(kStartTagEnd);
            return true;
        }
        if (!isSpaceChar(unit))
            return false;
        ++c.position;
    }
    return false;
}

bool XmlAttributeNameState::execute()
{
    XmlParseContext& c = context();
    while (!c.atEnd()) {
        char16_t unit = c.unit();
        if (!isNameChar(unit)) {
            if (c.attributeName.isEmpty())
                return false;
            setNext(kBeforeValue);
            return true;
        }
        c.attributeName.appendChar(unit);
        ++c.position;
    }
    return false;
}

bool XmlBeforeValueState::execute()
{
    XmlParseContext& c = context();
    while (!c.atEnd()) {
        char16_t unit = c.unit();
        if (unit == u'=') {
            c.equalsSeen = true;
        } else if ((unit == u'"' || unit == u'\'') && c.equalsSeen) {
            c.quote = unit;
            ++c.position;
            setNext(kAttributeValue);
            return true;
        } else if (!isSpaceChar(unit)) {
            return false;
        }
        ++c.position;
    }
    return false;
}

bool XmlAttributeValueState::execute()
{
    XmlParseContext& c = context();
    int32_t start = c.position;
    while (!c.atEnd() && c.unit() != c.quote)
        ++c.position;
    if (c.atEnd() || c.attributeName.isEmpty() || !c.pending)
        return false;
    c.attributeValue.appendChars(c.text + start, c.position - start);
    c.pending->addAttribute(c.attributeName, xmlUnescape(c.attributeValue));
    c.attributeName.clear();
    c.attributeValue.clear();
    c.quote = 0;
    c.equalsSeen = false;
    ++c.position;
    setNext(kBetweenAttributes);
    return true;
}
