#include "model/application/Application.h"

#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/data/PakArchive.h"
#include "foundation/data/Variant.h"
#include "foundation/io/Directory.h"
#include "foundation/net/Network.h"
#include "model/CollectionModel.h"
#include "model/application/ApplicationView.h"
#include "model/application/ExampleCollection.h"
#include "model/collection/CollectionFile.h"
#include "model/config/Configuration.h"
#include "model/records/ModelText.h"

namespace {

Application* g_application = nullptr;

String translateWithCore(const String& text, const String& context)
{
    String out;
    AppCore* core = AppCore::instance();
    if (!core)
        return text;
    core->translate(out, text.data(), context.isEmpty() ? nullptr : context.data());
    return out;
}

} // namespace

const char16_t Application::kExampleName[] = u"Example";

Application::Application(const ViewFactory& makeView)
{
    Network::instance().startup();
    g_application = this;
    AppCore& core = *AppCore::instance();
    // The data folder exists once the program has run; its absence before
    // the configuration is made marks the very first start.
    bool firstStart = !Directory::exists(core.dataDirectory());
    m_config = Configuration::load(core.productName()).release();
    core.setLanguageByEnglishName(m_config->value(String(u"model/language"), Variant()).toString());
    ModelText::setTranslateFunction(translateWithCore);
    if (firstStart)
        writeExampleCollection();
    m_model = new CollectionModel(core.dataDirectory());
    // The collection opened at start is read while the windows are built
    // and the start-up timer runs.
    if (makeView)
        m_model->readAheadCollectionAtStart(*m_config);
    m_view = makeView ? makeView() : nullptr;
    if (m_view)
        m_view->createMainWindow();
    m_model->loadSettings(*m_config);
    m_model->loadViewSettings(*m_config);
    if (m_view)
        m_view->loadSettings(*m_config);
}

// The accessors must hold inside the view's and the model's destructors, so
// the configuration goes last and the global pointer after it.
Application::~Application()
{
    delete m_view;
    m_view = nullptr;
    delete m_model;
    m_model = nullptr;
    delete m_config;
    m_config = nullptr;
    ModelText::setTranslateFunction(nullptr);
    Network::instance().shutdown();
    g_application = nullptr;
}

Application* Application::instance()
{
    return g_application;
}

CollectionModel& Application::model()
{
    return *g_application->m_model;
}

ApplicationView& Application::view()
{
    return *g_application->m_view;
}

ConfigFile& Application::config()
{
    return *g_application->m_config;
}

bool Application::saveSettings(int32_t shownMovieId)
{
    if (m_view)
        m_view->saveSettings(*m_config);
    m_model->saveSettings(*m_config);
    m_model->saveViewSettings(*m_config);
    if (m_model->isCollectionOpen())
        m_model->collectionFile().setSelectedMovieId(shownMovieId);
    return m_config->save();
}

bool Application::saveAndClose(int32_t shownMovieId)
{
    bool saved = saveSettings(shownMovieId);
    return m_model->closeCollection() && saved;
}

bool Application::saveKeepingOpen(int32_t shownMovieId)
{
    bool saved = saveSettings(shownMovieId);
    return m_model->saveCollection() && saved;
}

void Application::writeExampleCollection()
{
    AppCore& core = *AppCore::instance();
    PakArchive* data = core.findPak(String(u"data"));
    if (data)
        ExampleCollection::write(*data, core.dataDirectory(), String(kExampleName));
}
