#include "ui/library/library_prompts.h"

#include "ui/library/curve_table.h"
#include "ui/library/library_files.h"
#include "ui/platform/error_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include <utility>

TLibraryPrompts SetLibraryPrompts(TLibraryPrompts prompts)
{
    return THook<TLibraryPrompts>::Replace(std::move(prompts));
}

void LibraryMessage(QWidget* owner, const QString& text)
{
    const auto message = THook<TLibraryPrompts>::Current().Message;
    if (message) {
        message(owner, text);
        return;
    }
    QMessageBox box(
        QMessageBox::Information, QStringLiteral("Velmo"), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool LibraryQuestion(QWidget* owner, const QString& title, const QString& text)
{
    const auto question = THook<TLibraryPrompts>::Current().Question;
    if (question)
        return question(owner, title, text);
    QMessageBox box(
        QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok;
}

bool OpenLibraryTable(TCurveTable& table, QWidget* owner)
{
    // Each round may set one faulty file aside: two files, so three rounds at most.
    for (int round = 0; round < 3; ++round) {
        try {
            table.Open();
            return true;
        } catch (const ECurveTableError& e) {
            const QString message = QString::fromStdString(e.Message());
            if (e.Fault() != lfCorrupt || e.FileName().isEmpty()) {
                ReportError(message);
                return false;
            }
            const QString name = QFileInfo(e.FileName()).fileName();
            const bool replace = LibraryQuestion(owner,
                QCoreApplication::translate("TLibraryPrompts", "Eğri Kütüphanesi"),
                QCoreApplication::translate("TLibraryPrompts",
                    "%1\n\nBozuk dosya \"%2.bozuk\" adıyla kenara alınıp yerine yeni, "
                    "boş bir %2 oluşturulsun mu? İptal ederseniz dosyaya dokunulmaz "
                    "ve kütüphane kullanılmaz.")
                    .arg(message, name));
            if (!replace)
                return false;
            if (!Guarded([&] { SetLibraryFileAside(e.FileName()); }))
                return false;
        } catch (...) {
            ReportException(std::current_exception());
            return false;
        }
    }
    return false;
}
