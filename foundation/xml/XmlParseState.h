#pragma once

#include "foundation/xml/Command.h"
#include "foundation/xml/XmlParseContext.h"

// The XML tokenizer as eleven numbered steps of a CommandRunner. Each step
// reads the text from the context's position and names the step that goes
// on. The steps are tiny and only make sense together, so they live side by
// side here.
class XmlParseState : public Command
{
public:
    enum Id
    {
        kBetweenMarkup = 0,
        kAfterOpen = 1,
        kAfterName = 2,
        kText = 3,
        kStartTagEnd = 4,
        kEndTag = 5,
        kComment = 6,
        kBetweenAttributes = 7,
        kAttributeName = 8,
        kBeforeValue = 9,
        kAttributeValue = 10,
        kCount = 11
    };

    XmlParseState(int32_t id, XmlParseContext* context) : Command(id), m_context(context) {}

    // A letter or digit, "-", "_" or ".".
    static bool isNameChar(char16_t unit);

protected:
    XmlParseContext& context() const { return *m_context; }
    // Hands the text gathered so far to the current element, decoded.
    void storeText() const;

private:
    XmlParseContext* m_context;
};

// Between markup: white space only (any text when lenient) up to "<".
class XmlBetweenMarkupState : public XmlParseState
{
public:
    explicit XmlBetweenMarkupState(XmlParseContext* context) : XmlParseState(kBetweenMarkup, context) {}
    bool execute() override;
};

// After "<": the element name, an end tag's "/", or a comment's "!--".
class XmlAfterOpenState : public XmlParseState
{
public:
    explicit XmlAfterOpenState(XmlParseContext* context) : XmlParseState(kAfterOpen, context) {}
    bool execute() override;
};

// After the element name: attributes follow a blank; "/" or ">" end the tag.
class XmlAfterNameState : public XmlParseState
{
public:
    explicit XmlAfterNameState(XmlParseContext* context) : XmlParseState(kAfterName, context) {}
    bool execute() override;
};

// The text after a start tag, up to the next "<".
class XmlTextState : public XmlParseState
{
public:
    explicit XmlTextState(XmlParseContext* context) : XmlParseState(kText, context) {}
    bool execute() override;
};

// The end of a start tag: an optional "/" and the ">".
class XmlStartTagEndState : public XmlParseState
{
public:
    explicit XmlStartTagEndState(XmlParseContext* context) : XmlParseState(kStartTagEnd, context) {}
    bool execute() override;
};

// An end tag up to its ">"; it closes the innermost open element, whatever
// name it carries.
class XmlEndTagState : public XmlParseState
{
public:
    explicit XmlEndTagState(XmlParseContext* context) : XmlParseState(kEndTag, context) {}
    bool execute() override;
};

// A comment up to the first ">" behind two dashes.
class XmlCommentState : public XmlParseState
{
public:
    explicit XmlCommentState(XmlParseContext* context) : XmlParseState(kComment, context) {}
    bool execute() override;
};

// Between attributes: blanks, the next attribute name, or the tag's end.
class XmlBetweenAttributesState : public XmlParseState
{
public:
    explicit XmlBetweenAttributesState(XmlParseContext* context) : XmlParseState(kBetweenAttributes, context)
    {
    }
    bool execute() override;
};

// An attribute name.
class XmlAttributeNameState : public XmlParseState
{
public:
    explicit XmlAttributeNameState(XmlParseContext* context) : XmlParseState(kAttributeName, context) {}
    bool execute() override;
};

// The "=" and the opening quote of an attribute value.
class XmlBeforeValueState : public XmlParseState
{
public:
    explicit XmlBeforeValueState(XmlParseContext* context) : XmlParseState(kBeforeValue, context) {}
    bool execute() override;
};

// An attribute value up to its own closing quote.
class XmlAttributeValueState : public XmlParseState
{
public:
    explicit XmlAttributeValueState(XmlParseContext* context) : XmlParseState(kAttributeValue, context) {}
    bool execute() override;
};
