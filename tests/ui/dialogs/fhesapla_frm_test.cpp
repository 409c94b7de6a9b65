#include "base/number_text.h"
#include "../language_guard.h"
#include "files/language.h"
#include "ui/dialogs/dialog_help.h"
#include "ui/dialogs/fhesapla_frm.h"
#include "ui/dialogs/ozellikler_frm.h"
#include "ui/platform/combo_box.h"
#include "ui/platform/error_report.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>
#include <vector>

namespace {

QString qs(const char* text) { return QString::fromUtf8(text); }

class TSeparator {
public:
    explicit TSeparator(char separator)
        : FOld(DecimalSeparator())
    {
        SetDecimalSeparator(separator);
    }
    ~TSeparator() { SetDecimalSeparator(FOld); }

private:
    char FOld;
};

struct TMessages {
    std::vector<QString> Texts;
    TScopedErrorSink Sink { [this](const QString& m) { Texts.push_back(m); } };
};

// Row is the grid's row as the user counts it: 1 is the first under the header.
void setRow(TFHesaplaFrm& calculator, int row, const char* name, const char* value)
{
    calculator.StringGrid1()->setItem(row - 1, 0, new QTableWidgetItem(qs(name)));
    calculator.StringGrid1()->setItem(row - 1, 1, new QTableWidgetItem(qs(value)));
}

QString calculate(TFHesaplaFrm& calculator, const char* formula)
{
    calculator.FonksiyonEdit()->setText(qs(formula));
    calculator.HesaplaButton()->click();
    return calculator.SonucEdit()->text();
}

void deleteLater() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

TEST(Calculator, WindowAndControls)
{
    TFHesaplaFrm calculator;
    EXPECT_EQ(calculator.windowTitle(), qs("Fonksiyon Hesaplayıçısı"));
    EXPECT_EQ(calculator.minimumSize(), QSize(363, 209));
    EXPECT_EQ(calculator.maximumSize(), QSize(363, 209));
    EXPECT_TRUE(calculator.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(TFHesaplaFrm::HelpContext, 7);

    EXPECT_EQ(calculator.FonksiyonEdit()->geometry(), QRect(7, 18, 174, 24));
    EXPECT_EQ(calculator.AgacEdit()->geometry(), QRect(194, 62, 161, 22));
    EXPECT_EQ(calculator.SonucEdit()->geometry(), QRect(194, 101, 160, 22));
    EXPECT_EQ(calculator.HesaplaButton()->geometry(), QRect(195, 18, 160, 24));
    EXPECT_EQ(calculator.StringGrid1()->geometry(), QRect(7, 54, 178, 148));
    EXPECT_EQ(calculator.BtnKapan()->geometry(), QRect(275, 132, 79, 26));
    EXPECT_EQ(calculator.BtnYardim()->geometry(), QRect(276, 162, 79, 26));
    for (QLineEdit* result : { calculator.AgacEdit(), calculator.SonucEdit() }) {
        EXPECT_TRUE(result->isReadOnly());
        EXPECT_FALSE(result->hasFrame());
    }
    EXPECT_EQ(calculator.HesaplaButton()->text(), QStringLiteral("Hesapla"));
    EXPECT_EQ(calculator.BtnKapan()->text(), QStringLiteral("&Kapat"));
    EXPECT_EQ(calculator.BtnYardim()->text(), qs("&Yardım"));
    EXPECT_FALSE(calculator.BtnKapan()->icon().isNull());
    EXPECT_FALSE(calculator.BtnYardim()->icon().isNull());

    struct TLabel {
        const char* Text;
        QPoint At;
    };
    for (const TLabel& expected : { TLabel { "Fonksiyon", { 7, 2 } },
             TLabel { "Fonksiyon Ağacı", { 194, 45 } }, TLabel { "Sonuc", { 193, 85 } } }) {
        SCOPED_TRACE(expected.Text);
        bool found = false;
        for (QLabel* label : calculator.findChildren<QLabel*>())
            if (label->text() == qs(expected.Text)) {
                found = true;
                EXPECT_EQ(label->pos(), expected.At);
                // The whole caption shows and runs into no field.
                EXPECT_GE(label->width(), label->sizeHint().width());
                EXPECT_FALSE(label->geometry().intersects(calculator.FonksiyonEdit()->geometry()));
                EXPECT_FALSE(label->geometry().intersects(calculator.AgacEdit()->geometry()));
                EXPECT_FALSE(label->geometry().intersects(calculator.SonucEdit()->geometry()));
            }
        EXPECT_TRUE(found);
    }

    QTableWidget* grid = calculator.StringGrid1();
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->rowCount() + 1, 10) << "nine rows under the header row";
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), qs("Değişken"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), qs("Değeri"));
    EXPECT_EQ(grid->columnWidth(0), 56);
    EXPECT_EQ(grid->columnWidth(1), 95);
    // The header captions fit their columns.
    EXPECT_LE(grid->horizontalHeader()->fontMetrics().horizontalAdvance(qs("Değişken")) + 4, 56);
    EXPECT_TRUE(grid->verticalHeader()->isHidden()) << "no fixed column";
    EXPECT_TRUE(grid->showGrid());
    EXPECT_NE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);

    const std::vector<QWidget*> order = { calculator.FonksiyonEdit(), calculator.AgacEdit(),
        calculator.SonucEdit(), calculator.HesaplaButton(), calculator.StringGrid1(),
        calculator.BtnKapan(), calculator.BtnYardim() };
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        SCOPED_TRACE(i);
        QWidget* next = order[i]->nextInFocusChain();
        while (next != order[i + 1] && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, order[i + 1]);
    }
}

