#include "app/feedback/FeedbackMessage.h"

#include "foundation/net/FormPost.h"
#include "foundation/net/Url.h"
#include "foundation/text/ByteArray.h"
#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlElement.h"

String FeedbackMessage::compose(const String& email, const String& feedback)
{
    String message = email.trim();
    if (!message.isEmpty())
        message += u"\n\n";
    message += feedback.trim();
    return message;
}

String FeedbackMessage::encode(const String& message)
{
    return urlEncode(message.toUtf8().trimZeros().toBase64());
}

bool FeedbackMessage::isAcceptedAnswer(const String& answer)
{
    if (String::equals(answer, String(u"1")))
        return true;
    if (!answer.startsWith(String(u"<?xml"), String::kCaseSensitive))
        return false;
    XmlDocument document;
    if (!document.loadFromString(answer, false))
        return false;
    const XmlElement* element = document.findElement(String(u"answer"));
    return element && String::equals(element->attribute(String(u"version")), String(u"1.0")) &&
           String::equals(element->value(), String(u"1"));
}

int FeedbackMessage::send(const String& encoded, const String& host, const String& userAgent)
{
    FormPost post;
    post.setTarget(userAgent, host, String(u"/service-feedback"));
    post.addFormField(String(u"q"), encoded);
    return post.send(&FeedbackMessage::isAcceptedAnswer, nullptr);
}
