#include "app/stats/StatisticsWindow.h"

#include "app/stats/StatisticsTexts.h"
#include "app/window/DialogLabel.h"
#include "app/window/FieldGroup.h"
#include "app/window/StackedDialog.h"
#include "app/window/WindowGeometry.h"
#include "model/CollectionModel.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kGeometryName[] = u"Statistics";
const char16_t* const kCaptions[StatisticsWindow::kFigureCount] = {
    u"Count of Movies", u"Total Running Time",      u"Popular Genre",
    u"Popular Studio",  u"Collection Completeness",
};
const int kCentred = 48;
const int kFirstButtonVariant = 3;

} // namespace

StatisticsWindow::StatisticsWindow(CollectionModel& model, Window* parent) : m_model(model), m_parent(parent)
{
    buildUi();
    m_dialog->closeRequested.connectWithArg(this, &StatisticsWindow::saveGeometry);
    m_closeButton->clicked.connect(this, &StatisticsWindow::close);
}

StatisticsWindow::~StatisticsWindow()
{
    delete m_dialog;
}

void StatisticsWindow::buildUi()
{
    const char16_t* context = StatisticsTexts::kContext;
    m_dialog = makeStackedDialog(UIApplication::instance()->mainWindow(),
                                 UINativeWindow::kSystemMenu | UINativeWindow::kKeyPreview,
                                 translate(u"Statistics", context));
    // The name driven tests find it by.
    m_dialog->setObjectId(String(u"statistics"));
    m_dialog->applyMetricSpacing();
    m_dialog->setMinimumSize(350, 216);

    m_group = makeFieldGroup(m_dialog);
    for (int row = 0; row < kFigureCount; ++row) {
        m_captions[row] = addLabel(m_group, translate(kCaptions[row], context));
        m_values[row] = addLabel(m_group, String(u"..."));
    }
    auto* expander = new UIExpander(m_group);
    expander->setColumnSpan(2);
    expander->show();
    m_group->show();

    m_buttonBox = new UIBox(m_dialog);
    m_buttonBox->setVerticalFlow(0);
    m_buttonBox->applyMetricSpacing();
    (new UIExpander(m_buttonBox))->show();
    m_closeButton = new UIButton(m_buttonBox);
    m_closeButton->setText(translate(u"Close", context));
    m_closeButton->setLayoutAlignment(kCentred);
    m_closeButton->setColorVariant(kFirstButtonVariant);
    m_closeButton->show();
    m_buttonBox->show();
}

void StatisticsWindow::exec()
{
    restoreWindowGeometry(m_dialog, String(kGeometryName), true, false);
    fillValues();
    m_dialog->show();
}

void StatisticsWindow::fillValues()
{
    m_values[0]->setText(StatisticsTexts::count(m_model.movieCount()));
    m_values[1]->setText(StatisticsTexts::runningTime(m_model.totalRunningTime()));
    m_values[2]->setText(m_model.mostFrequentGenre());
    m_values[3]->setText(m_model.mostFrequentStudio());
    m_values[4]->setText(StatisticsTexts::completeness(m_model.averageCompleteness()));
}

void StatisticsWindow::saveGeometry(UIEvent*)
{
    saveWindowGeometry(m_dialog, String(kGeometryName), true, false);
}

void StatisticsWindow::close()
{
    m_dialog->reject();
}
