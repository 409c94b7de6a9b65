#include "base/number_text.h"
#include "ui/dialogs/fhesapla_frm.h"
#include "ui/platform/error_report.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>
#include <memory>

namespace {
struct Calculator {
    std::unique_ptr<TFHesaplaFrm> w = std::make_unique<TFHesaplaFrm>();
    QStringList errors;
    TScopedErrorSink sink { [this](const QString& m) { errors << m; } };

    void row(int index, const QString& name, const QString& value)
    {
        w->StringGrid1()->setItem(index, 0, new QTableWidgetItem(name));
        w->StringGrid1()->setItem(index, 1, new QTableWidgetItem(value));
    }
    QString compute(const QString& formula)
    {
        w->FonksiyonEdit()->setText(formula);
        w->HesaplaButton()->click();
        return w->SonucEdit()->text();
    }
};
}

TEST(Calculator, Design)
{
    Calculator c;
    EXPECT_EQ(c.w->windowTitle(), "Fonksiyon Hesaplayıçısı");
    EXPECT_EQ(c.w->size(), QSize(363, 209));
    EXPECT_EQ(c.w->StringGrid1()->rowCount(), 9) << "ten rows, the first the header";
    EXPECT_EQ(c.w->StringGrid1()->horizontalHeaderItem(0)->text(), "Değişken");
    EXPECT_EQ(c.w->StringGrid1()->horizontalHeaderItem(1)->text(), "Değeri");
    EXPECT_TRUE(c.w->AgacEdit()->isReadOnly());
    EXPECT_TRUE(c.w->SonucEdit()->isReadOnly());
    EXPECT_EQ(c.w->HesaplaButton()->text(), "Hesapla");
}

TEST(Calculator, ComputesWithTheGridsValues)
{
    Calculator c;
    c.row(0, "x", "3");
    c.row(1, "Y", "1");
    EXPECT_EQ(c.compute("x^2+y"), "10");
    EXPECT_EQ(c.w->AgacEdit()->text(), "x 2 ^ y + ");

    // A value that is not a number keeps the variable as it was (0 after a compilation).
    c.row(0, "x", "üç");
    EXPECT_EQ(c.compute("x^2+y+0"), "1");
    // A name the formula does not use changes nothing.
    c.row(2, "q", "100");
    EXPECT_EQ(c.compute("x^2+y+0"), "1");
    // An empty first name sets nothing.
    c.row(0, "", "5");
    EXPECT_EQ(c.compute("x+y"), "0");
    EXPECT_TRUE(c.errors.isEmpty());
}

TEST(Calculator, CompilesOnlyWhenTheTextChanged)
{
    Calculator c;
    c.row(0, "a", "2");
    EXPECT_EQ(c.compute("a*10"), "20");
    c.row(0, "a", "4");
    c.w->HesaplaButton()->click();
    EXPECT_EQ(c.w->SonucEdit()->text(), "40") << "the new value, the same compiled form";
    // A value set by a click persists while the formula stays: no new
    // compilation emptied the table.
    c.row(0, "", "");
    c.w->HesaplaButton()->click();
    EXPECT_EQ(c.w->SonucEdit()->text(), "40");
}

TEST(Calculator, ErrorsLeaveTheResultsAndAFailedCompileIsRetried)
{
    Calculator c;
    EXPECT_EQ(c.compute("2*3"), "6");
    EXPECT_EQ(c.compute("2*(3"), "6");
    ASSERT_EQ(c.errors.size(), 1);
    EXPECT_EQ(c.errors[0], "Kapatılmamış parantez mevcut ");
    EXPECT_EQ(c.w->AgacEdit()->text(), "2 3 * ");
    // The same faulty text again compiles again (and fails again) rather than
    // evaluating the older formula.
    c.w->HesaplaButton()->click();
    EXPECT_EQ(c.errors.size(), 2);
    EXPECT_EQ(c.w->SonucEdit()->text(), "6");

    EXPECT_EQ(c.compute("1/0"), "6");
    EXPECT_EQ(c.errors.last(), "Floating point division by zero");
    EXPECT_EQ(c.w->AgacEdit()->text(), "1 0 / ");

    // An empty field does nothing.
    c.errors.clear();
    EXPECT_EQ(c.compute(""), "6");
    EXPECT_TRUE(c.errors.isEmpty());
}

TEST(Calculator, TurkishDecimalComma)
{
    SetDecimalSeparator(',');
    Calculator c;
    c.row(0, "x", "1,5");
    EXPECT_EQ(c.compute("x*3"), "4,5");
    EXPECT_EQ(c.compute("x/3"), "0,5");
    c.row(0, "x", "1.5");
    EXPECT_EQ(c.compute("x/3+0"), "0") << "a point is no number here";
    SetDecimalSeparator('.');
}

TEST(Calculator, FormulaFieldReportsItsFocus)
{
    Calculator c;
    QLineEdit* entered = nullptr;
    QObject::connect(
        c.w.get(), &TFHesaplaFrm::FonksiyonEditEntered, [&](QLineEdit* edit) { entered = edit; });
    c.w->show();
    c.w->activateWindow();
    c.w->FonksiyonEdit()->setFocus();
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(c.w->FonksiyonEdit(), &in);
    EXPECT_EQ(entered, c.w->FonksiyonEdit());
}
