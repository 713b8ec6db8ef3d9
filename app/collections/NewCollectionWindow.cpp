#include "app/collections/NewCollectionWindow.h"

#include "app/collections/CollectionDialogParts.h"
#include "app/collections/CollectionNames.h"
#include "app/window/DialogLabel.h"
#include "app/window/WindowGeometry.h"
#include "foundation/io/File.h"
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"NewCollectionWindow";
const char16_t kGeometryName[] = u"NewCollection";

UILineEdit* addField(UIWidget* group, const String& label)
{
    addLabel(group, label);
    auto* field = new UILineEdit(group);
    field->setMaxLength(NewCollectionWindow::kMaximumLength);
    field->show();
    return field;
}

} // namespace

NewCollectionWindow::NewCollectionWindow(CollectionModel& model) : m_model(model)
{
    buildUi();
    m_dialog->closeRequested.connectWithArg(this, &NewCollectionWindow::saveGeometry);
    m_okButton->clicked.connect(this, &NewCollectionWindow::create);
    m_cancelButton->clicked.connect(this, &NewCollectionWindow::cancel);
}

NewCollectionWindow::~NewCollectionWindow()
{
    delete m_dialog;
}

void NewCollectionWindow::buildUi()
{
    m_dialog = makeCollectionDialog(translate(u"New Collection", kContext), 350);
    UIWidget* group = addFieldGroup(m_dialog);
    m_nameField = addField(group, translate(u"Collection Name", kContext));
    m_authorField = addField(group, translate(u"Collection Author", kContext));
    // The ids driven tests find the window by.
    m_dialog->setObjectId(String(u"newCollection"));
    m_nameField->setObjectId(String(u"collectionName"));
    m_authorField->setObjectId(String(u"collectionAuthor"));
    addButtonRow(m_dialog, group, translate(u"OK", kContext), translate(u"Cancel", kContext), &m_okButton,
                 &m_cancelButton);
}

String NewCollectionWindow::exec()
{
    restoreWindowGeometry(m_dialog, String(kGeometryName), true, false);
    m_dialog->show();
    return m_result;
}

void NewCollectionWindow::create()
{
    String name = m_nameField->text().trim();
    String author = m_authorField->text().trim();
    if (!isAcceptableCollectionName(name) || !isAcceptableCollectionAuthor(author)) {
        refuse();
        return;
    }
    // A name the system cannot take as a folder (a device name, one too
    // long for the path) has no path and is refused like any other.
    CollectionFile file(m_model.dataDirectory());
    String path = file.filePathFor(name);
    if (path.isEmpty() || File::exists(path) || !file.create(name, author, String())) {
        refuse();
        return;
    }
    m_result = path;
    m_dialog->accept();
}

void NewCollectionWindow::cancel()
{
    m_dialog->reject();
}

void NewCollectionWindow::saveGeometry(UIEvent*)
{
    saveWindowGeometry(m_dialog, String(kGeometryName), true, false);
}

void NewCollectionWindow::refuse()
{
    playErrorSound();
}
