#include "engine/fonksiyon.h"
#include "engine/variable_memory.h"
#include "engine/vocabulary.h"
#include "ui/main/operator_select_tool_w.h"

#include <QApplication>
#include <QMainWindow>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

struct TExpectedButton {
    int Tag;
    const char* Panel;
    const char* Caption;
    const char* Hint;
    const char* Appends;
};

// The palette's buttons as the user sees them, written out independently of the
// vocabulary tables the palette builds them from.
const TExpectedButton ExpectedButtons[] = {
    { 1, "AritmatikOpPanel", "+", "Toplama", "+" },
    { 2, "AritmatikOpPanel", "-", "Çıkartma", "-" },
    { 3, "AritmatikOpPanel", "*", "Çarpma", "*" },
    { 4, "AritmatikOpPanel", "/", "Bölme", "/" },
    { 5, "AritmatikOpPanel", "\\", "Tam Sayılı Bölme", "\\" },
    { 6, "AritmatikOpPanel", "div", "Tam Sayılı Bölme", " div " },
    { 7, "AritmatikOpPanel", "%", "Kalanı alma", "%" },
    { 8, "AritmatikOpPanel", "mod", "Kalanı alma", " mod " },
    { 9, "AritmatikOpPanel", "^", "Üst Alma", "^" },
    { 10, "AritmatikOpPanel", "!", "Faktöryelini Alma", "!" },
    { 11, "AritmatikOpPanel", "=", "Atama", "=" },
    { 18, "MantiksalOpPanel", "not", "Mantıksal not", " not " },
    { 19, "MantiksalOpPanel", "and", "Mantıksal and", " and " },
    { 20, "MantiksalOpPanel", "or", "Mantıksal or", " or " },
    { 21, "MantiksalOpPanel", "xor", "Mantıksal xor", " xor " },
    { 22, "MantiksalOpPanel", "==", "Eşit", "==" },
    { 23, "MantiksalOpPanel", "!=", "Eşit Değil", "!=" },
    { 24, "MantiksalOpPanel", "<", "Küçük", "<" },
    { 25, "MantiksalOpPanel", ">", "Büyük", ">" },
    { 26, "MantiksalOpPanel", "<=", "Küçük Eşit", "<=" },
    { 27, "MantiksalOpPanel", ">=", "Büyük Eşit", ">=" },
    { 28, "MantiksalOpPanel", "eq", "Eşit", " eq " },
    { 29, "MantiksalOpPanel", "ne", "Eşit Değil", " ne " },
    { 30, "MantiksalOpPanel", "lt", "Küçük", " lt " },
    { 31, "MantiksalOpPanel", "gt", "Büyük", " gt " },
    { 32, "MantiksalOpPanel", "le", "Küçük Eşit", " le " },
    { 33, "MantiksalOpPanel", "ge", "Büyük Eşit", " ge " },
    { 35, "ParantezlerPanel", "(", "Aç Parantez", "(" },
    { 36, "ParantezlerPanel", ")", "Kapa Parantez", ")" },
    { 37, "ParantezlerPanel", "[", "Aç Parantez", "[" },
    { 38, "ParantezlerPanel", "]", "Kapa Parantez", "]" },
    { 39, "ParantezlerPanel", "[|", "Mutlak Aç Parantez", "[|" },
    { 40, "ParantezlerPanel", "|]", "Mutlak Kapa Parantez", "|]" },
    { 52, "FonksiyonlarPanel", "abs", "Mutlak Değer", "abs(" },
    { 53, "FonksiyonlarPanel", "arccos", "Ters Kosinüs", "arccos(" },
    { 54, "FonksiyonlarPanel", "arccot", "Ters Kotanjant", "arccot(" },
    { 55, "FonksiyonlarPanel", "arcsin", "Ters Sinüs", "arcsin(" },
    { 56, "FonksiyonlarPanel", "arctan", "Ters Tanjant", "arctan(" },
    { 57, "FonksiyonlarPanel", "cos", "Kosinüs", "cos(" },
    { 58, "FonksiyonlarPanel", "cosec", "Kosecant", "cosec(" },
    { 59, "FonksiyonlarPanel", "cotan", "Kotanjant", "cotan(" },
    { 60, "FonksiyonlarPanel", "fact", "Factoriel", "fact(" },
    { 61, "FonksiyonlarPanel", "ln", "Tabi Logaritma", "ln(" },
    { 62, "FonksiyonlarPanel", "log", "Logaritma", "log(" },
    { 63, "FonksiyonlarPanel", "sec", "Sekant", "sec(" },
    { 64, "FonksiyonlarPanel", "sgn", "İşaret", "sgn(" },
    { 65, "FonksiyonlarPanel", "sin", "Sinüs", "sin(" },
    { 66, "FonksiyonlarPanel", "tan", "Tanjant", "tan(" },
    { 67, "FonksiyonlarPanel", "sqrt", "Karekök", "sqrt(" },
    { 68, "FonksiyonlarPanel", "exp", "Üstel Fonksiyon", "exp(" },
    { 69, "FonksiyonlarPanel", "asin", "Ters Sinüs", "asin(" },
    { 70, "FonksiyonlarPanel", "acos", "Ters Kosinüs", "acos(" },
    { 73, "FonksiyonlarPanel", "atan", "Ters Tanjant", "atan(" },
    { 71, "SabitlerPanel", "Pi", "Pi Sayısı", "Pi" },
    { 72, "SabitlerPanel", "e", "Exponent", "e" },
};

