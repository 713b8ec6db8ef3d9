#include "foundation/net/UserAgent.h"

#include "foundation/system/Random.h"

namespace {

const char16_t* const kFirefoxAgents[] = {
    u"Mozilla/5.0 (Windows NT 5.1; rv:10.0.2) Gecko/20100101 Firefox/10.0.2",
    u"Mozilla/5.0 (Windows NT 6.1; WOW64; rv:12.0) Gecko/20100101 Firefox/12.0",
    u"Mozilla/5.0 (Windows NT 6.1; rv:14.0) Gecko/20100101 Firefox/14.0.1",
    u"Mozilla/5.0 (Windows NT 6.1; WOW64; rv:15.0) Gecko/20100101 Firefox/15.0.1",
};

const char16_t* chosenFirefoxAgent()
{
    // A function-local static is initialised once even when two threads ask
    // at the same time.
    static const char16_t* const chosen = kFirefoxAgents[randomInt(0, 3)];
    return chosen;
}

} // namespace

String userAgentString(int index)
{
    switch (index) {
    case 0:
        return String(u"Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 6.0)");
    case 1:
        return String(chosenFirefoxAgent());
    case 2:
        return String(u"Opera/10.00 (Windows NT 6.0; U; en) Presto/2.2.0");
    case 3:
        return String(
            u"Mozilla/5.0 (Windows; U; Windows NT 6.1; en-US) AppleWebKit/533.16 (KHTML, like Gecko) "
            u"Version/5.0 Safari/533.16");
    case 4:
        return String(
            u"Mozilla/5.0 (Windows; U; Windows NT 5.1; en-US) AppleWebKit/534.6 (KHTML, like Gecko) "
            u"Chrome/7.0.503.0 Safari/534.6");
    default:
        return String(
            u"Mozilla/5.0 (Windows; U; Windows NT 5.1; en-US; rv:1.9.2.3) Gecko/20100401 Firefox/3.6.3");
    }
}
