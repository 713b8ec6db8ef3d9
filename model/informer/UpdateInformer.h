#pragma once

#include "foundation/net/UpdatesBotThread.h"
#include "foundation/system/CriticalSection.h"
#include "foundation/text/String.h"

// Asks the maker's web service for the latest version of the program and
// where to download it, on a worker thread. The main window starts it and,
// once it reports an accepted answer, compares the version with its own.
class UpdateInformer : public UpdatesBotThread
{
public:
    // The identity the program sends and the service's host; the collection
    // model passes the application core's.
    UpdateInformer(const String& agentIdentity, const String& host);
    ~UpdateInformer() override;

    // Copies: the worker writes the fields while the GUI thread may read.
    String latestVersion() const;
    String downloadLink() const;

    // The form value "q": the query's UTF-8 bytes in Base64, url-encoded.
    static String encodedQuery(const String& agentIdentity);

protected:
    // A worker that posts an empty form to path with userAgent as the user
    // agent, and reads the version and link from the answer's element of
    // that name.
    UpdateInformer(const String& userAgent, const String& host, const String& path,
                   const String& answerElement);

    // Accepts an "answer" element with a "version" and a "link".
    bool handleAnswer(const String& answer) override;

private:
    void setFields(const String& version, const String& link);

    String m_answerElement = String(u"answer");

    mutable CriticalSection m_fieldsLock;
    String m_latestVersion;
    String m_downloadLink;
};