const char* const PanelNames[] = { "AritmatikOpPanel", "MantiksalOpPanel", "ParantezlerPanel",
    "FonksiyonlarPanel", "SabitlerPanel" };
const int PanelHeights[] = { 87, 85, 55, 134, 31 };
const int PanelGaps[] = { 3, 5, 3, 3, 3 };
const int ClosedTops[] = { 20, 36, 52, 71, 88 };

QString qs(const char* text) { return QString::fromUtf8(text); }

std::string compiled(const std::string& formula)
{
    TVariableMemory memory;
    TFonksiyon fonksiyon;
    fonksiyon.SetMemory(&memory);
    fonksiyon.SetText(formula);
    return fonksiyon.PostfixText();
}

// A window holding three formula fields that can really take the focus.
struct TFormulaFields {
    QWidget Window;
    QLineEdit* fxEdit;
    QLineEdit* fyEdit;
    QLineEdit* fzEdit;
    QLineEdit* other; // a field the palette does not watch

    TFormulaFields()
    {
        auto* layout = new QVBoxLayout(&Window);
        fxEdit = new QLineEdit(&Window);
        fyEdit = new QLineEdit(&Window);
        fzEdit = new QLineEdit(&Window);
        layout->addWidget(fxEdit);
        layout->addWidget(fyEdit);
        layout->addWidget(fzEdit);
        other = new QLineEdit(&Window);
        layout->addWidget(other);
        Window.show();
        Window.activateWindow();
        QApplication::setActiveWindow(&Window);
    }
};

} // namespace

TEST(Palette, WindowTreeAndCategories)
{
    QMainWindow main;
    TOperatorSelectToolW palette(&main);
    EXPECT_EQ(palette.windowTitle(), qs("Operatör  Seçim"));
    EXPECT_EQ(palette.objectName(), QStringLiteral("OperatorSelectToolW"));
    EXPECT_TRUE(palette.isFloating());
    EXPECT_EQ(palette.allowedAreas(), Qt::NoDockWidgetArea);
    EXPECT_FALSE(palette.features().testFlag(QDockWidget::DockWidgetFloatable));
    EXPECT_TRUE(palette.isHidden()) << "hidden until the user shows it";

    QTreeWidget* tree = palette.TreeView1();
    EXPECT_EQ(tree->indentation(), 18);
    EXPECT_TRUE(tree->isHeaderHidden());
    EXPECT_EQ(tree->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(tree->focusPolicy() & Qt::TabFocus);
    const char* const captions[] = { "Aritmatik Operatörler", "Mantıksal Operatörler",
        "Parantezler", "Fonksiyonlar", "Sabitler" };
    const int blankRows[] = { 5, 5, 3, 7, 2 };
    ASSERT_EQ(tree->topLevelItemCount(), 5);
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        QTreeWidgetItem* node = tree->topLevelItem(k);
        EXPECT_EQ(node->text(0), qs(captions[k]));
        EXPECT_TRUE(node->isExpanded());
        ASSERT_EQ(node->childCount(), blankRows[k]);
        for (int row = 0; row < node->childCount(); ++row) {
            EXPECT_TRUE(node->child(row)->text(0).isEmpty());
            EXPECT_EQ(node->child(row)->childCount(), 0);
        }
        EXPECT_EQ(palette.Panel(k)->objectName(), qs(PanelNames[k]));
        EXPECT_EQ(palette.Panel(k)->height(), PanelHeights[k]);
    }
}

