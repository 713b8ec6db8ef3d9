#pragma once

#include "app/window/Window.h"
#include "graphics/image/Image.h"

#include <cstdint>

class CollectionModel;
class UICheck;
class UIComboBox;
class UIDialog;
class UIEvent;
class UITable;
class UITableRow;
class UITableView;
class UIButton;
class UIWidget;

// The dialog in which the user chooses the edition of the movie database
// site that extractions read, and which groups of fields they may fill.
// The choice of edition takes effect however the dialog is closed; the
// groups only through OK with at least one of them checked.
class ExtractOptionsWindow : public Window
{
public:
    static constexpr int kGroupCount = 16;

    ExtractOptionsWindow(CollectionModel& model, UIWidget* parent, uint32_t mask);
    ~ExtractOptionsWindow() override;
    ExtractOptionsWindow(const ExtractOptionsWindow&) = delete;
    ExtractOptionsWindow& operator=(const ExtractOptionsWindow&) = delete;

    // Fills and shows the dialog; when it has closed, hands the model the
    // chosen extractor and, when OK gave one, the new mask.
    void exec();
    // The mask OK accepted; 0 until then.
    uint32_t resultMask() const { return m_resultMask; }
    int chosenExtractor() const { return m_chosenExtractor; }

    // ---- Controls, for tests ----
    UIDialog* dialog() const { return m_dialog; }
    UIComboBox* resourceCombo() const { return m_resources; }
    UITable* table() const { return m_table; }
    UICheck* allBox() const { return m_allBox; }
    UIButton* okButton() const { return m_ok; }
    // The bit of a row, and whether it is checked.
    static uint32_t rowBit(const UITableRow* row);
    static bool isRowChecked(const UITableRow* row);

private:
    void buildDialog();
    void buildTable(UIWidget* parent);
    void fillResources();
    void fillRows();
    void setRowChecked(UITableRow* row, bool on);
    void updateAllBox();
    void placeAllBox();
    void onHeaderResized(UIEvent* event);
    void onResourceChanged(int index);
    void onTablePressed(UIEvent* event);
    void onAllBoxClicked();
    void onOk();
    void onClose(UIEvent* event);

    CollectionModel& m_model;
    UIWidget* m_parent;
    uint32_t m_initialMask;
    uint32_t m_resultMask = 0;
    int m_chosenExtractor;

    UIDialog* m_dialog = nullptr;
    UIComboBox* m_resources = nullptr;
    UITableView* m_view = nullptr;
    UITable* m_table = nullptr;
    UICheck* m_allBox = nullptr;
    UIButton* m_ok = nullptr;
    Image m_checkedImage;
    Image m_uncheckedImage;
};
