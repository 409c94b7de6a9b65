#include "base/number_text.h"
#include "library_test_support.h"
#include "render/draw_function.h"
#include "ui/library/curve_grid_model.h"
#include "ui/library/curve_library.h"
#include "ui/platform/color_combo.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolTip>

namespace {

template <class T> T* control(const QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

QAbstractItemModel* grid(const TCurvedLineSFrm& frm)
{
    return control<QTableView>(frm, "DBGrid1")->model();
}

QStringList gridTypes(const TCurvedLineSFrm& frm)
{
    QStringList types;
    for (int r = 0; r < grid(frm)->rowCount(); ++r)
        types.append(grid(frm)->data(grid(frm)->index(r, 0), Qt::EditRole).toString());
    return types;
}

void choose(const TCurvedLineSFrm& frm, int index)
{
    auto* range = control<QComboBox>(frm, "RangeComboBox");
    range->setCurrentIndex(index);
    emit range->activated(index);
}

// Runs act on the library window once it is shown modally; a window that never
// comes, or that act leaves open, is closed so that the test cannot hang. Each
// poll schedules a copy of itself, so nothing refers to itself and stays behind.
struct TModalPoll {
    std::function<void(TCurvedLineSFrm&)> Act;
    QDeadlineTimer Deadline;
    bool* Seen;
    void operator()() const
    {
        auto* frm = qobject_cast<TCurvedLineSFrm*>(QApplication::activeModalWidget());
        if (!frm) {
            if (Deadline.hasExpired()) {
                ADD_FAILURE() << "no modal library window";
                return;
            }
            QTimer::singleShot(10, *this);
            return;
        }
        if (Seen)
            *Seen = true;
        Act(*frm);
        if (frm->isVisible()) {
            ADD_FAILURE() << "the window was left open";
            frm->done(QDialog::Rejected);
        }
    }
};

void whenModal(std::function<void(TCurvedLineSFrm&)> act, bool* seen = nullptr)
{
    QTimer::singleShot(0, TModalPoll { std::move(act), QDeadlineTimer(5000), seen });
}

struct TLibraryFolder {
    QTemporaryDir Dir;
    TLibraryOptions Options { Dir.path(), 200 };
    explicit TLibraryFolder(const QList<TCurveKey>& rows = {})
    {
        if (rows.isEmpty())
            return;
        TCurveTable table(Dir.path());
        table.Open();
        for (const TCurveKey& k : rows)
            postRow(table, k.Type, k.FunctionX, k.FunctionY, k.FunctionZ);
    }
};

const QString storedQuestion = QStringLiteral(
    "Kayıt Tamam: Eğri dosyaya kaydedildi - Açıklama yazısı yazmak ister misiniz?");
const QString knownQuestion
    = QStringLiteral("Kayıt Hatası: Bu eğri dosyaya daha önce kaydedilmiş - Görmek ister misiniz?");

const QList<TCurveKey> someCurves = {
    { 0, "X", "x*x", "0" },
    { 5, "R*cos(a)", "R*sin(a)", "1" },
    { 5, "R*cos(a)", "R*sin(a)", "cos(2*a)" },
    { 6, "cos(t)", "sin(t)", "t/5" },
};

bool libraryConnectionsLeft()
{
    for (const QString& name : QSqlDatabase::connectionNames())
        if (name.startsWith(QStringLiteral("velmo-library-")))
            return true;
    return false;
}

} // namespace

TEST(LibraryStore, TheSameCurveTwiceIsStoredOnce)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder;
    const TCurveKey curve { 5, "R*cos(a)", "R*sin(a)", "1+cos(a)" };
    prompts.Answers = { false, false };
    EXPECT_EQ(LibraryStoreCurve(nullptr, curve, folder.Options), TStoreResult::Stored);
    EXPECT_EQ(prompts.Questions, QStringList { storedQuestion });
    EXPECT_EQ(storedRows(folder.Dir), QStringList { "5|R*cos(a)|R*sin(a)|1+cos(a)|" });

