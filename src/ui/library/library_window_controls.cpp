#include "ui/library/library_window_controls.h"

#include "base/catalogue.h"
#include "curves/curve_types.h"
#include "ui/library/curve_grid_model.h"
#include "ui/library/curve_table.h"
#include "ui/platform/color_combo.h"
#include "ui/platform/image.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* toolButton(
    QWidget* parent, const char* name, const QString& text, const QString& hint, bool checkable)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setCheckable(checkable);
    b->setMinimumSize(28, 24);
    return b;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace

void TLibraryWindowControls::CreateControls(QDialog* window, TCurveTable& table, TColor curveColour)
{
    window->setObjectName(QStringLiteral("CurvedLineSFrm"));
    window->setWindowTitle(QCoreApplication::translate("TCurvedLineSFrm", "Eğri Kayıt"));
    window->setMinimumSize(660, 430);
    window->setSizeGripEnabled(false);

    RangeComboBox = new QComboBox(window);
    RangeComboBox->setObjectName(QStringLiteral("RangeComboBox"));
    RangeComboBox->setToolTip(QCoreApplication::translate("TCurvedLineSFrm", "Çizim Tipi"));
    // All curves, then one item per curve type (its code + 1).
    RangeComboBox->addItem(QCoreApplication::translate("TCurvedLineSFrm", "Tüm Eğriler"));
    for (const TCurveTypeRow& type : CurveTypes)
        RangeComboBox->addItem(QString::fromUtf8(Localized(type.RangeCaption)));
    RangeComboBox->setCurrentIndex(-1);
    auto* rangeLabel
        = new QLabel(QCoreApplication::translate("TCurvedLineSFrm", "Çizim &Tipi"), window);
    rangeLabel->setBuddy(RangeComboBox);

    DBNavigator = new QWidget(window);
    DBNavigator->setObjectName(QStringLiteral("DBNavigator"));
    auto* navLayout = new QHBoxLayout(DBNavigator);
    navLayout->setContentsMargins(0, 0, 0, 0);
    navLayout->setSpacing(0);
    const struct {
        const char* Name;
        QString Text;
        QString Hint;
    } navButtons[6] = {
        { "nbFirst", QStringLiteral("|◀"),
            QCoreApplication::translate("TCurvedLineSFrm", "İlk kayıt") },
        { "nbPrior", QStringLiteral("◀"),
            QCoreApplication::translate("TCurvedLineSFrm", "Bir önceki kayıt") },
        { "nbNext", QStringLiteral("▶"),
            QCoreApplication::translate("TCurvedLineSFrm", "Bir sonraki kayıt") },
        { "nbLast", QStringLiteral("▶|"),
            QCoreApplication::translate("TCurvedLineSFrm", "Son kayıt") },
        { "nbInsert", QStringLiteral("+"),
            QCoreApplication::translate("TCurvedLineSFrm", "Kayıt ekle") },
        { "nbDelete", QStringLiteral("−"),
            QCoreApplication::translate("TCurvedLineSFrm", "Kaydı sil") },
    };
    for (int i = 0; i < 6; ++i) {
        FNavigatorButtons[i] = toolButton(
            DBNavigator, navButtons[i].Name, navButtons[i].Text, navButtons[i].Hint, false);
        navLayout->addWidget(FNavigatorButtons[i]);
    }

    DBGrid1 = new QTableView(window);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    FGridModel = new TCurveGridModel(table, DBGrid1);
    DBGrid1->setModel(FGridModel);
    DBGrid1->setItemDelegateForColumn(
        TCurveGridModel::gcLookup, new TTypeLookupDelegate(table, DBGrid1));
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGrid1->verticalHeader()->setDefaultSectionSize(20);
    DBGrid1->verticalHeader()->setMinimumWidth(16);
    const int widths[] = { 105, 118, 117, 118, 150 };
    for (int c = 0; c < TCurveGridModel::gcCount; ++c)
        DBGrid1->setColumnWidth(c, widths[c]);

    FPreviewPanel = new QWidget(window);
    FPreviewPanel->setObjectName(QStringLiteral("PreviewPanel"));
    FPreviewPanel->setFixedSize(2 * FrameWidth, 2 * FrameHeight);
    auto bevel = [this](const char* name, int x, int y) {
        auto* f = new QFrame(FPreviewPanel);
        f->setObjectName(QString::fromLatin1(name));
        f->setFrameStyle(QFrame::Panel | QFrame::Raised);
        f->setGeometry(x, y, FrameWidth, FrameHeight);
        return f;
    };
    OndenGorBevel = bevel("OndenGorBevel", 0, 0);
    UsttenGorBevel = bevel("UsttenGorBevel", FrameWidth, 0);
    YandanGorBevel = bevel("YandanGorBevel", 0, FrameHeight);
    PerspektifGorBevel = bevel("PerspektifGorBevel", FrameWidth, FrameHeight);
    auto image = [this](const char* name, int x, int y) {
        auto* i = new TImage(FPreviewPanel);
        i->setObjectName(QString::fromLatin1(name));
        i->SetAutoSize(true);
        i->setGeometry(x, y, 97, 81);
        return i;
    };
    OndenGorImage = image("OndenGorImage", 1, 1);
    UsttenGorImage = image("UsttenGorImage", 1 + FrameWidth, 1);
    YandanGorImage = image("YandanGorImage", 1, 1 + FrameHeight);
    PerspektifGorImage = image("PerspektifGorImage", 1 + FrameWidth, 1 + FrameHeight);
    PerspektifGorImage->setToolTip(QCoreApplication::translate(
        "TCurvedLineSFrm", "Şekli döndürmek için fareyi sol tuşu basılı şekilde hareket ettirin."));

    auto* previewTools = new QWidget(window);
    auto* toolsLayout = new QGridLayout(previewTools);
    toolsLayout->setContentsMargins(0, 0, 0, 0);
    toolsLayout->setSpacing(2);
    OndenGorBtn
        = toolButton(window, "OndenGorBtn", QCoreApplication::translate("TCurvedLineSFrm", "Ön"),
            QCoreApplication::translate("TCurvedLineSFrm", "Önden Görünüş"), true);
    UsttenGorBtn
        = toolButton(window, "UsttenGorBtn", QCoreApplication::translate("TCurvedLineSFrm", "Üst"),
            QCoreApplication::translate("TCurvedLineSFrm", "Üstten Görünüş"), true);
    YandanGorBtn
        = toolButton(window, "YandanGorBtn", QCoreApplication::translate("TCurvedLineSFrm", "Yan"),
            QCoreApplication::translate("TCurvedLineSFrm", "Yandan Görünüş"), true);
    PerspektifGorBtn = toolButton(window, "PerspektifGorBtn",
        QCoreApplication::translate("TCurvedLineSFrm", "Per"),
        QCoreApplication::translate("TCurvedLineSFrm", "Perspektif Görünüş"), true);
    TumGorBtn
        = toolButton(window, "TumGorBtn", QCoreApplication::translate("TCurvedLineSFrm", "4'lü"),
            QCoreApplication::translate("TCurvedLineSFrm", "4'lü Görünüş"), true);
    auto* views = new QButtonGroup(window);
    for (QToolButton* b : { OndenGorBtn, UsttenGorBtn, YandanGorBtn, PerspektifGorBtn, TumGorBtn })
        views->addButton(b);
    views->setExclusive(true);
    TumGorBtn->setChecked(true);
    SpeedButton1 = toolButton(window, "SpeedButton1", QStringLiteral("XY"),
        QCoreApplication::translate("TCurvedLineSFrm", "XY Düzlem"), true);
    SpeedButton2 = toolButton(window, "SpeedButton2", QStringLiteral("XZ"),
        QCoreApplication::translate("TCurvedLineSFrm", "XZ Düzlem"), true);
    SpeedButton3 = toolButton(window, "SpeedButton3", QStringLiteral("YZ"),
        QCoreApplication::translate("TCurvedLineSFrm", "YZ Düzlem"), true);
    int tag = 1;
    for (QToolButton* b : { SpeedButton1, SpeedButton2, SpeedButton3 }) {
        b->setChecked(true);
        b->setProperty("tag", tag);
        ++tag;
    }
    CizgiCizimBtn = toolButton(window, "CizgiCizimBtn",
        QCoreApplication::translate("TCurvedLineSFrm", "Çizgi"),
        QCoreApplication::translate("TCurvedLineSFrm", "Çizgili Çizim"), true);
    NoktaCizimBtn = toolButton(window, "NoktaCizimBtn",
        QCoreApplication::translate("TCurvedLineSFrm", "Nokta"),
        QCoreApplication::translate("TCurvedLineSFrm", "Noktalı Çizim"), true);
    auto* styles = new QButtonGroup(window);
    styles->addButton(CizgiCizimBtn);
    styles->addButton(NoktaCizimBtn);
    styles->setExclusive(true);
    CizgiCizimBtn->setChecked(true);
    int column = 0;
    for (QToolButton* b : { OndenGorBtn, UsttenGorBtn, YandanGorBtn, PerspektifGorBtn, TumGorBtn })
        toolsLayout->addWidget(b, 0, column++);
    column = 0;
    for (QToolButton* b : { SpeedButton1, SpeedButton2, SpeedButton3 })
        toolsLayout->addWidget(b, 1, column++);
    toolsLayout->addWidget(CizgiCizimBtn, 1, 3);
    toolsLayout->addWidget(NoktaCizimBtn, 1, 4);

    ColorCombo = new TColorCombo(window);
    ColorCombo->setObjectName(QStringLiteral("ColorCombo"));
    ColorCombo->setToolTip(QCoreApplication::translate("TCurvedLineSFrm", "Çizim Rengi"));
    ColorCombo->SetColor(curveColour);
    auto* colorLabel
        = new QLabel(QCoreApplication::translate("TCurvedLineSFrm", "&Çizim Rengi"), window);
    colorLabel->setBuddy(ColorCombo);
    ArkapilanColorCombo = new TColorCombo(window);
    ArkapilanColorCombo->setObjectName(QStringLiteral("ArkapilanColorCombo"));
    ArkapilanColorCombo->setToolTip(
        QCoreApplication::translate("TCurvedLineSFrm", "Arkapilan Rengi"));
    ArkapilanColorCombo->SetColor(16777215);
    auto* backLabel
        = new QLabel(QCoreApplication::translate("TCurvedLineSFrm", "&Arkapilan Rengi"), window);
    backLabel->setBuddy(ArkapilanColorCombo);

    const QString confirmHint = QCoreApplication::translate(
        "TCurvedLineSFrm", "Yapılan değişiklikleri onaylamak için bu butona basın");
    const QString undoHint = QCoreApplication::translate(
        "TCurvedLineSFrm", "Yapılan değişiklikleri geri almak için bu butona basın");
    BtnKaydet = button(window, "BtnKaydet",
        QCoreApplication::translate("TCurvedLineSFrm", "&Kaydet"), confirmHint);
    BtnGeriAl = button(
        window, "BtnGeriAl", QCoreApplication::translate("TCurvedLineSFrm", "&Geri Al"), undoHint);
    BtnTamam = button(
        window, "BtnTamam", QCoreApplication::translate("TCurvedLineSFrm", "&Tamam"), confirmHint);
    BtnVazgec = button(
        window, "BtnVazgec", QCoreApplication::translate("TCurvedLineSFrm", "&Vazgeç"), undoHint);
    BtnKapan = button(window, "BtnKapan", QCoreApplication::translate("TCurvedLineSFrm", "&Kapat"),
        QCoreApplication::translate("TCurvedLineSFrm", "Formu kapatmak için butona basın"));
    BtnYardim
        = button(window, "BtnYardim", QCoreApplication::translate("TCurvedLineSFrm", "&Yardım"),
            QCoreApplication::translate("TCurvedLineSFrm", "Yardım almak için butona basın"));
    BtnTamam->hide();
    BtnVazgec->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(rangeLabel);
    top->addWidget(RangeComboBox, 1);
    top->addSpacing(12);
    top->addWidget(DBNavigator);

    auto* side = new QVBoxLayout;
    side->addWidget(FPreviewPanel);
    side->addWidget(previewTools);
    side->addWidget(colorLabel);
    side->addWidget(ColorCombo);
    side->addWidget(backLabel);
    side->addWidget(ArkapilanColorCombo);
    side->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(DBGrid1, 1);
    middle->addLayout(side);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(BtnKaydet);
    bottom->addWidget(BtnGeriAl);
    bottom->addStretch(1);
    for (QPushButton* b : { BtnTamam, BtnVazgec, BtnKapan, BtnYardim })
        bottom->addWidget(b);

    auto* main = new QVBoxLayout(window);
    main->addLayout(top);
    main->addLayout(middle, 1);
    main->addLayout(bottom);
    window->resize(700, 450);
}
