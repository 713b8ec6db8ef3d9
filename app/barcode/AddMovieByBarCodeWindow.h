#pragma once

#include "app/window/Window.h"
#include "foundation/containers/StringList.h"
#include "model/NewMovieRecord.h"

class UIButton;
class UIDialog;
class UIEvent;
class UILineEdit;
class UIWidget;

// The small dialog that finds a movie by the digits under its bar code: it
// asks the shop for the number and hands back a new-movie record with the
// title, the medium as format and the digits. It writes nothing to the
// collection.
class AddMovieByBarCodeWindow : public Window
{
public:
    AddMovieByBarCodeWindow();
    ~AddMovieByBarCodeWindow() override;
    AddMovieByBarCodeWindow(const AddMovieByBarCodeWindow&) = delete;
    AddMovieByBarCodeWindow& operator=(const AddMovieByBarCodeWindow&) = delete;

    // Shows the dialog until it closes; the record found, or one with an
    // empty title when nothing was found or the user cancelled.
    NewMovieRecord exec();
    // True when a title was found and the result holds it. Beeps without a
    // request for a text that is no bar code and for a number the shop
    // already said it does not know; shows a balloon when the search failed.
    bool searchBarCode();

    // ---- Controls, for tests ----
    UIDialog* dialog() const { return m_dialog; }
    UILineEdit* barCodeEdit() const { return m_barCode; }
    UIButton* hintButton() const { return m_hint; }
    UIButton* okButton() const { return m_ok; }
    UIButton* cancelButton() const { return m_cancel; }

private:
    void buildDialog();
    void buildButtonRow();
    void showBalloonAt(UIWidget* widget, const String& text);
    void onShown(UIEvent* event);
    void onClose(UIEvent* event);
    void onKey(UIEvent* event);
    void onHint();
    void onOk();
    void onCancel();

    UIDialog* m_dialog = nullptr;
    UILineEdit* m_barCode = nullptr;
    UIButton* m_hint = nullptr;
    UIButton* m_ok = nullptr;
    UIButton* m_cancel = nullptr;
    NewMovieRecord m_result;
    // The numbers the shop said it does not know, for this dialog's life.
    StringList m_notFound;
};
