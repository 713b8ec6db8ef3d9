#include "app/about/AboutWindow.h"

#include "app/window/DialogLabel.h"
#include "foundation/containers/StringList.h"
#include "foundation/core/AppCore.h"
#include "foundation/time/Date.h"
#include "graphics/image/Image.h"
#include "graphics/paint/FontMetrics.h"
#include "model/images/ImageResource.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/decorative/UISpacer.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/labels/UILink.h"
#include "ui/widgets/picture/UIPicture.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"AboutWindow";
const int kCentred = 48;
const int kFirstButtonVariant = 3;

// The language files carry these two only by id; a program without one, or
// with one that lacks them, shows our own words instead of nothing.
const char16_t kDescriptionFallback[] =
    u"Reelstack keeps your collection of movies and series: titles, covers, cast and crew, links to play, "
    u"loans and statistics, shown as a list, an image grid or a cover flow.";
const char16_t kCloseFallback[] = u"Close";
// The description wraps at this width, so that the window keeps its size
// whatever the language's text.
const int kDescriptionWidth = 320;

String byIdOr(uint64_t id, const char16_t* fallback)
{
    AppCore* core = AppCore::instance();
    String text = core ? core->translateById(id) : String();
    return text.isEmpty() ? Window::translate(fallback, kContext) : text;
}

// The words of text in lines no wider than width in the label's font; a
// word wider than that has a line of its own.
String wrapped(const String& text, const FontDesc& font, int width)
{
    const FontMetrics metrics(font, nullptr);
    String lines;
    String line;
    for (const String& word : StringList::split(text, String(u" "), 0)) {
        const String longer = line.isEmpty() ? word : line + u" " + word;
        if (!line.isEmpty() && metrics.textWidth(longer.data(), longer.length(), false) > width) {
            lines += line + u"\n";
            line = word;
        } else {
            line = longer;
        }
    }
    return lines + line;
}

} // namespace

AboutWindow::AboutWindow()
{
    buildUi();
    m_closeButton->clicked.connect(this, &AboutWindow::close);
}

AboutWindow::~AboutWindow()
{
    delete m_dialog;
}

String AboutWindow::description()
{
    return byIdOr(kDescriptionId, kDescriptionFallback);
}

String AboutWindow::closeCaption()
{
    return byIdOr(kCloseCaptionId, kCloseFallback);
}

String AboutWindow::makerLine(int year, const String& makerName)
{
    return String(u"\u00A9 ") + String::fromInt(year) + u" " + makerName;
}

void AboutWindow::buildUi()
{
    m_dialog = new UIDialog(UIApplication::instance()->mainWindow(),
                            UINativeWindow::kSystemMenu | UINativeWindow::kKeyPreview);
    m_dialog->setWindowTitle(translate(u"About", kContext), true);
    // The name driven tests find it by.
    m_dialog->setObjectId(String(u"about"));
    m_dialog->setVerticalFlow(0);
    m_dialog->setColumnCount(2);
    m_dialog->setColumnStretch(1, 100.0f);
    m_dialog->applyMetricMargins();
    m_dialog->setLayoutSpacing(10);
    m_dialog->setMinimumSize(400, 200);

    m_logo = new UIPicture(m_dialog);
    m_logo->setImage(loadImageResource(String(u"logo")), 0, kCentred);
    m_logo->setAutoSize(true);
    m_logo->setLayoutAlignment(kCentred);
    m_logo->show();
    buildTextColumn();
    m_line = new UILine(m_dialog);
    m_line->setColumnSpan(2);
    m_line->show();
    buildButtonRow();
}

void AboutWindow::buildTextColumn()
{
    AppCore* core = AppCore::instance();
    m_textBox = new UIBox(m_dialog);
    m_textBox->setVerticalFlow(1);
    m_textBox->setLayoutSpacing(0);
    m_textBox->setLayoutMargins(0, 17, 0, 20);
    m_nameLabel = addLabel(m_textBox, core ? core->productName() + u" " + core->version() : String());
    m_nameLabel->setFontSize(18.0f);
    (new UISpacer(10, m_textBox))->show();
    m_descriptionLabel = addLabel(m_textBox, String());
    m_descriptionLabel->setMultiLine(true);
    m_descriptionLabel->setText(wrapped(description(), m_descriptionLabel->font(), kDescriptionWidth));
    (new UISpacer(20, m_textBox))->show();
    m_link = new UILink(m_textBox);
    if (core) {
        m_link->setText(core->makerWebText());
        m_link->setUrl(core->decoratedUrl(core->productUrl()));
        m_link->setToolTip(core->productUrl());
    }
    m_link->show();
    m_makerLabel =
        addLabel(m_textBox, makerLine(Date::todayLocal().year(), core ? core->makerName() : String()));
    m_textBox->show();
}

void AboutWindow::buildButtonRow()
{
    m_buttonBox = new UIBox(m_dialog);
    m_buttonBox->setVerticalFlow(0);
    m_buttonBox->setColumnSpan(2);
    m_buttonBox->applyMetricSpacing();
    m_buttonBox->setTopMargin(10);
    (new UIExpander(m_buttonBox))->show();
    m_closeButton = new UIButton(m_buttonBox);
    m_closeButton->setText(closeCaption());
    m_closeButton->setColorVariant(kFirstButtonVariant);
    m_closeButton->show();
    m_buttonBox->show();
}

void AboutWindow::exec()
{
    m_dialog->show();
}

void AboutWindow::close()
{
    m_dialog->accept();
}
