// SPDX-FileCopyrightText: 2026 The Lexora English developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/platform.h"
#include "app/screen.h"
#include "screens/database/deleteundo.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace lexora {

class FieldBinder;
class ItemExchangeMenu;
class LiveView;
class StoreError;
struct DatabaseState;

// The Database screen: every field of one item in an editable box, moving through the items in the
// table's own order, finding an item by a typed criterion, adding, deleting and tagging items, and
// choosing the font of a box or button.
//
// The boxes are bound to the current row of the view Data1. What the teacher types is written into
// the item before the view moves, before an explicit save, and when the window closes. A text that
// cannot be stored is shown to the teacher with the field and the reason, and the view stays on the
// item with the typed text, so nothing is lost without a word.
class DatabaseScreen : public Screen {
    Q_OBJECT

public:
    explicit DatabaseScreen(AppContext& context);
    ~DatabaseScreen() override;

    void formLoad() override;
    void formUnload() override;

    // The bound view, for tests that look at the current row.
    LiveView* boundView() const { return m_data.get(); }

protected:
    void closeBoxPressed() override;

private:
    void buildFields();
    void buildLabels();
    void buildButtons();
    void buildMenus();
    void setTabOrder();
    QLineEdit* makeLineBox(const QString& name, const QString& field, int left, int top, int width, int height);
    QLabel* makeLabel(const QString& name, int left, int top, int width, int height);
    QPushButton* makeButton(const QString& name, int left, int top, int width, int height);

    DatabaseState& state();

    // Routines
    void language();
    void data();

    // Handlers
    void Command10_Click(); // Start
    void Command6_Click();  // First
    void Command3_Click();  // Previous
    void Command7_Click();  // Next
    void Command8_Click();  // Last
    void Command5_Click();  // Find first
    void Command11_Click(); // Find next
    void Command1_Click();  // New
    void Command4_Click();  // Delete
    void Command2_Click();  // Close
    void mnuLexora_Click();
    void mnuPractice_Click();
    void mnuTest_Click();
    void mnuFonts_Click();
    void mnuTopicItem_Click(int index);
    void mnuExportItems_Click();
    void mnuImportItems_Click();
    void mnuWorksheet_Click();
    void mnuReason_Click();
    void mnuUndoDelete_Click();
    void mnuFill_Click();
    void mnuFindText_Click();

    // The check line (databasecheck.cpp)
    void buildItemCheck();
    void updateItemCheck();
    QStringList itemOnDisplay() const;
    bool tellUnreadable(const StoreError& error, const QString& criterion);
    bool findText(const QString& text);

    // Steps shared by the handlers
    enum class Move { First, Previous, Next, Last };
    void move(Move where);
    void saveItem();
    void saveNewItem();
    std::optional<int> freeSorrend2After(const StoreError& failure);
    bool savePendingNewItem();
    std::unique_ptr<LiveView> tableView();
    int highestNumber();
    std::optional<int> newItemNumber();
    void tell(const StoreError& error);
    void searched(bool found);
    void leaveFor(ScreenId target);

    std::unique_ptr<LiveView> m_data; // Data1
    FieldBinder* m_binder = nullptr;

    QPlainTextEdit* m_text3 = nullptr;
    QLineEdit* m_text2 = nullptr;
    std::array<QWidget*, 9> m_boxes{};
    QLabel* m_label10 = nullptr;
    std::array<QLabel*, 4> m_letterLabels{};
    QLabel* m_label5 = nullptr;
    QLabel* m_label6 = nullptr;
    QLabel* m_label7 = nullptr;
    QLabel* m_label11 = nullptr;
    QLabel* m_itemCheck = nullptr; // what the item bank tool would refuse in the item on display

    QPushButton* m_command1 = nullptr;  // New
    QPushButton* m_command2 = nullptr;  // Close
    QPushButton* m_command3 = nullptr;  // Previous
    QPushButton* m_command4 = nullptr;  // Delete
    QPushButton* m_command5 = nullptr;  // Find first
    QPushButton* m_command6 = nullptr;  // First
    QPushButton* m_command7 = nullptr;  // Next
    QPushButton* m_command8 = nullptr;  // Last
    QPushButton* m_command10 = nullptr; // Start
    QPushButton* m_command11 = nullptr; // Find next

    QMenu* m_mnuTasks = nullptr;
    QAction* m_mnuLexora = nullptr;
    QAction* m_mnuDatabase = nullptr;
    QAction* m_mnuPractice = nullptr;
    QAction* m_mnuTest = nullptr;
    QMenu* m_mnuOptions = nullptr;
    QAction* m_mnuFonts = nullptr;
    QAction* m_mnuWorksheet = nullptr;
    QAction* m_mnuUndoDelete = nullptr; // also Ctrl+Z
    QAction* m_mnuReason = nullptr;
    QAction* m_mnuFill = nullptr;
    QAction* m_mnuFindText = nullptr;
    QMenu* m_mnuTopic = nullptr;
    std::array<QAction*, 23> m_mnuTopicItem{};
    std::unique_ptr<ItemExchangeMenu> m_exchange; // Export items..., Import items...

    // The items deleted since the window opened, to be brought back.
    DeleteUndo m_deleted;
    // The font dialog keeps what it showed last while the window is open.
    FontChoice m_fontDialog;
    // The last attempt to leave failed because the file refused the item.
    bool m_leaveRefused = false;
};

} // namespace lexora