TEST(Calculator, CompilesReadsTheGridAndShowsTheValue)
{
    const TSeparator point('.');
    TFHesaplaFrm calculator;
    setRow(calculator, 1, "x", "3");
    setRow(calculator, 2, "Y", "1");
    EXPECT_EQ(calculate(calculator, "x^2+y"), QString::fromStdString(FloatToText(3.0L * 3 + 1)));
    EXPECT_EQ(calculator.SonucEdit()->text(), QStringLiteral("10"));
    EXPECT_EQ(calculator.AgacEdit()->text(), QStringLiteral("x 2 ^ y + "));
    EXPECT_EQ(calculator.Memory().GetValue("x"), 3.0L);
    EXPECT_EQ(calculator.Memory().GetValue("y"), 1.0L);
    // The general form with 15 significant digits.
    setRow(calculator, 1, "x", "1");
    setRow(calculator, 2, "y", "3");
    EXPECT_EQ(calculate(calculator, "x/y"), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(calculator.AgacEdit()->text(), QStringLiteral("x y / "));
}

TEST(Calculator, GridRows)
{
    const TSeparator point('.');
    struct TCase {
        const char* Name;
        std::vector<std::pair<const char*, const char*>> Rows;
        const char* Result;
    };
    const TCase cases[] = {
        { "both values", { { "x", "3" }, { "Y", "1" } }, "10" },
        { "a value that is no number keeps 0", { { "x", "abc" }, { "Y", "1" } }, "1" },
        { "an empty value keeps 0", { { "x", "" }, { "y", "1" } }, "1" },
        { "blanks around a value", { { "x", " 3 " }, { "y", "1" } }, "10" },
        { "an unused name", { { "z", "100" }, { "x", "3" }, { "y", "1" } }, "10" },
        { "empty first name", { { "", "3" }, { "x", "3" }, { "y", "1" } }, "0" },
        { "reading stops at the first empty name", { { "x", "3" }, { "", "" }, { "y", "5" } },
            "9" },
        { "the last of nine rows is read",
            { { "a", "0" }, { "b", "0" }, { "c", "0" }, { "d", "0" }, { "f", "0" }, { "g", "0" },
                { "h", "0" }, { "x", "2" }, { "y", "7" } },
            "11" },
        { "a later row wins", { { "x", "3" }, { "X", "4" }, { "y", "0" } }, "16" },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TFHesaplaFrm calculator;
        int row = 1;
        for (const auto& [name, value] : c.Rows)
            setRow(calculator, row++, name, value);
        EXPECT_EQ(calculate(calculator, "x^2+y"), qs(c.Result));
    }
}

TEST(Calculator, RecompilesOnlyWhenTheTextChanged)
{
    const TSeparator point('.');
    TFHesaplaFrm calculator;
    setRow(calculator, 1, "x", "3");
    setRow(calculator, 2, "y", "1");
    EXPECT_EQ(calculate(calculator, "x^2+y"), QStringLiteral("10"));
    setRow(calculator, 1, "x", "4");
    calculator.HesaplaButton()->click();
    EXPECT_EQ(calculator.SonucEdit()->text(), QStringLiteral("17"));
    // Values set by an earlier click persist while the formula stays.
    calculator.StringGrid1()->item(0, 0)->setText(QString());
    calculator.HesaplaButton()->click();
    EXPECT_EQ(calculator.SonucEdit()->text(), QStringLiteral("17"));
    // A changed text (a blank counts) compiles again and sets every variable to 0.
    EXPECT_EQ(calculate(calculator, "x^2+y "), QStringLiteral("0"));
    EXPECT_EQ(calculator.AgacEdit()->text(), QStringLiteral("x 2 ^ y + "));
    EXPECT_EQ(calculator.Fonksiyon().GetText(), "x^2+y ");
}

TEST(Calculator, ErrorsLeaveTheFieldsAndAFailedFormulaCompilesAgain)
{
    const TSeparator point('.');
    TMessages messages;
    TFHesaplaFrm calculator;
    setRow(calculator, 1, "x", "3");
    setRow(calculator, 2, "y", "1");

    // An empty formula does nothing.
    calculate(calculator, "");
    EXPECT_TRUE(messages.Texts.empty());
    EXPECT_TRUE(calculator.AgacEdit()->text().isEmpty());

    EXPECT_EQ(calculate(calculator, "x^2+y"), QStringLiteral("10"));
    const QString syntax = qs("(Sintax Error)İmla hatası => x değişkeninden sonra mutlaka bir "
                              "operator gelmelidir");
    calculate(calculator, "x y");
    ASSERT_EQ(messages.Texts.size(), 1u);
    EXPECT_EQ(messages.Texts[0], syntax);
    EXPECT_EQ(calculator.AgacEdit()->text(), QStringLiteral("x 2 ^ y + "));
    EXPECT_EQ(calculator.SonucEdit()->text(), QStringLiteral("10"));
    // The second click compiles again instead of running the older form against
    // the emptied table (which would show 0).
    calculator.HesaplaButton()->click();
    ASSERT_EQ(messages.Texts.size(), 2u);
    EXPECT_EQ(messages.Texts[1], syntax);
    EXPECT_EQ(calculator.SonucEdit()->text(), QStringLiteral("10"));
    EXPECT_EQ(calculate(calculator, "x*y"), QStringLiteral("3"));
    EXPECT_EQ(calculator.AgacEdit()->text(), QStringLiteral("x y * "));

    // An evaluation error: the compiled form shows, the result stays.
    setRow(calculator, 1, "x", "0");
    calculate(calculator, "1/x");
    ASSERT_EQ(messages.Texts.size(), 3u);
    EXPECT_EQ(messages.Texts[2], QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(calculator.AgacEdit()->text(), QStringLiteral("1 x / "));
    EXPECT_EQ(calculator.SonucEdit()->text(), QStringLiteral("3"));
    setRow(calculator, 1, "x", "8");
    calculator.HesaplaButton()->click();
    EXPECT_EQ(calculator.SonucEdit()->text(), QStringLiteral("0.125"));
    EXPECT_EQ(messages.Texts.size(), 3u);
}

TEST(Calculator, TurkishDecimalComma)
{
    const TSeparator comma(',');
    TFHesaplaFrm calculator;
    setRow(calculator, 1, "x", "1,5");
    EXPECT_EQ(calculate(calculator, "x*2"), QStringLiteral("3"));
    EXPECT_EQ(calculate(calculator, "x/4"), QStringLiteral("0,375"));
    EXPECT_EQ(calculate(calculator, "x+0,25"), QStringLiteral("1,75"));
    EXPECT_EQ(calculator.AgacEdit()->text(), QStringLiteral("x 0,25 + "));
    // The point is no separator here: the value does not read and x stays 0.
    setRow(calculator, 1, "x", "1.5");
    EXPECT_EQ(calculate(calculator, "x*3"), QStringLiteral("0"));
    EXPECT_EQ(calculate(calculator, "1/3"), QStringLiteral("0,333333333333333"));
}

TEST(Calculator, FormulaFieldFocusIsAnnounced)
{
    QWidget window;
    auto* calculator = new TFHesaplaFrm(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 220);
    window.resize(400, 260);
    window.show();
    QApplication::setActiveWindow(&window);
    std::vector<QLineEdit*> entered;
    QObject::connect(calculator, &TFHesaplaFrm::FonksiyonEditEntered,
        [&entered](QLineEdit* edit) { entered.push_back(edit); });
    other->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(entered.empty());
    calculator->FonksiyonEdit()->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(entered.size(), 1u);
    EXPECT_EQ(entered[0], calculator->FonksiyonEdit());
    calculator->SonucEdit()->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(entered.size(), 1u);
}

TEST(Calculator, ClosingDestroysIt)
{
    QMdiArea area;
    area.resize(600, 400);
    area.show();
    struct TWay {
        const char* Name;
        void (*Close)(TFHesaplaFrm*, QMdiSubWindow*);
    };
    const TWay ways[] = {
        { "Kapat", [](TFHesaplaFrm* c, QMdiSubWindow*) { c->BtnKapan()->click(); } },
        { "the frame's close", [](TFHesaplaFrm*, QMdiSubWindow* s) { s->close(); } },
        { "Esc",
            [](TFHesaplaFrm* c, QMdiSubWindow*) {
                QTest::keyClick(c->FonksiyonEdit(), Qt::Key_Escape);
            } },
    };
    for (const TWay& way : ways) {
        SCOPED_TRACE(way.Name);
        QPointer<TFHesaplaFrm> calculator = new TFHesaplaFrm;
        QPointer<QMdiSubWindow> frame = area.addSubWindow(calculator);
        frame->showNormal();
        EXPECT_EQ(frame->windowTitle(), qs("Fonksiyon Hesaplayıçısı"));
        EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(frame->windowFlags() & Qt::WindowCloseButtonHint);
        calculate(*calculator, "2+2");
        way.Close(calculator, frame);
        deleteLater();
        EXPECT_TRUE(calculator.isNull());
        EXPECT_TRUE(frame.isNull());
        EXPECT_TRUE(area.subWindowList().isEmpty());
    }
    // A reopened calculator starts empty.
    TFHesaplaFrm again;
    EXPECT_TRUE(again.FonksiyonEdit()->text().isEmpty());
    EXPECT_TRUE(again.Fonksiyon().GetText().empty());
}

TEST(Calculator, HelpOpensItsTopic)
{
    std::vector<int> requests;
    TDialogHelp previous = SetDialogHelp([&requests](int context) { requests.push_back(context); });
    TFHesaplaFrm calculator;
    calculator.BtnYardim()->click();
    QTest::keyClick(calculator.FonksiyonEdit(), Qt::Key_F1);
    SetDialogHelp(std::move(previous));
    EXPECT_EQ(requests, (std::vector<int> { 7, 7 }));
}

TEST(Calculator, SpeaksEnglishWhenChosen)
{
    TLanguageGuard guard;
    InstallLanguage(TLanguage::English);
    TMessages messages;
    TFHesaplaFrm calculator;
    EXPECT_EQ(calculator.windowTitle(), "Function Calculator");
    EXPECT_EQ(calculator.HesaplaButton()->text(), "Calculate");
    EXPECT_EQ(calculator.StringGrid1()->horizontalHeaderItem(1)->text(), "Value");
    calculate(calculator, "x y");
    ASSERT_EQ(messages.Texts.size(), 1u);
    EXPECT_EQ(
        messages.Texts[0], "(Syntax Error) Spelling error => x must be followed by an operator");
    // The options dialog with its lists: visibility and the named colours.
    TOzelliklerFrm properties(QString(), nullptr);
    EXPECT_EQ(properties.windowTitle(), "All Properties");
    const QComboBox* visibility = properties.EksenciklerGorunurlukCombo;
    EXPECT_EQ(visibility->itemText(0), "Visible");
    EXPECT_EQ(visibility->itemText(1), "Hidden");

    UninstallLanguage();
    TFHesaplaFrm turkish;
    EXPECT_EQ(turkish.windowTitle(), qs("Fonksiyon Hesaplayıçısı"));
    calculate(turkish, "x y");
    ASSERT_EQ(messages.Texts.size(), 2u);
    EXPECT_EQ(messages.Texts[1],
        qs("(Sintax Error)İmla hatası => x değişkeninden sonra mutlaka bir operator gelmelidir"));
}
