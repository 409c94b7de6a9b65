#include "ui/library/curve_library.h"

#include "engine/formula_separator.h"
#include "ui/library/library_prompts.h"
#include "ui/platform/error_report.h"

#include <QCoreApplication>

namespace {

// The explorer names its fields fx, fy and fz.
bool checkLengths(QWidget* owner, const TCurveKey& curve)
{
    const struct {
        const QString* Text;
        const char* Name;
    } fields[]
        = { { &curve.FunctionX, "fx" }, { &curve.FunctionY, "fy" }, { &curve.FunctionZ, "fz" } };
    for (const auto& f : fields) {
        const auto length = f.Text->toUcs4().size();
        if (length > TCurveTable::FormulaSize) {
            LibraryMessage(owner,
                QCoreApplication::translate("TCurveLibrary",
                    "%1 formülü kütüphaneye en çok %2 karakter olarak kaydedilebilir; "
                    "yazılan formül %3 karakter. Eğri kaydedilmedi.")
                    .arg(QLatin1String(f.Name))
                    .arg(TCurveTable::FormulaSize)
                    .arg(length));
            return false;
        }
    }
    return true;
}

} // namespace

TStoreResult LibraryStoreCurve(
    QWidget* owner, const TCurveKey& curve, const TLibraryOptions& options)
{
    if (curve.FunctionX.isEmpty() || curve.FunctionY.isEmpty() || curve.FunctionZ.isEmpty()) {
        LibraryMessage(owner,
            QCoreApplication::translate("TCurveLibrary",
                "Eğriyi oluşturan fonksiyonlardan biri/birkaçı boş.Lütfen bu "
                "fonksiyonları giriniz."));
        return TStoreResult::EmptyFormula;
    }
    if (!checkLengths(owner, curve))
        return TStoreResult::TooLong;

    TStoreResult result;
    bool show = false;
    {
        TCurveTable table(options.Folder);
        table.SetBusyTimeout(options.BusyTimeout);
        if (!OpenLibraryTable(table, owner))
            return TStoreResult::Unavailable;
        bool found = false;
        if (!Guarded([&] { found = table.FindKey(curve); }))
            return TStoreResult::Failed;
        if (found) {
            result = TStoreResult::AlreadyStored;
            show = LibraryQuestion(owner,
                QCoreApplication::translate("TCurveLibrary", "Kayıt Hatası"),
                QCoreApplication::translate("TCurveLibrary",
                    "Bu eğri dosyaya daha önce kaydedilmiş - Görmek ister misiniz?"));
        } else {
            const bool posted = Guarded([&] {
                table.Insert();
                table.SetFieldValue(u"TYPE", curve.Type);
                table.SetFieldValue(u"FUNCTIONX", curve.FunctionX);
                table.SetFieldValue(u"FUNCTIONY", curve.FunctionY);
                table.SetFieldValue(u"FUNCTIONZ", curve.FunctionZ);
                table.Post();
            });
            if (!posted)
                return TStoreResult::Failed;
            result = TStoreResult::Stored;
            show = LibraryQuestion(owner,
                QCoreApplication::translate("TCurveLibrary", "Kayıt Tamam"),
                QCoreApplication::translate("TCurveLibrary",
                    "Eğri dosyaya kaydedildi - Açıklama yazısı yazmak ister misiniz?"));
        }
        table.Close();
    }
    if (show) {
        TCurvedLineSFrm frm(owner, options);
        frm.LocateCurve(curve);
        frm.exec();
    }
    return result;
}

std::optional<TCurveKey> LibrarySelectCurve(
    QWidget* owner, const TCurveKey& current, const TLibraryOptions& options)
{
    TCurvedLineSFrm frm(owner, options);
    if (!frm.Table1().Active())
        return std::nullopt;
    frm.LocateCurve(current);
    if (frm.SelectCurve() != QDialog::Accepted)
        return std::nullopt;
    TCurveTable& table = frm.Table1();
    if (table.RecNo() < 0)
        return std::nullopt;
    // A row written under the other decimal separator still reads in the explorer.
    const auto readable = [&](QStringView field) {
        return QString::fromStdString(
            WithCurrentDecimalSeparator(table.FieldAsString(field).toStdString()));
    };
    return TCurveKey { table.FieldAsInteger(u"Type"), readable(u"FunctionX"),
        readable(u"FunctionY"), readable(u"FunctionZ") };
}
