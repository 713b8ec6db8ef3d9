// The main window's help commands and the statistics: feedback, about, the
// home page, the check for a newer version and its answer, and the opener
// of the HTML export frame.
#include "app/main/MainWindow.h"

#include "app/about/AboutWindow.h"
#include "app/feedback/FeedbackWindow.h"
#include "app/htmlexport/ExportToHtmlWindow.h"
#include "app/stats/StatisticsWindow.h"
#include "foundation/core/AppCore.h"
#include "foundation/net/Url.h"
#include "model/CollectionModel.h"
#include "model/shell/ShellLauncher.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

const char16_t kContext[] = u"MainWindow";
const int kStatisticsItem = 0;
const int kAboutItem = 0;
const int kCheckForUpdatesItem = 1;
const int kOnlineHelpItem = 3;
const int kFeedbackItem = 4;
const int kHomePageItem = 5;
const int kStatisticsButton = 6;
const int kFeedbackButton = 9;
const int kHomePageButton = 10;
const int kAboutButton = 11;
// Between the product's address and the identity of this copy.
const char16_t kHomePagePath[] = u"start/?copy=";

} // namespace

void MainWindow::connectHelpCommands()
{
    m_toolsMenu->item(kStatisticsItem)->triggered.connect(this, &MainWindow::showStatistics);
    m_toolBar->button(kStatisticsButton)->clicked.connect(this, &MainWindow::showStatistics);
    m_helpMenu->item(kAboutItem)->triggered.connect(this, &MainWindow::showAbout);
    m_toolBar->button(kAboutButton)->clicked.connect(this, &MainWindow::showAbout);
    m_helpMenu->item(kCheckForUpdatesItem)->triggered.connect(this, &MainWindow::checkForUpdates);
    m_helpMenu->item(kOnlineHelpItem)->triggered.connect(this, &MainWindow::openHomePage);
    m_helpMenu->item(kHomePageItem)->triggered.connect(this, &MainWindow::openHomePage);
    m_toolBar->button(kHomePageButton)->clicked.connect(this, &MainWindow::openHomePage);
    m_helpMenu->item(kFeedbackItem)->triggered.connect(this, &MainWindow::showFeedback);
    m_toolBar->button(kFeedbackButton)->clicked.connect(this, &MainWindow::showFeedback);
    m_model.informer().finished.connect(this, &MainWindow::onNewVersion);
}

void MainWindow::showStatistics()
{
    StatisticsWindow window(m_model, this);
    window.exec();
}

void MainWindow::showAbout()
{
    AboutWindow window;
    window.exec();
}

void MainWindow::showFeedback()
{
    FeedbackWindow window(this);
    window.exec();
}

void MainWindow::showExportToHtml()
{
    ExportToHtmlWindow window;
    window.exec();
}

void MainWindow::checkForUpdates()
{
    // Refused while a query is under way: one answer is enough.
    m_model.informer().start();
}

String MainWindow::homePageAddress()
{
    AppCore* core = AppCore::instance();
    if (!core)
        return String();
    return core->productUrl() + kHomePagePath + urlEncode(core->agentIdentity(true));
}

void MainWindow::openHomePage()
{
    const String address = homePageAddress();
    if (!address.isEmpty())
        ShellLauncher::openAddress(address);
}

void MainWindow::onNewVersion()
{
    // Counted before any box runs: whoever reads the count then finds the
    // box this answer brings already showing.
    ++m_updateAnswers;
    AppCore* core = AppCore::instance();
    UpdateInformer& informer = m_model.informer();
    if (!core || informer.result() != UpdateInformer::kAccepted)
        return;
    const int order = compareVersions(core->version(), informer.latestVersion());
    if (order == -1) {
        const int answer = UIMessageBox::question(
            m_window, String(), translate(u"A new version of Reelstack is available.", kContext),
            translate(u"Would you like to visit the Reelstack home page for more information?", kContext),
            UIMessageBox::kYes | UIMessageBox::kNo, 0);
        if (answer == UIMessageBox::kYes)
            ShellLauncher::openAddress(informer.downloadLink());
    } else if (order == 0) {
        UIMessageBox::information(
            m_window, String(),
            translate(u"This version of Reelstack (^) is the current version.", kContext)
                .arg(core->version()),
            String(), UIMessageBox::kOk, 0);
    }
}