TEST(Palette, ButtonsCaptionsTagsHintsAndTexts)
{
    TOperatorSelectToolW palette;
    QLineEdit field;
    palette.SetLastFormulaEdit(&field);
    std::set<int> used;
    for (const TExpectedButton& expected : ExpectedButtons) {
        SCOPED_TRACE(expected.Tag);
        used.insert(expected.Tag);
        QToolButton* button = palette.Button(expected.Tag);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), qs(expected.Caption));
        EXPECT_EQ(button->toolTip(), qs(expected.Hint));
        EXPECT_EQ(button->property("Tag").toInt(), expected.Tag);
        EXPECT_EQ(button->parentWidget()->objectName(), qs(expected.Panel));
        EXPECT_EQ(OperatorText(expected.Tag), expected.Appends);
        const bool absolute = expected.Tag == 39 || expected.Tag == 40;
        EXPECT_EQ(button->isEnabled(), !absolute);
        if (!absolute) {
            field.setText(QStringLiteral("x"));
            button->click();
            EXPECT_EQ(field.text(), QStringLiteral("x") + qs(expected.Appends));
        }
    }
    // The empty entries of the table, and tags beyond it.
    for (int tag = -1; tag <= 74; ++tag) {
        if (used.count(tag) != 0)
            continue;
        SCOPED_TRACE(tag);
        EXPECT_EQ(OperatorText(tag), "");
        EXPECT_EQ(palette.Button(tag), nullptr);
    }

    struct TEnclosing {
        const char* Name;
        const char* Caption;
        const char* Hint;
        bool Enabled;
    };
    const TEnclosing enclosing[] = {
        { "ToolbarButton977", "(...)", "Aç-Kapa Parantez", true },
        { "ToolbarButton978", "[...]", "Aç-Kapa Parantez", true },
        { "ToolbarButton976", "[|...|]", "Mutlak Aç-Kapa Parantez", false },
    };
    for (const TEnclosing& e : enclosing) {
        SCOPED_TRACE(e.Name);
        auto* button = palette.findChild<QToolButton*>(qs(e.Name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), qs(e.Caption));
        EXPECT_EQ(button->toolTip(), qs(e.Hint));
        EXPECT_EQ(button->isEnabled(), e.Enabled);
        EXPECT_EQ(button->parentWidget()->objectName(), QStringLiteral("ParantezlerPanel"));
    }
    // Enabling the whole palette does not enable the absolute-value buttons.
    palette.setEnabled(false);
    palette.setEnabled(true);
    EXPECT_FALSE(palette.Button(39)->isEnabled());
    EXPECT_FALSE(palette.findChild<QToolButton*>(QStringLiteral("ToolbarButton976"))->isEnabled());
}

