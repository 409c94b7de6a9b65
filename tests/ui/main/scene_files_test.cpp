#include "base/number_text.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/main/curved_line_explorer.h"
#include "ui/main/explorer_controls.h"
#include "ui/main/main_form.h"
#include "ui/platform/error_report.h"
#include "ui/platform/prompts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

namespace {
struct Main {
    QTemporaryDir dir;
    std::unique_ptr<TMainForm> form;
    QStringList errors;
    TScopedErrorSink sink { [this](const QString& m) { errors << m; } };
    Main()
    {
        form = std::make_unique<TMainForm>(dir.path());
        form->show();
        QApplication::processEvents();
    }
    TMainForm& m() { return *form; }
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return dir.filePath(name);
    }
};

TEditorValues curve(const std::string& fy)
{
    TEditorValues v;
    v.Fx = "X";
    v.Fy = fy;
    v.Fz = "0";
    v.Color = 255;
    v.Thickness = 2;
    return v;
}

QStringList dosyaTexts(TMainForm& m)
{
    QStringList texts;
    for (QAction* a : m.Dosya->actions())
        texts << (a->isSeparator() ? "-" : a->text());
    return texts;
}
}

TEST(SceneFiles, SavedScenesOpenInNewWindowsAndAreListedInTheFileMenu)
{
    Main main;
    TMainForm& m = main.m();
    EXPECT_EQ(m.Ac->text(), "&Aç...");
    EXPECT_EQ(m.Ac->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_TRUE(m.Ac->isEnabled()) << "no graph window is needed to open one";
    m.YeniPencereClick();
    TGrafikMChildFrm* first = m.ActiveGraphWindow();
    first->ApplyCurve(curve("sin(x)"));
    first->NewCurve();
    first->ApplyCurve(curve("x/2"));
    first->FirstCurve();
    first->SetSaveDialogRunner([&](QString& name, int& type) {
        EXPECT_EQ(name, "Ekran1");
        EXPECT_EQ(type, 0) << "the bitmap type first";
        name = main.dir.filePath("iki");
        type = 1;
        return true;
    });
    m.SaveAsClick();
    const QString file = main.dir.filePath("iki.vlm");
    EXPECT_EQ(first->Caption(), "iki.vlm");
    EXPECT_EQ(first->FileName(), file);
    EXPECT_EQ(m.RecentFiles(), QStringList { file });

    m.SetOpenDialogRunner([&] { return QStringList { file }; });
    m.AcClick();
    ASSERT_EQ(m.GraphWindows().size(), 2);
    TGrafikMChildFrm* opened = m.ActiveGraphWindow();
    ASSERT_NE(opened, first);
    EXPECT_EQ(opened->Caption(), "iki.vlm");
    EXPECT_TRUE(opened->parentWidget()->toolTip().contains(QDir::toNativeSeparators(file)));
    EXPECT_EQ(opened->FileName(), file);
    EXPECT_EQ(opened->WindowNo(), 2);
    EXPECT_EQ(opened->size(), first->size());
    EXPECT_EQ(opened->DrawFunction().Objects().Count(), 2);
    EXPECT_EQ(opened->CurveIndex(), 0);
    EXPECT_EQ(m.CurvedLineExplorerToolW->fyEdit->text(), "sin(x)") << "the explorer follows";
    EXPECT_FALSE(m.CurvedLineExplorerToolW->isHidden());
    EXPECT_EQ(opened->Picture(), first->Picture());

    // Saving the opened scene again needs no dialog; the list keeps one entry per file.
    opened->SetSaveDialogRunner([](QString&, int&) -> bool {
        ADD_FAILURE() << "no dialog";
        return false;
    });
    m.KaydetButtonClick();
    EXPECT_EQ(m.RecentFiles(), QStringList { file });
    const QStringList texts = dosyaTexts(m);
    const qsizetype at = texts.indexOf("&1 " + file);
    ASSERT_GE(at, 0) << texts.join('|').toStdString();
    EXPECT_EQ(texts[at - 1], "-");
    EXPECT_EQ(texts[at + 1], "-");
    EXPECT_EQ(texts[at + 2], "Çı&kış");
    EXPECT_EQ(texts[1], "&Aç...");
    EXPECT_TRUE(main.errors.isEmpty()) << main.errors.join('\n').toStdString();
}

TEST(SceneFiles, FilesNamedAtStartOpenEachAndBadOnesAreReported)
{
    Main main;
    TMainForm& m = main.m();
    const QString good = main.write("iyi.vlm",
        R"({"format":"velmo-scene","version":1,"currentCurve":1,"curves":[
            {"type":0,"fy":"2.5*x"},{"type":5,"fz":"1.5"}]})");
    const QString broken = main.write("bozuk.vlm", "{\"format\":");
    const QString partly = main.write("yarim.vlm",
        R"({"format":"velmo-scene","version":1,"curves":[
            {"type":0,"fy":"x"},{"type":0,"fy":"sin("}]})");
    QStringList asked;
    bool answer = false;
    const TScopedPrompts prompts({ [&](QWidget*, const QString& text) {
                                      asked << text;
                                      return answer;
                                  },
        {} });
    const char saved = DecimalSeparator();
    SetDecimalSeparator(',');
    m.OpenFiles({ good, broken, partly });
    SetDecimalSeparator(saved);
    ASSERT_EQ(m.GraphWindows().size(), 1) << "the declined file opens nothing";
    TGrafikMChildFrm* w = m.GraphWindows()[0];
    EXPECT_EQ(w->Caption(), "iyi.vlm");
    EXPECT_EQ(w->FileName(), good);
    EXPECT_EQ(w->CurveIndex(), 1);
    EXPECT_EQ(QString::fromStdString(w->DrawFunction().Objects().Items(0).Fy->GetText()), "2,5*x");
    ASSERT_EQ(main.errors.size(), 1);
    EXPECT_EQ(main.errors[0].toStdString(),
        "\"bozuk.vlm\" açılamadı: dosya JSON biçiminde değil (11. baytta bozuk).");
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].startsWith(
        "\"yarim.vlm\" dosyasının 2. eğrisi açılamadı: \"fy\" formülü hatalı: "))
        << asked[0].toStdString();
    EXPECT_TRUE(asked[0].endsWith("\n\nDosyanın geri kalan 1 eğrisi açılsın mı?"));

    answer = true;
    m.OpenFiles({ partly });
    ASSERT_EQ(m.GraphWindows().size(), 2);
    EXPECT_EQ(m.ActiveGraphWindow()->DrawFunction().Objects().Count(), 1);
    EXPECT_EQ(m.RecentFiles(), (QStringList { partly, good }));
}