    EXPECT_EQ(LibraryStoreCurve(nullptr, curve, folder.Options), TStoreResult::AlreadyStored);
    EXPECT_EQ(prompts.Questions, QStringList({ storedQuestion, knownQuestion }));
    EXPECT_EQ(storedRows(folder.Dir), QStringList { "5|R*cos(a)|R*sin(a)|1+cos(a)|" });
    EXPECT_TRUE(prompts.Errors.isEmpty());
    EXPECT_TRUE(prompts.Messages.isEmpty());
    EXPECT_FALSE(libraryConnectionsLeft());
}

TEST(LibraryStore, EmptyOrOverlongFormulasAreRefusedBeforeAnythingOpens)
{
    const QString empty = QStringLiteral(
        "Eğriyi oluşturan fonksiyonlardan biri/birkaçı boş.Lütfen bu fonksiyonları giriniz.");
    const struct {
        TCurveKey Curve;
        TStoreResult Result;
        QString Message;
    } cases[] = {
        { { 0, "X", "x", "" }, TStoreResult::EmptyFormula, empty },
        { { 4, "", "sin(a)", "cos(b)" }, TStoreResult::EmptyFormula, empty },
        { { 3, "X", "", "x" }, TStoreResult::EmptyFormula, empty },
        { { 3, "X", QString(101, 'x'), "x" }, TStoreResult::TooLong,
            QStringLiteral("fy formülü kütüphaneye en çok 100 karakter olarak kaydedilebilir; "
                           "yazılan formül 101 karakter. Eğri kaydedilmedi.") },
        { { 6, QString(60, QChar(0x011F)) + QString(41, 'x'), "t", "t" }, TStoreResult::TooLong,
            QStringLiteral("fx formülü kütüphaneye en çok 100 karakter olarak kaydedilebilir; "
                           "yazılan formül 101 karakter. Eğri kaydedilmedi.") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Message.toStdString());
        TRecordedPrompts prompts;
        TLibraryFolder folder;
        EXPECT_EQ(LibraryStoreCurve(nullptr, c.Curve, folder.Options), c.Result);
        EXPECT_EQ(prompts.Messages, QStringList { c.Message });
        EXPECT_TRUE(prompts.Questions.isEmpty());
        EXPECT_TRUE(
            QDir(folder.Dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }
}

TEST(LibraryStore, OkOpensTheLibraryOnTheStoredRow)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder(someCurves);
    const TCurveKey curve { 5, "R*cos(a)", "R*sin(a)", "2*cos(3*a)" };
    prompts.BeforeAnswer = [&] {
        whenModal([&](TCurvedLineSFrm& frm) {
            EXPECT_EQ(frm.windowTitle(), QStringLiteral("Eğri Kayıt"));
            EXPECT_FALSE(frm.SelectionMode());
            EXPECT_TRUE(control<QPushButton>(frm, "BtnKapan")->isVisible());
            EXPECT_FALSE(control<QPushButton>(frm, "BtnTamam")->isVisible());
            EXPECT_EQ(control<QComboBox>(frm, "RangeComboBox")->currentIndex(), 6);
            EXPECT_EQ(control<QComboBox>(frm, "RangeComboBox")->currentText(),
                QStringLiteral("Yanlız Kutupsal Koordinat Eğriler"));
            EXPECT_EQ(gridTypes(frm), QStringList({ "5", "5", "5" }));
            const TCurveTable& table = frm.Table1();
            EXPECT_EQ(TCurveTable::CompareKeys(KeyOf(table.Rows(table.RecNo())), curve), 0);
            EXPECT_EQ(control<QTableView>(frm, "DBGrid1")->currentIndex().row(), table.RecNo());
            EXPECT_EQ(frm.LibraryPreview().Objects().Count(), 1);
            // The user writes the comment and posts it.
            grid(frm)->setData(grid(frm)->index(table.RecNo(), TCurveGridModel::gcComment),
                QStringLiteral("üç yapraklı yonca"));
            control<QPushButton>(frm, "BtnKaydet")->click();
            control<QPushButton>(frm, "BtnKapan")->click();
        });
    };
    EXPECT_EQ(LibraryStoreCurve(nullptr, curve, folder.Options), TStoreResult::Stored);
    EXPECT_EQ(prompts.Questions, QStringList { storedQuestion });
    EXPECT_TRUE(storedRows(folder.Dir)
                    .contains(QStringLiteral("5|R*cos(a)|R*sin(a)|2*cos(3*a)|üç yapraklı yonca")));
    EXPECT_EQ(storedRows(folder.Dir).size(), 5);

    // OK to "Kayıt Hatası" shows the row that was there.
    bool seen = false;
    prompts.BeforeAnswer = [&] {
        whenModal(
            [&](TCurvedLineSFrm& frm) {
                EXPECT_EQ(
                    frm.Table1().FieldAsString(u"Comment"), QStringLiteral("üç yapraklı yonca"));
                frm.reject();
            },
            &seen);
    };
    EXPECT_EQ(LibraryStoreCurve(nullptr, curve, folder.Options), TStoreResult::AlreadyStored);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(prompts.Errors.isEmpty());
    EXPECT_FALSE(libraryConnectionsLeft());
}

TEST(LibrarySelect, TheSelectionWindowAndItsChoices)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder(someCurves);
    const TCurveKey current { 5, "R*cos(a)", "R*sin(a)", "cos(2*a)" };
    whenModal([&](TCurvedLineSFrm& frm) {
        EXPECT_EQ(frm.windowTitle(), QStringLiteral("Eğri Seçim"));
        EXPECT_TRUE(frm.SelectionMode());
        EXPECT_TRUE(frm.windowFlags().testFlag(Qt::Tool));
        for (const char* name : { "BtnTamam", "BtnVazgec" })
            EXPECT_TRUE(control<QPushButton>(frm, name)->isVisible()) << name;
        for (const char* name : { "BtnKapan", "BtnYardim" })
            EXPECT_FALSE(control<QPushButton>(frm, name)->isVisible()) << name;
        const TColor tip = QColorToColor(QToolTip::palette().color(QPalette::ToolTipBase));
        EXPECT_EQ(control<TColorCombo>(frm, "ArkapilanColorCombo")->Color(), tip);
        EXPECT_EQ(frm.LibraryPreview().BrushColor(), tip);
        EXPECT_EQ(control<QComboBox>(frm, "RangeComboBox")->currentIndex(), 6);
        EXPECT_EQ(gridTypes(frm), QStringList({ "5", "5" }));
        EXPECT_EQ(frm.Table1().FieldAsString(u"FunctionZ"), QStringLiteral("cos(2*a)"));

        choose(frm, 0);
        EXPECT_EQ(gridTypes(frm), QStringList({ "0", "5", "5", "6" }));
        choose(frm, 6);
        EXPECT_EQ(gridTypes(frm), QStringList({ "5", "5" }));
        control<QTableView>(frm, "DBGrid1")->setCurrentIndex(grid(frm)->index(0, 1));
        control<QPushButton>(frm, "BtnTamam")->click();
    });
    const std::optional<TCurveKey> chosen = LibrarySelectCurve(nullptr, current, folder.Options);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(TCurveTable::CompareKeys(*chosen, { 5, "R*cos(a)", "R*sin(a)", "1" }), 0);

    // A double click on the grid chooses the row under it.
    whenModal([&](TCurvedLineSFrm& frm) {
        choose(frm, 0);
        auto* view = control<QTableView>(frm, "DBGrid1");
        const QPoint at = view->visualRect(grid(frm)->index(3, 2)).center();
        for (QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                 QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease }) {
            QMouseEvent e(type, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(view->viewport(), &e);
        }
    });
    const std::optional<TCurveKey> clicked = LibrarySelectCurve(nullptr, current, folder.Options);
    ASSERT_TRUE(clicked);
    EXPECT_EQ(TCurveTable::CompareKeys(*clicked, { 6, "cos(t)", "sin(t)", "t/5" }), 0);

    // "&Vazgeç" chooses nothing and drops an edit.
    whenModal([&](TCurvedLineSFrm& frm) {
        grid(frm)->setData(
            grid(frm)->index(0, TCurveGridModel::gcComment), QStringLiteral("vazgeç"));
        control<QPushButton>(frm, "BtnVazgec")->click();
    });
    EXPECT_FALSE(LibrarySelectCurve(nullptr, current, folder.Options));
    EXPECT_FALSE(storedRows(folder.Dir).join(' ').contains(QStringLiteral("vazgeç")));
    EXPECT_TRUE(prompts.Errors.isEmpty());
    EXPECT_FALSE(libraryConnectionsLeft());
}

