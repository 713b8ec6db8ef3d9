// The main window's tools commands: the loans window, and the options with
// the restart a change of language needs.
#include "app/main/MainWindow.h"

#include "app/loans/LoansWindow.h"
#include "app/options/OptionsWindow.h"
#include "app/view/View.h"
#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "foundation/io/File.h"
#include "foundation/platform/SystemInfo.h"
#include "model/CollectionModel.h"
#include "model/application/Application.h"
#include "ui/widgets/items/UIList.h"
#include "ui/widgets/menus/UIMenu.h"
#include "ui/widgets/menus/UIMenuItem.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/toolbar/UIToolBar.h"
#include "ui/widgets/toolbar/UIToolButton.h"
#include "ui/widgets/window/UIWindow.h"

namespace {

const int kManageLoansItem = 0;
const int kOptionsItem = 6;
const int kOptionsButton = 8;
const char16_t kLanguageKey[] = u"model/language";

String storedLanguage()
{
    return Application::config().value(String(kLanguageKey), Variant()).toString();
}

} // namespace

void MainWindow::connectToolCommands()
{
    m_loansMenu->item(kManageLoansItem)->triggered.connect(this, &MainWindow::manageLoans);
    m_toolBar->button(kLoansButton)->clicked.connect(this, &MainWindow::manageLoans);
    m_toolsMenu->item(kOptionsItem)->triggered.connect(this, &MainWindow::showOptions);
    m_toolBar->button(kOptionsButton)->clicked.connect(this, &MainWindow::showOptions);
}

void MainWindow::manageLoans()
{
    if (!m_model.isCollectionOpen())
        return;
    LoansWindow window(m_model, m_window);
    window.exec();
}

void MainWindow::showOptions()
{
    const String before = storedLanguage();
    {
        OptionsWindow window(m_model, m_view, Application::config(), m_window);
        if (!window.exec())
            return;
    }
    m_list->setStyleProperty(String(u"background"), m_view.movieListBackgroundColor.toDecimalText());
    m_list->setStyleProperty(String(u"defaultItemForeground"), m_view.movieListTextColor.toDecimalText());
    m_list->setStyleProperty(String(u"selectedItemForeground"),
                             m_view.movieListSelectedTextColor.toDecimalText());
    m_list->update();
    fillMovieList();
    showCard();
    if (storedLanguage().toLower() == before.toLower())
        return;
    const int answer = UIMessageBox::question(
        m_window, String(),
        translate(u"To change language, you have to restart the application.", u"OptionsWindow"), String(),
        UIMessageBox::kRestartNow | UIMessageBox::kClose, 0);
    if (answer == UIMessageBox::kRestartNow)
        restartThroughHelper();
}

String MainWindow::helperCommandLine(const String& programPath)
{
    return String(u"-path \"") + programPath + String(u"\" -try \"1000\"");
}

bool MainWindow::restartThroughHelper()
{
    AppCore* core = AppCore::instance();
    if (!core)
        return false;
    const String helper = core->appDirectory() + String(u"\\Helper.exe");
    // Without a helper that runs, ending now would leave the user with no
    // program at all: keep running in the old language instead.
    if (!File::exists(helper) || !SystemInfo::startOwnProgram(helper, helperCommandLine(core->programPath())))
        return false;
    shutDown();
    return true;
}
