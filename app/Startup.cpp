#include "app/Startup.h"

#include "app/TestHosts.h"
#include "app/launch/LaunchStamps.h"

#include "foundation/core/AppCore.h"
#include "foundation/net/SocketClient.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/automation/UIAutomationChannel.h"
#include "ui/views/web/UIWebViewDescriber.h"
#include "ui/widgets/automation/UIWidgetDescribers.h"
#include "ui/widgets/tooltip/UIToolTip.h"

namespace {

const char16_t kProductName[] = u"Reelstack";
const char16_t kVersion[] = u"1.2.0";
const char16_t kCompanyName[] = u"Vantorell Software";
// The maker's endpoints are names of our own; nothing answers there yet.
const char16_t kCompanyHost[] = u"service.reelstack.example";
const char16_t kCompanyUrl[] = u"http://service.reelstack.example/";
const char16_t kProductHost[] = u"www.reelstack.example";
const char16_t kProductUrl[] = u"http://www.reelstack.example/";
// The shop whose search finds a movie by its bar code.
const char16_t kShopHost[] = u"www.discshop.example";

} // namespace

bool loadWhiteSkin()
{
    return UIApplication::instance()->loadTheme(String(u"white"));
}

int runReelstack(const Startup& startup)
{
    LaunchStamps::reset();
    LaunchStamps::mark("start");
    AppCore core{startup.productName.isEmpty() ? String(kProductName) : startup.productName,
                 String(kVersion)};
    core.setCompanyName(String(kCompanyName));
    core.setCompanyHost(String(kCompanyHost));
    core.setCompanyUrl(String(kCompanyUrl));
    core.setProductHost(String(kProductHost));
    core.setProductUrl(String(kProductUrl));
    core.setShopHost(String(kShopHost));
    if (!startup.programFolder.isEmpty())
        core.setAppDirectory(startup.programFolder);
    if (core.isAnotherInstanceRunning())
        return -1;
    if (!core.openPak(String(u"data")))
        return -1;
    if (startup.loadSkin && !startup.loadSkin())
        return -1;
    UIToolTip::install();
    installWidgetDescribers();
    installWebViewDescriber();
    // Only a driven test run sets the variable; otherwise nothing is made.
    UIAutomationChannel::startFromEnvironment();
    TestHosts::applyFromEnvironment();
    Application application(startup.makeView);
    if (startup.makeView)
        core.run();
    UIAutomationChannel::stop();
    SocketClient::redirectAllTo(String(), 0);
    return 0;
}