TEST(LibraryStore, WithoutTheLibraryNothingOpensAndNothingIsOverwritten)
{
    TRecordedPrompts prompts;
    TLibraryFolder folder;
    const QByteArray garbage("not a library, but the user's file: keep it");
    writeFile(curvesFile(folder.Dir), garbage);
    prompts.Answers = { false };
    EXPECT_EQ(LibraryStoreCurve(nullptr, { 0, "X", "x", "0" }, folder.Options),
        TStoreResult::Unavailable);
    ASSERT_EQ(prompts.Questions.size(), 1);
    EXPECT_TRUE(prompts.Questions[0].startsWith(QStringLiteral("Eğri Kütüphanesi: ")));
    EXPECT_EQ(fileBytes(curvesFile(folder.Dir)), garbage);

    QTemporaryDir blocked;
    QDir(blocked.path()).mkdir(QStringLiteral("CurvedLines.db"));
    const TLibraryOptions options { blocked.path(), 200 };
    EXPECT_FALSE(LibrarySelectCurve(nullptr, { 0, "X", "x", "0" }, options));
    EXPECT_EQ(LibraryStoreCurve(nullptr, { 0, "X", "x", "0" }, options), TStoreResult::Unavailable);
    ASSERT_EQ(prompts.Errors.size(), 2);
    for (const QString& e : prompts.Errors)
        EXPECT_TRUE(e.startsWith(QStringLiteral("Eğri kütüphanesi dosyası açılamadı: ")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(libraryConnectionsLeft());
}

TEST(LibrarySelect, FormulasWrittenUnderTheOtherSeparatorDrawAndReachTheExplorer)
{
    struct TSeparator {
        char Old = DecimalSeparator();
        explicit TSeparator(char c) { SetDecimalSeparator(c); }
        ~TSeparator() { SetDecimalSeparator(Old); }
    };
    const struct {
        char Separator;
        TCurveKey Stored, Chosen;
    } rows[] = {
        { ',', { 4, "4.5*sin(a)*cos(b)", "4.5*sin(a)*sin(b)", "4.5*cos(a)" },
            { 4, "4,5*sin(a)*cos(b)", "4,5*sin(a)*sin(b)", "4,5*cos(a)" } },
        { '.', { 0, "X", "4,5*sin(x)", "0" }, { 0, "X", "4.5*sin(x)", "0" } },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Separator);
        TSeparator separator(row.Separator);
        TRecordedPrompts prompts;
        TLibraryFolder folder({ row.Stored });
        whenModal([&](TCurvedLineSFrm& frm) {
            EXPECT_EQ(frm.LibraryPreview().Objects().Count(), 1);
            control<QPushButton>(frm, "BtnTamam")->click();
        });
        const std::optional<TCurveKey> chosen
            = LibrarySelectCurve(nullptr, row.Stored, folder.Options);
        ASSERT_TRUE(chosen);
        EXPECT_EQ(TCurveTable::CompareKeys(*chosen, row.Chosen), 0);
        EXPECT_TRUE(prompts.Errors.isEmpty()) << prompts.Errors.join('\n').toStdString();
        // The stored row is left as it was written.
        EXPECT_TRUE(storedRows(folder.Dir).join(' ').contains(row.Stored.FunctionY));
    }
}
