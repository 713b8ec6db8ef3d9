#include "model/informer/UpdateInformer.h"

#include "foundation/net/Url.h"
#include "foundation/system/CriticalSectionGuard.h"
#include "foundation/text/ByteArray.h"
#include "foundation/xml/XmlDocument.h"
#include "foundation/xml/XmlElement.h"

namespace {

bool isVersionNumber(const String& text)
{
    for (int i = 0; i < text.length(); ++i) {
        char16_t unit = text.at(i);
        if (unit != u'.' && (unit < u'0' || unit > u'9'))
            return false;
    }
    return !text.isEmpty();
}

// The main window hands the link to the shell: only web addresses may pass.
bool isWebAddress(const String& text)
{
    return text.startsWith(String(u"http://"), String::kCaseSensitive) ||
           text.startsWith(String(u"https://"), String::kCaseSensitive);
}

} // namespace

UpdateInformer::UpdateInformer(const String& agentIdentity, const String& host)
{
    setTarget(agentIdentity, host, String(u"/service-informer"));
    addFormField(String(u"q"), encodedQuery(agentIdentity));
}

UpdateInformer::UpdateInformer(const String& userAgent, const String& host, const String& path,
                               const String& answerElement)
    : m_answerElement(answerElement)
{
    setTarget(userAgent, host, path);
}

UpdateInformer::~UpdateInformer()
{
    // The abort flag wakes a worker waiting on a silent server at once.
    stop(-1);
}

String UpdateInformer::encodedQuery(const String& agentIdentity)
{
    String query = String(u"<?xml version=\"1.0\" encoding=\"utf-8\"?><query><agent>") + agentIdentity +
                   u"</agent><mode>latest_version</mode><data></data></query>";
    return urlEncode(query.toUtf8().trimZeros().toBase64());
}

String UpdateInformer::latestVersion() const
{
    CriticalSectionGuard guard(m_fieldsLock);
    return m_latestVersion;
}

String UpdateInformer::downloadLink() const
{
    CriticalSectionGuard guard(m_fieldsLock);
    return m_downloadLink;
}

void UpdateInformer::setFields(const String& version, const String& link)
{
    CriticalSectionGuard guard(m_fieldsLock);
    m_latestVersion = version;
    m_downloadLink = link;
}

bool UpdateInformer::handleAnswer(const String& answer)
{
    setFields(String(), String());
    if (!answer.startsWith(String(u"<?xml"), String::kCaseSensitive))
        return false;
    XmlDocument document;
    if (!document.loadFromString(answer, false))
        return false;
    XmlElement* root = document.findElement(m_answerElement);
    if (!root || !root->hasChildren())
        return false;
    XmlElement* version = root->child(String(u"version"));
    XmlElement* link = root->child(String(u"link"));
    String versionText = version ? version->value().trim() : String();
    String linkText = link ? link->value().trim() : String();
    if (!isVersionNumber(versionText) || !isWebAddress(linkText))
        return false;
    setFields(versionText, linkText);
    return true;
}
