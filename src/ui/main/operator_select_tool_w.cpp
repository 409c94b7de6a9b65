#include "ui/main/operator_select_tool_w.h"

#include "engine/vocabulary.h"

#include <QEvent>
#include <QFrame>
#include <QLayout>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdint>
#include <string_view>

namespace {

// How a button's text comes out of the vocabulary tables.
enum class TPiece : std::uint8_t {
    Symbol, // an operator symbol as it stands
    SpacedSymbol, // not, and, or, xor: blanks on both sides
    Word, // the word form of an operator code, blanks on both sides
    Function, // the name followed by the opening round bracket
    Constant, // the constant's spelling
    CapitalConstant, // the spelling with its first letter in upper case ("Pi")
};

enum TCategory : std::uint8_t {
    caAritmatik,
    caMantiksal,
    caParantezler,
    caFonksiyonlar,
    caSabitler
};

struct TButtonDef {
    TCategory Category;
    int Tag;
    TPiece Kind;
    std::uint8_t Code; // operator, function or constant code, by Kind
    const char* Hint;
    int X, Y, Width; // within the category's panel
};

// Column grids of the panels: four wide columns, six narrow ones, and the
// functions' 45-pixel buttons.
constexpr int wide(int column) { return 2 + 46 * column; }
constexpr int narrow(int column) { return 2 + 31 * column; }
constexpr int function(int column) { return 2 + 47 * column; }
constexpr int WideWidth = 44;
constexpr int NarrowWidth = 29;
constexpr int FunctionWidth = 45;

// The design of the tag buttons, panel by panel, row by row.
constexpr TButtonDef ButtonDefs[] = {
    { caAritmatik, 1, TPiece::Symbol, opAdd, QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Toplama"),
        wide(0), 3, WideWidth },
    { caAritmatik, 2, TPiece::Symbol, opSubtract,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Çıkartma"), wide(1), 3, WideWidth },
    { caAritmatik, 3, TPiece::Symbol, opMultiply,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Çarpma"), wide(2), 3, WideWidth },
    { caAritmatik, 4, TPiece::Symbol, opDivide, QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Bölme"),
        wide(3), 3, WideWidth },
    { caAritmatik, 5, TPiece::Symbol, opIntDivide,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Tam Sayılı Bölme"), wide(0), 31, WideWidth },
    { caAritmatik, 6, TPiece::Word, opIntDivide,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Tam Sayılı Bölme"), wide(1), 31, WideWidth },
    { caAritmatik, 7, TPiece::Symbol, opModulo,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Kalanı alma"), wide(2), 31, WideWidth },
    { caAritmatik, 8, TPiece::Word, opModulo,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Kalanı alma"), wide(3), 31, WideWidth },
    { caAritmatik, 9, TPiece::Symbol, opPower,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Üst Alma"), wide(0), 59, WideWidth },
    { caAritmatik, 10, TPiece::Symbol, opFactorial,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Faktöryelini Alma"), wide(1), 59, WideWidth },
    { caAritmatik, 11, TPiece::Symbol, opAssign, QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Atama"),
        wide(3), 59, WideWidth },

    { caMantiksal, 18, TPiece::SpacedSymbol, opNot,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Mantıksal not"), wide(0), 2, WideWidth },
    { caMantiksal, 19, TPiece::SpacedSymbol, opAnd,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Mantıksal and"), wide(1), 2, WideWidth },
    { caMantiksal, 20, TPiece::SpacedSymbol, opOr,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Mantıksal or"), wide(2), 2, WideWidth },
    { caMantiksal, 21, TPiece::SpacedSymbol, opXor,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Mantıksal xor"), wide(3), 2, WideWidth },
    { caMantiksal, 22, TPiece::Symbol, opEqual, QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Eşit"),
        narrow(0), 30, NarrowWidth },
    { caMantiksal, 23, TPiece::Symbol, opNotEqual,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Eşit Değil"), narrow(1), 30, NarrowWidth },
    { caMantiksal, 24, TPiece::Symbol, opLess, QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Küçük"),
        narrow(2), 30, NarrowWidth },
    { caMantiksal, 25, TPiece::Symbol, opGreater,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Büyük"), narrow(3), 30, NarrowWidth },
    { caMantiksal, 26, TPiece::Symbol, opLessEqual,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Küçük Eşit"), narrow(4), 30, NarrowWidth },
    { caMantiksal, 27, TPiece::Symbol, opGreaterEqual,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Büyük Eşit"), narrow(5), 30, NarrowWidth },
    { caMantiksal, 28, TPiece::Word, opEqual, QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Eşit"),
        narrow(0), 58, NarrowWidth },
    { caMantiksal, 29, TPiece::Word, opNotEqual,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Eşit Değil"), narrow(1), 58, NarrowWidth },
    { caMantiksal, 30, TPiece::Word, opLess, QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Küçük"),
        narrow(2), 58, NarrowWidth },
    { caMantiksal, 31, TPiece::Word, opGreater, QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Büyük"),
        narrow(3), 58, NarrowWidth },
    { caMantiksal, 32, TPiece::Word, opLessEqual,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Küçük Eşit"), narrow(4), 58, NarrowWidth },
    { caMantiksal, 33, TPiece::Word, opGreaterEqual,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Büyük Eşit"), narrow(5), 58, NarrowWidth },

    { caParantezler, 35, TPiece::Symbol, opOpenRound,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Aç Parantez"), narrow(0), 2, NarrowWidth },
    { caParantezler, 36, TPiece::Symbol, opCloseRound,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Kapa Parantez"), narrow(1), 2, NarrowWidth },
    { caParantezler, 37, TPiece::Symbol, opOpenSquare,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Aç Parantez"), narrow(2), 2, NarrowWidth },
    { caParantezler, 38, TPiece::Symbol, opCloseSquare,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Kapa Parantez"), narrow(3), 2, NarrowWidth },
    { caParantezler, 39, TPiece::Symbol, opOpenAbs,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Mutlak Aç Parantez"), narrow(4), 2,
        NarrowWidth },
    { caParantezler, 40, TPiece::Symbol, opCloseAbs,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Mutlak Kapa Parantez"), narrow(5), 2,
        NarrowWidth },

    { caFonksiyonlar, 52, TPiece::Function, fnAbs,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Mutlak Değer"), function(0), 2, FunctionWidth },
    { caFonksiyonlar, 53, TPiece::Function, fnArccos,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Ters Kosinüs"), function(1), 2, FunctionWidth },
    { caFonksiyonlar, 54, TPiece::Function, fnArccot,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Ters Kotanjant"), function(2), 2,
        FunctionWidth },
    { caFonksiyonlar, 55, TPiece::Function, fnArcsin,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Ters Sinüs"), function(3), 2, FunctionWidth },
    { caFonksiyonlar, 56, TPiece::Function, fnArctan,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Ters Tanjant"), function(0), 28, FunctionWidth },
    { caFonksiyonlar, 57, TPiece::Function, fnCos,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Kosinüs"), function(1), 28, FunctionWidth },
    { caFonksiyonlar, 58, TPiece::Function, fnCosec,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Kosecant"), function(2), 28, FunctionWidth },
    { caFonksiyonlar, 59, TPiece::Function, fnCotan,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Kotanjant"), function(3), 28, FunctionWidth },
    { caFonksiyonlar, 60, TPiece::Function, fnFact,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Factoriel"), function(0), 54, FunctionWidth },
    { caFonksiyonlar, 61, TPiece::Function, fnLn,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Tabi Logaritma"), function(1), 54,
        FunctionWidth },
    { caFonksiyonlar, 62, TPiece::Function, fnLog,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Logaritma"), function(2), 54, FunctionWidth },
    { caFonksiyonlar, 63, TPiece::Function, fnSec,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Sekant"), function(3), 54, FunctionWidth },
    { caFonksiyonlar, 64, TPiece::Function, fnSgn,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "İşaret"), function(0), 80, FunctionWidth },
    { caFonksiyonlar, 65, TPiece::Function, fnSin,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Sinüs"), function(1), 80, FunctionWidth },
    { caFonksiyonlar, 66, TPiece::Function, fnTan,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Tanjant"), function(2), 80, FunctionWidth },
    { caFonksiyonlar, 67, TPiece::Function, fnSqrt,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Karekök"), function(3), 80, FunctionWidth },
    { caFonksiyonlar, 68, TPiece::Function, fnExp,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Üstel Fonksiyon"), function(0), 106,
        FunctionWidth },
    { caFonksiyonlar, 69, TPiece::Function, fnAsin,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Ters Sinüs"), function(1), 106, FunctionWidth },
    { caFonksiyonlar, 70, TPiece::Function, fnAcos,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Ters Kosinüs"), function(2), 106,
        FunctionWidth },
    { caFonksiyonlar, 73, TPiece::Function, fnAtan,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Ters Tanjant"), function(3), 106,
        FunctionWidth },

    { caSabitler, 71, TPiece::CapitalConstant, cnPi,
        QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Pi Sayısı"), function(0), 3, FunctionWidth },
    { caSabitler, 72, TPiece::Constant, cnE, QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Exponent"),
        function(1), 3, FunctionWidth },
};

struct TCategorySpec {
    const char* Caption;
    int BlankRows; // rows that only reserve space under the node
    int PanelHeight;
    int Gap; // added below the panel
    int ClosedTop; // where the panel stands while everything is collapsed
    const char* PanelName;
};

constexpr TCategorySpec Categories[TOperatorSelectToolW::CategoryCount] = {
    { QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Aritmatik Operatörler"), 5, 87, 3, 20,
        "AritmatikOpPanel" },
    { QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Mantıksal Operatörler"), 5, 85, 5, 36,
        "MantiksalOpPanel" },
    { QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Parantezler"), 3, 55, 3, 52, "ParantezlerPanel" },
    { QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Fonksiyonlar"), 7, 134, 3, 71,
        "FonksiyonlarPanel" },
    { QT_TRANSLATE_NOOP("TOperatorSelectToolW", "Sabitler"), 2, 31, 3, 88, "SabitlerPanel" },
};

constexpr int ClientWidth = 212;
constexpr int PanelLeft = 18; // past the tree's indent, over the blank rows
constexpr int PanelWidth = 190;
constexpr int ClosedHeight = 130;
// Rows of 18 pixels let the blank rows reserve about the height of each panel.
constexpr int RowHeight = 18;

std::string_view wordOf(std::uint8_t code)
{
    for (const TWordOperator& word : WordOperatorTable)
        if (word.Code == code)
            return word.Word;
    return {};
}

std::string pieceText(TPiece kind, std::uint8_t code)
{
    switch (kind) {
    case TPiece::Symbol:
        return std::string(OperatorTable[code].Symbol);
    case TPiece::SpacedSymbol:
        return " " + std::string(OperatorTable[code].Symbol) + " ";
    case TPiece::Word:
        return " " + std::string(wordOf(code)) + " ";
    case TPiece::Function:
        return std::string(FunctionTable[code]) + std::string(OperatorTable[opOpenRound].Symbol);
    case TPiece::Constant:
        return std::string(ConstantTable[code].Spelling);
    case TPiece::CapitalConstant: {
        std::string text(ConstantTable[code].Spelling);
        if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
            text[0] = static_cast<char>(text[0] - 'a' + 'A');
        return text;
    }
    }
    return {};
}

// The caption is the appended text without its blanks and without a function's
// bracket: the spelling the user reads in the formula.
QString captionOf(const TButtonDef& def)
{
    switch (def.Kind) {
    case TPiece::SpacedSymbol:
        return QString::fromUtf8(OperatorTable[def.Code].Symbol);
    case TPiece::Word:
        return QString::fromUtf8(wordOf(def.Code));
    case TPiece::Function:
        return QString::fromUtf8(FunctionTable[def.Code]);
    default:
        return QString::fromStdString(pieceText(def.Kind, def.Code));
    }
}

QString symbolText(std::uint8_t code) { return QString::fromUtf8(OperatorTable[code].Symbol); }

QToolButton* makeButton(QWidget* panel, const QString& caption, const QString& hint, int x, int y,
    int width, int height)
{
    auto* button = new QToolButton(panel);
    button->setText(caption);
    button->setToolTip(hint);
    button->setGeometry(x, y, width, height);
    // Clicking must leave the keyboard focus in the formula field.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

std::string OperatorText(int tag)
{
    for (const TButtonDef& def : ButtonDefs)
        if (def.Tag == tag)
            return pieceText(def.Kind, def.Code);
    return {};
}

TOperatorSelectToolW::TOperatorSelectToolW(QWidget* parent)
    : QDockWidget(tr("Operatör  Seçim"), parent)
{
    setObjectName(QStringLiteral("OperatorSelectToolW"));
    setAllowedAreas(Qt::NoDockWidgetArea);
    // Without the floatable feature a double click on the title does not dock it.
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setFloating(true);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, true);
    // The window always takes the size of its contents: it is not resizable, and
    // the collapse and expand arithmetic sets its height.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    FClient = new QWidget(this);
    FClient->setObjectName(QStringLiteral("OperatorSelectClient"));
    auto* clientLayout = new QVBoxLayout(FClient);
    clientLayout->setContentsMargins(0, 0, 0, 0);

    FTreeView1 = new QTreeWidget(FClient);
    FTreeView1->setObjectName(QStringLiteral("TreeView1"));
    FTreeView1->setHeaderHidden(true);
    FTreeView1->setIndentation(18);
    FTreeView1->setRootIsDecorated(true);
    FTreeView1->setUniformRowHeights(true);
    FTreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FTreeView1->setFocusPolicy(Qt::ClickFocus);
    FTreeView1->setFrameShape(QFrame::NoFrame);
    FTreeView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FTreeView1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette treePalette = FTreeView1->palette();
    treePalette.setColor(QPalette::Base, treePalette.color(QPalette::Button));
    FTreeView1->setPalette(treePalette);
    clientLayout->addWidget(FTreeView1);

    for (const TCategorySpec& category : Categories) {
        auto* node = new QTreeWidgetItem(FTreeView1, { tr(category.Caption) });
        node->setSizeHint(0, QSize(0, RowHeight));
        node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        for (int row = 0; row < category.BlankRows; ++row) {
            auto* blank = new QTreeWidgetItem(node);
            blank->setSizeHint(0, QSize(0, RowHeight));
            blank->setFlags(Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
        }
    }
    createPanels(FClient);
    setWidget(FClient);

    connect(FTreeView1, &QTreeWidget::itemExpanded, this, &TOperatorSelectToolW::TreeView1Expanded);
    connect(
        FTreeView1, &QTreeWidget::itemCollapsed, this, &TOperatorSelectToolW::TreeView1Collapsed);

    // The closed layout first, then every category opens in turn, each through
    // its own expand notification.
    for (int k = 0; k < CategoryCount; ++k)
        FPanels[static_cast<std::size_t>(k)]->move(PanelLeft, Categories[k].ClosedTop);
    setToolHeight(ClosedHeight);
    for (int k = 0; k < FTreeView1->topLevelItemCount(); ++k)
        FTreeView1->topLevelItem(k)->setExpanded(true);
}

void TOperatorSelectToolW::createPanels(QWidget* client)
{
    for (int k = 0; k < CategoryCount; ++k) {
        auto* panel = new QFrame(client);
        panel->setObjectName(QString::fromUtf8(Categories[k].PanelName));
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setAutoFillBackground(true);
        panel->setBackgroundRole(QPalette::Button);
        panel->setGeometry(
            PanelLeft, Categories[k].ClosedTop, PanelWidth, Categories[k].PanelHeight);
        panel->hide();
        FPanels[static_cast<std::size_t>(k)] = panel;
    }
    for (const TButtonDef& def : ButtonDefs) {
        const int height = def.Category == caFonksiyonlar ? 24 : 25;
        QToolButton* button = makeButton(
            FPanels[def.Category], captionOf(def), tr(def.Hint), def.X, def.Y, def.Width, height);
        button->setObjectName(QStringLiteral("OperatorButton%1").arg(def.Tag));
        button->setProperty("Tag", def.Tag);
        const int tag = def.Tag;
        connect(button, &QToolButton::clicked, this, [this, tag] { AddToTheFunction(tag); });
        FButtons[static_cast<std::size_t>(def.Tag)] = button;
    }
    // The absolute-value brackets stay disabled; nothing enables them.
    FButtons[39]->setEnabled(false);
    FButtons[40]->setEnabled(false);

    QWidget* brackets = FPanels[caParantezler];
    QToolButton* round = makeButton(brackets,
        symbolText(opOpenRound) + QStringLiteral("...") + symbolText(opCloseRound),
        tr("Aç-Kapa Parantez"), narrow(1), 28, NarrowWidth, 25);
    round->setObjectName(QStringLiteral("ToolbarButton977"));
    connect(round, &QToolButton::clicked, this, &TOperatorSelectToolW::ToolbarButton977Click);
    QToolButton* square = makeButton(brackets,
        symbolText(opOpenSquare) + QStringLiteral("...") + symbolText(opCloseSquare),
        tr("Aç-Kapa Parantez"), narrow(2), 28, NarrowWidth, 25);
    square->setObjectName(QStringLiteral("ToolbarButton978"));
    connect(square, &QToolButton::clicked, this, &TOperatorSelectToolW::ToolbarButton978Click);
    QToolButton* absolute = makeButton(brackets,
        symbolText(opOpenAbs) + QStringLiteral("...") + symbolText(opCloseAbs),
        tr("Mutlak Aç-Kapa Parantez"), narrow(4), 28, 2 * NarrowWidth + 2, 25);
    absolute->setObjectName(QStringLiteral("ToolbarButton976"));
    absolute->setEnabled(false);
    connect(absolute, &QToolButton::clicked, this, &TOperatorSelectToolW::ToolbarButton976Click);
}

QToolButton* TOperatorSelectToolW::Button(int tag) const
{
    if (tag < 0 || tag >= static_cast<int>(FButtons.size()))
        return nullptr;
    return FButtons[static_cast<std::size_t>(tag)];
}

void TOperatorSelectToolW::SetLastFormulaEdit(QLineEdit* edit) { FLastFormulaEdit = edit; }

void TOperatorSelectToolW::WatchFormulaEdit(QLineEdit* edit)
{
    if (edit != nullptr)
        edit->installEventFilter(this);
}

bool TOperatorSelectToolW::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            SetLastFormulaEdit(edit);
    return QDockWidget::eventFilter(watched, event);
}

void TOperatorSelectToolW::AddToTheFunction(int tag)
{
    if (FLastFormulaEdit.isNull())
        return;
    FLastFormulaEdit->setText(FLastFormulaEdit->text() + QString::fromStdString(OperatorText(tag)));
}

void TOperatorSelectToolW::enclose(std::string_view opening, std::string_view closing)
{
    if (FLastFormulaEdit.isNull())
        return;
    FLastFormulaEdit->setText(
        QString::fromUtf8(opening) + FLastFormulaEdit->text() + QString::fromUtf8(closing));
}

void TOperatorSelectToolW::ToolbarButton977Click()
{
    enclose(OperatorTable[opOpenRound].Symbol, OperatorTable[opCloseRound].Symbol);
}

void TOperatorSelectToolW::ToolbarButton978Click()
{
    enclose(OperatorTable[opOpenSquare].Symbol, OperatorTable[opCloseSquare].Symbol);
}

void TOperatorSelectToolW::ToolbarButton976Click()
{
    enclose(OperatorTable[opOpenAbs].Symbol, OperatorTable[opCloseAbs].Symbol);
}

namespace {

int siblingPosition(QTreeWidgetItem* node)
{
    if (node == nullptr)
        return -1;
    if (QTreeWidgetItem* parent = node->parent())
        return parent->indexOfChild(node);
    return node->treeWidget() != nullptr ? node->treeWidget()->indexOfTopLevelItem(node) : -1;
}

} // namespace

void TOperatorSelectToolW::TreeView1Expanded(QTreeWidgetItem* node)
{
    openCategory(siblingPosition(node), +1);
}

void TOperatorSelectToolW::TreeView1Collapsed(QTreeWidgetItem* node)
{
    openCategory(siblingPosition(node), -1);
}

// Opening (+1) shows the category's panel and pushes the panels below it down by
// its height and gap; closing (-1) is the exact reverse, so any sequence of the
// two returns to the same layout.
void TOperatorSelectToolW::openCategory(int category, int direction)
{
    if (category < 0 || category >= CategoryCount)
        return;
    const int shift = direction * (Categories[category].PanelHeight + Categories[category].Gap);
    FPanels[static_cast<std::size_t>(category)]->setVisible(direction > 0);
    for (int k = category + 1; k < CategoryCount; ++k) {
        QWidget* panel = FPanels[static_cast<std::size_t>(k)];
        panel->move(panel->x(), panel->y() + shift);
    }
    setToolHeight(FToolHeight + shift);
}

void TOperatorSelectToolW::setToolHeight(int height)
{
    FToolHeight = height;
    FClient->setFixedSize(ClientWidth, height);
}