TEST(SceneFiles, ClosingAllAndLeavingAskForEachWindowWithChangedCurves)
{
    Main main;
    TMainForm& m = main.m();
    QStringList asked;
    TSaveAnswer answer = TSaveAnswer::Cancel;
    const TScopedPrompts prompts({ {}, [&](QWidget* owner, const QString&) {
                                      asked << qobject_cast<TGrafikMChildFrm*>(owner)->Caption();
                                      return answer;
                                  } });
    for (int i = 0; i < 3; ++i)
        m.YeniPencereClick();
    m.GraphWindows()[0]->ApplyCurve(curve("x"));
    m.GraphWindows()[2]->ApplyCurve(curve("x"));
    const auto open = [&] {
        QApplication::processEvents();
        return m.GraphWindows().size();
    };

    m.AktifFormuKapatClick();
    EXPECT_EQ(asked, QStringList { "Ekran3" });
    EXPECT_EQ(open(), 3);
    asked.clear();
    m.TumFormlariKapatClick();
    EXPECT_EQ(asked, QStringList { "Ekran3" }) << "Vazgeç stops closing";
    EXPECT_EQ(open(), 3);
    answer = TSaveAnswer::Discard;
    asked.clear();
    m.TumFormlariKapatClick();
    EXPECT_EQ(asked, (QStringList { "Ekran3", "Ekran1" }))
        << "the window without curves closes quietly";
    EXPECT_EQ(open(), 0);

    // Leaving the program asks the same way; Vazgeç keeps the program running.
    m.YeniPencereClick();
    m.ActiveGraphWindow()->ApplyCurve(curve("x"));
    answer = TSaveAnswer::Cancel;
    EXPECT_FALSE(m.close());
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(open(), 1);
    answer = TSaveAnswer::Discard;
    EXPECT_TRUE(m.close());
}