// Every text the palette writes is read by the formula language as the piece it
// stands for: the compiled form names the intended operator or function.
TEST(Palette, EveryTextCompilesInAFormula)
{
    for (const TExpectedButton& b : ExpectedButtons) {
        const int tag = b.Tag;
        const std::string text = OperatorText(tag);
        SCOPED_TRACE(tag);
        std::string formula;
        std::string expected;
        if ((tag >= 1 && tag <= 9) || (tag >= 19 && tag <= 33) || tag == 11) {
            formula = "x" + text + "y";
            const int code = FindOperator(std::string(b.Caption));
            ASSERT_GE(code, 0);
            expected = "x y " + std::string(OperatorTable[code].Symbol) + " ";
        } else if (tag == 10) {
            formula = "x" + text;
            expected = "x fact ";
        } else if (tag == 18) {
            formula = text + "x";
            expected = "x not ";
        } else if (tag == 35 || tag == 37 || tag == 39) {
            formula = text + "x" + OperatorText(tag + 1) + "*2";
        } else if (tag == 36 || tag == 38 || tag == 40) {
            formula = OperatorText(tag - 1) + "x" + text + "*2";
        } else if ((tag >= 52 && tag <= 70) || tag == 73) {
            formula = text + "x)";
            expected = "x " + std::string(b.Caption) + " ";
        } else {
            formula = "2*" + text;
        }
        std::string postfix;
        EXPECT_NO_THROW(postfix = compiled(formula)) << formula;
        if (!expected.empty()) {
            EXPECT_EQ(postfix, expected) << formula;
        }
    }
    // The blanks keep a word operator apart from the names around it.
    EXPECT_EQ(compiled("7" + OperatorText(8) + "3"), "7 3 % ");
    EXPECT_EQ(compiled("a" + OperatorText(6) + "b"), "a b \\ ");
    EXPECT_EQ(compiled("2*" + OperatorText(71)), compiled("2*pi"));
}

TEST(Palette, AppendsToTheFieldThatLastHadTheFocus)
{
    TOperatorSelectToolW palette;
    TFormulaFields fields;
    palette.WatchFormulaEdit(fields.fxEdit);
    palette.WatchFormulaEdit(fields.fyEdit);
    palette.WatchFormulaEdit(fields.fzEdit);

    // Before any field had the focus a click changes nothing.
    fields.fxEdit->setText(QStringLiteral("a"));
    palette.Button(1)->click();
    palette.findChild<QToolButton*>(QStringLiteral("ToolbarButton977"))->click();
    EXPECT_EQ(palette.LastFormulaEdit(), nullptr);
    EXPECT_EQ(fields.fxEdit->text(), QStringLiteral("a"));

    fields.fyEdit->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), fields.fyEdit);
    EXPECT_EQ(palette.LastFormulaEdit(), fields.fyEdit);
    palette.Button(65)->click(); // sin
    fields.fyEdit->insert(QStringLiteral("x"));
    palette.findChild<QToolButton*>(QStringLiteral("ToolbarButton977"))->click();
    EXPECT_EQ(fields.fyEdit->text(), QStringLiteral("(sin(x)"));
    EXPECT_EQ(QApplication::focusWidget(), fields.fyEdit) << "a click leaves the focus in place";

    fields.fzEdit->setFocus(Qt::MouseFocusReason);
    fields.fzEdit->setText(QStringLiteral("7"));
    palette.Button(8)->click();
    EXPECT_EQ(fields.fzEdit->text(), QStringLiteral("7 mod "));
    palette.findChild<QToolButton*>(QStringLiteral("ToolbarButton978"))->click();
    EXPECT_EQ(fields.fzEdit->text(), QStringLiteral("[7 mod ]"));
    EXPECT_EQ(fields.fyEdit->text(), QStringLiteral("(sin(x)"));

    // At the end of the text, whatever the caret and the selection; one change
    // notification per click, which runs the explorer's change handler.
    fields.fzEdit->setText(QStringLiteral("abcd"));
    fields.fzEdit->setSelection(1, 2);
    int changes = 0;
    QObject::connect(fields.fzEdit, &QLineEdit::textChanged, [&changes] { ++changes; });
    palette.Button(3)->click();
    EXPECT_EQ(fields.fzEdit->text(), QStringLiteral("abcd*"));
    EXPECT_EQ(changes, 1);

    // A field disabled after it had the focus still receives the clicks; focus
    // elsewhere does not change the target.
    fields.fxEdit->setFocus(Qt::TabFocusReason);
    fields.other->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(palette.LastFormulaEdit(), fields.fxEdit);
    fields.fxEdit->setText(QStringLiteral("X"));
    fields.fxEdit->setEnabled(false);
    palette.Button(1)->click();
    EXPECT_EQ(fields.fxEdit->text(), QStringLiteral("X+"));
}

