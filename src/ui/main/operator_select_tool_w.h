#pragma once

#include <QDockWidget>
#include <QLineEdit>
#include <QPointer>

#include <array>
#include <string>

class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// The text a palette button of the given tag appends to a formula field (tags 1
// to 73; unused tags and those outside the range give the empty text). Built from
// the vocabulary tables, so the palette writes exactly the spellings the formula
// language reads: word operators with a blank on each side, so that they stay apart
// from the names around them, and functions with their opening bracket.
std::string OperatorText(int tag);

// The operator palette: a floating, fixed-size tool window whose buttons append
// operators, brackets, functions and constants to the formula field that last had
// the focus, grouped in five categories of a tree. Collapsing a category hides its
// buttons and closes the gap; expanding it opens the gap again.
//
// It is never docked: it floats from its creation, no dock area accepts it, and the
// title bar does not toggle it back into the main window.
class TOperatorSelectToolW : public QDockWidget {
    Q_OBJECT

public:
    static constexpr int CategoryCount = 5;

    explicit TOperatorSelectToolW(QWidget* parent = nullptr);

    // The field palette buttons write into; none at start. Not owned: a field that
    // is destroyed stops being the target and clicks change nothing again.
    QLineEdit* LastFormulaEdit() const { return FLastFormulaEdit; }
    void SetLastFormulaEdit(QLineEdit* edit);
    // From now on, whenever edit receives the keyboard focus it becomes
    // LastFormulaEdit (the explorer's fxEdit, fyEdit and fzEdit register here).
    void WatchFormulaEdit(QLineEdit* edit);

    // Appends OperatorText(tag) to the end of LastFormulaEdit's text, wherever the
    // caret is and whatever is selected; nothing without a field.
    void AddToTheFunction(int tag);
    // Enclose LastFormulaEdit's whole text in "(" ")", "[" "]" and "[|" "|]".
    void ToolbarButton977Click();
    void ToolbarButton978Click();
    void ToolbarButton976Click();

    // The tree's expand and collapse notifications: node's position among its
    // siblings selects the category whose panel opens or closes.
    void TreeView1Expanded(QTreeWidgetItem* node);
    void TreeView1Collapsed(QTreeWidgetItem* node);

    QTreeWidget* TreeView1() const { return FTreeView1; }
    // Panels in tree order: AritmatikOpPanel, MantiksalOpPanel, ParantezlerPanel,
    // FonksiyonlarPanel, SabitlerPanel.
    QWidget* Panel(int category) const { return FPanels.at(static_cast<std::size_t>(category)); }
    // The button of a tag, or null for a tag no button carries.
    QToolButton* Button(int tag) const;
    // The tool window's height: the height of the area below the title bar.
    int ToolHeight() const { return FToolHeight; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPanels(QWidget* client);
    void enclose(std::string_view opening, std::string_view closing);
    void openCategory(int category, int direction);
    void setToolHeight(int height);

    QWidget* FClient = nullptr;
    QTreeWidget* FTreeView1 = nullptr;
    std::array<QWidget*, CategoryCount> FPanels {};
    std::array<QToolButton*, 74> FButtons {};
    QPointer<QLineEdit> FLastFormulaEdit;
    int FToolHeight = 0;
};
