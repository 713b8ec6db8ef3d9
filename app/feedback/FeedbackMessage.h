#pragma once

#include "foundation/text/String.h"

// What the feedback window sends to the maker's service and how it judges
// the answer: one form field "q" holding the message's UTF-8 bytes in
// Base64, url-encoded, posted to "/service-feedback".
class FeedbackMessage
{
public:
    // The trimmed e-mail, two line feeds when it is not empty, then the
    // trimmed feedback text.
    static String compose(const String& email, const String& feedback);
    // The form value; empty when the message is.
    static String encode(const String& message);
    // "1", or an XML document whose "answer" element has the version "1.0"
    // and the text "1".
    static bool isAcceptedAnswer(const String& answer);
    // One exchange with the service at host; FormPost's kAccepted, kRefused
    // (an answer came but was not accepted) or kFailed (none came).
    static int send(const String& encoded, const String& host, const String& userAgent);
};