TEST(Palette, ForgetsAFieldThatIsDestroyed)
{
    TOperatorSelectToolW palette;
    auto* field = new QLineEdit;
    palette.SetLastFormulaEdit(field);
    palette.Button(2)->click();
    EXPECT_EQ(field->text(), QStringLiteral("-"));
    delete field;
    EXPECT_EQ(palette.LastFormulaEdit(), nullptr);
    palette.Button(2)->click();
    palette.findChild<QToolButton*>(QStringLiteral("ToolbarButton977"))->click();
}

TEST(Palette, CollapseAndExpandArithmetic)
{
    TOperatorSelectToolW palette;
    QTreeWidget* tree = palette.TreeView1();
    const auto tops = [&] {
        std::vector<int> result;
        for (int k = 0; k < 5; ++k)
            result.push_back(palette.Panel(k)->y());
        return result;
    };
    EXPECT_EQ(tops(), (std::vector<int> { 20, 126, 232, 309, 463 }));
    EXPECT_EQ(palette.ToolHeight(), 539);
    EXPECT_EQ(palette.widget()->height(), 539);
    for (int k = 0; k < 5; ++k)
        EXPECT_TRUE(palette.Panel(k)->isVisibleTo(palette.widget())) << k;

    tree->topLevelItem(1)->setExpanded(false);
    EXPECT_EQ(tops(), (std::vector<int> { 20, 126, 142, 219, 373 }));
    EXPECT_EQ(palette.ToolHeight(), 449);
    EXPECT_EQ(palette.widget()->height(), 449);
    EXPECT_FALSE(palette.Panel(1)->isVisibleTo(palette.widget()));
    tree->topLevelItem(1)->setExpanded(true);
    EXPECT_EQ(tops(), (std::vector<int> { 20, 126, 232, 309, 463 }));
    EXPECT_EQ(palette.ToolHeight(), 539);

    // A model of the layout: the closed positions plus what each open category
    // above a panel adds.
    bool open[5] = { true, true, true, true, true };
    std::mt19937 random(7);
    for (int step = 0; step < 300; ++step) {
        const int k = static_cast<int>(random() % 5);
        open[k] = !open[k];
        tree->topLevelItem(k)->setExpanded(open[k]);
        std::vector<int> expectedTops;
        int height = 130;
        for (int j = 0; j < 5; ++j) {
            int top = ClosedTops[j];
            for (int i = 0; i < j; ++i)
                if (open[i])
                    top += PanelHeights[i] + PanelGaps[i];
            expectedTops.push_back(top);
            if (open[j])
                height += PanelHeights[j] + PanelGaps[j];
        }
        SCOPED_TRACE(step);
        ASSERT_EQ(tops(), expectedTops);
        ASSERT_EQ(palette.ToolHeight(), height);
        for (int j = 0; j < 5; ++j)
            ASSERT_EQ(palette.Panel(j)->isVisibleTo(palette.widget()), open[j]);
    }
    // Repeated notifications of an open node, a blank row or no node do nothing.
    for (int k = 0; k < 5; ++k)
        tree->topLevelItem(k)->setExpanded(true);
    tree->topLevelItem(0)->setExpanded(true);
    palette.TreeView1Expanded(nullptr);
    EXPECT_EQ(tops(), (std::vector<int> { 20, 126, 232, 309, 463 }));
    EXPECT_EQ(palette.ToolHeight(), 539);

    palette.show();
    QApplication::processEvents();
    EXPECT_EQ(palette.widget()->height(), 539);
    EXPECT_EQ(palette.minimumSize(), palette.maximumSize()) << "not resizable";
}
