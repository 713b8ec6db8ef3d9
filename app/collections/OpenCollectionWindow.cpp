#include "app/collections/OpenCollectionWindow.h"

#include "app/collections/CollectionDialogParts.h"
#include "app/window/DialogLabel.h"
#include "app/window/WindowGeometry.h"
#include "foundation/containers/StringList.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/combo/UIComboBoxItem.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"OpenCollectionWindow";
const char16_t kGeometryName[] = u"OpenCollection";

} // namespace

OpenCollectionWindow::OpenCollectionWindow(CollectionModel& model) : m_model(model)
{
    buildUi();
    m_dialog->closeRequested.connectWithArg(this, &OpenCollectionWindow::saveGeometry);
    m_openButton->clicked.connect(this, &OpenCollectionWindow::open);
    m_cancelButton->clicked.connect(this, &OpenCollectionWindow::cancel);
}

OpenCollectionWindow::~OpenCollectionWindow()
{
    delete m_dialog;
}

void OpenCollectionWindow::buildUi()
{
    m_dialog = makeCollectionDialog(translate(u"Open Collection", kContext), 300);
    UIWidget* group = addFieldGroup(m_dialog);
    addLabel(group, translate(u"Collection Name", kContext));
    m_nameBox = new UIComboBox(group);
    // The ids driven tests find the window by.
    m_dialog->setObjectId(String(u"openCollection"));
    m_nameBox->setObjectId(String(u"collectionNames"));
    m_nameBox->show();
    addButtonRow(m_dialog, group, translate(u"Open", kContext), translate(u"Cancel", kContext), &m_openButton,
                 &m_cancelButton);
}

String OpenCollectionWindow::exec()
{
    restoreWindowGeometry(m_dialog, String(kGeometryName), true, false);
    fillList();
    m_dialog->show();
    return m_result;
}

void OpenCollectionWindow::fillList()
{
    m_nameBox->clear();
    StringList folders;
    if (!Directory::list(m_model.dataDirectory(), Directory::kListDirectories | Directory::kListNamesOnly,
                         nullptr, folders))
        return;
    CollectionFile files(m_model.dataDirectory());
    String openName = m_model.collectionName();
    String opened = String(u" ") + translate(u"(opened)", kContext);
    for (const String& folder : folders) {
        // filePathFor has no path for "backup" nor for a name the system
        // cannot take.
        String path = files.filePathFor(folder);
        if (path.isEmpty() || !File::exists(path))
            continue;
        bool isOpen = !openName.isEmpty() && String::equals(folder, openName);
        UIComboBoxItem* item = m_nameBox->addItem(isOpen ? folder + opened : folder);
        item->UIItem::setText(folder);
    }
}

void OpenCollectionWindow::open()
{
    UIComboBoxItem* item = m_nameBox->currentItem();
    String path = item ? CollectionFile(m_model.dataDirectory()).filePathFor(item->UIItem::text()) : String();
    if (path.isEmpty() || !File::exists(path)) {
        playErrorSound();
        return;
    }
    m_result = path;
    m_dialog->accept();
}

void OpenCollectionWindow::cancel()
{
    m_dialog->reject();
}

void OpenCollectionWindow::saveGeometry(UIEvent*)
{
    saveWindowGeometry(m_dialog, String(kGeometryName), true, false);
}
