#include "app/view/View.h"

#include "app/launch/LaunchStamps.h"
#include "app/main/MainWindow.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "model/CollectionModel.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/items/UITable.h"
#include "ui/widgets/window/UIWindow.h"

#include <cmath>
#include <cstdlib>

namespace {

const char16_t kScreenLayoutKey[] = u"view/screenLayout";
const char16_t kViewModeKey[] = u"view/viewMode";
const char16_t kListZoomKey[] = u"view/listZoom";
const char16_t kImagesZoomKey[] = u"view/imagesZoom";
const char16_t kCoverFlowZoomKey[] = u"view/coverFlowZoom";
const char16_t kAlwaysOnTopKey[] = u"view/alwaysOnTop";
const char16_t kListBackgroundKey[] = u"view/movieListBackgroundColor";
const char16_t kListTextKey[] = u"view/movieListTextColor";
const char16_t kListSelectedTextKey[] = u"view/movieListSelectedTextColor";
const char16_t kShowTitleKey[] = u"view/movieListShowTitleUnderImage";
const char16_t kAutoResizeKey[] = u"view/movieCardAutoResizeBackground";
const char16_t kSortModeKey[] = u"view/sortMode";
const char16_t kSortOrderKey[] = u"view/sortOrder";

Variant stored(const ConfigFile& config, const char16_t* key)
{
    return config.value(String(key), Variant());
}

void store(ConfigFile& config, const char16_t* key, const Variant& value)
{
    config.setValue(String(key), value);
}

String columnKey(const char16_t* prefix, int column)
{
    return String(prefix) + String::fromInt(column);
}

int storedInRange(const ConfigFile& config, const char16_t* key, int count, int fallback)
{
    int value = stored(config, key).toInt();
    return value >= 0 && value < count ? value : fallback;
}

float storedZoom(const ConfigFile& config, const char16_t* key, float fallback)
{
    float zoom = stored(config, key).toFloat();
    return std::isfinite(zoom) ? zoom : fallback;
}

Color storedColor(const ConfigFile& config, const char16_t* key)
{
    return Color::ColorFromArgb(stored(config, key).toUInt());
}

} // namespace

View::View(CollectionModel& model) : m_model(model) {}

View::~View()
{
    delete m_mainWindow;
}

int View::startUpDelay(int random)
{
    return 100 + (random & 0x7FFF) * 401 / 32768;
}

void View::createMainWindow()
{
    if (m_mainWindow)
        return;
    m_mainWindow = new MainWindow(*this, m_model);
    LaunchStamps::mark("window");
    m_mainWindow->window()->startTimer(MainWindow::kStartTimerId, uint32_t(startUpDelay(std::rand())));
}

void View::loadSettings(const ConfigFile& config)
{
    if (m_mainWindow) {
        m_mainWindow->setScreenLayout(storedInRange(config, kScreenLayoutKey, MainWindow::kLayoutCount, 0));
        m_mainWindow->setViewMode(
            storedInRange(config, kViewModeKey, MainWindow::kViewCount, kDefaultViewMode));
        m_mainWindow->setListZoom(storedZoom(config, kListZoomKey, MainWindow::kDefaultListZoom));
        m_mainWindow->setImagesZoom(storedZoom(config, kImagesZoomKey, MainWindow::kDefaultImagesZoom));
        m_mainWindow->setCoverFlowZoom(
            storedZoom(config, kCoverFlowZoomKey, MainWindow::kDefaultCoverFlowZoom));
        loadColumns(config);
        m_mainWindow->window()->setWindowFlag(UINativeWindow::kTopmost,
                                              stored(config, kAlwaysOnTopKey).toBool());
    }
    movieListBackgroundColor = storedColor(config, kListBackgroundKey);
    movieListTextColor = storedColor(config, kListTextKey);
    movieListSelectedTextColor = storedColor(config, kListSelectedTextKey);
    movieListShowTitleUnderImage = stored(config, kShowTitleKey).toBool();
    movieCardAutoResizeBackground = stored(config, kAutoResizeKey).toBool();
    m_model.sortMovies(stored(config, kSortModeKey).toInt(), stored(config, kSortOrderKey).toInt());
}

void View::loadColumns(const ConfigFile& config)
{
    UITable* table = m_mainWindow->table();
    for (int i = 0; i < MainWindow::kColumnCount; ++i)
        table->setColumnVisible(i, config.value(columnKey(u"view/column", i), Variant()).toBool());
    for (int i = 0; i < MainWindow::kColumnCount; ++i)
        table->setColumnWidth(i, config.value(columnKey(u"view/columnWidth", i), Variant()).toInt());
    for (int i = 0; i < MainWindow::kColumnCount; ++i)
        m_mainWindow->setColumnChecks(i, table->isColumnVisible(i));
}

void View::saveSettings(ConfigFile& config) const
{
    if (m_mainWindow) {
        store(config, kScreenLayoutKey, Variant(int32_t(m_mainWindow->screenLayout())));
        store(config, kViewModeKey, Variant(int32_t(m_mainWindow->viewMode())));
        store(config, kListZoomKey, Variant(m_mainWindow->listZoom()));
        store(config, kImagesZoomKey, Variant(m_mainWindow->imagesZoom()));
        store(config, kCoverFlowZoomKey, Variant(m_mainWindow->coverFlowZoom()));
        saveColumns(config);
        store(config, kAlwaysOnTopKey,
              Variant(m_mainWindow->window()->testWindowFlag(UINativeWindow::kTopmost)));
    }
    store(config, kListBackgroundKey, Variant(movieListBackgroundColor.value()));
    store(config, kListTextKey, Variant(movieListTextColor.value()));
    store(config, kListSelectedTextKey, Variant(movieListSelectedTextColor.value()));
    store(config, kShowTitleKey, Variant(movieListShowTitleUnderImage));
    store(config, kAutoResizeKey, Variant(movieCardAutoResizeBackground));
}

void View::saveColumns(ConfigFile& config) const
{
    const UITable* table = m_mainWindow->table();
    for (int i = 0; i < MainWindow::kColumnCount; ++i)
        config.setValue(columnKey(u"view/column", i), Variant(table->isColumnVisible(i)));
    for (int i = 0; i < MainWindow::kColumnCount; ++i)
        config.setValue(columnKey(u"view/columnWidth", i), Variant(int32_t(table->columnWidth(i))));
}
