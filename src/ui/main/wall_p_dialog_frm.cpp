#include "ui/main/wall_p_dialog_frm.h"

#include "ui/main/filename_edit.h"
#include "ui/platform/dialog_keys.h"
#include "ui/platform/error_report.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <array>

namespace {

struct TGorunum {
    const char* Text;
    TTileMode Mode;
};

// The list's order, which is not the order of the modes themselves.
constexpr std::array<TGorunum, TWallPDialogFrm::GorunumuCount> gorunumler { {
    { QT_TRANSLATE_NOOP("TWallPDialogFrm", "Ortada"), tmCenter },
    { QT_TRANSLATE_NOOP("TWallPDialogFrm", "Orta Alt Köşede"), tmCenterVBottom },
    { QT_TRANSLATE_NOOP("TWallPDialogFrm", "Orta Üst Köşede"), tmCenterVTop },
    { QT_TRANSLATE_NOOP("TWallPDialogFrm", "Sol Alt Köşede"), tmLeftVBottom },
    { QT_TRANSLATE_NOOP("TWallPDialogFrm", "Sol Ortada"), tmLeftVCenter },
    { QT_TRANSLATE_NOOP("TWallPDialogFrm", "Sol Üst Köşede"), tmLeftVTop },
    { QT_TRANSLATE_NOOP("TWallPDialogFrm", "Sag Alt Köşede"), tmRightVBottom },
    { QT_TRANSLATE_NOOP("TWallPDialogFrm", "Sag Ortada"), tmRightVCenter },
    { QT_TRANSLATE_NOOP("TWallPDialogFrm", "Sag Üst Köşede"), tmRightVTop },
    { QT_TRANSLATE_NOOP("TWallPDialogFrm", "Döşeli Şekilde"), tmTile },
    { QT_TRANSLATE_NOOP("TWallPDialogFrm", "Yayılmış Şekilde"), tmStretch },
} };

void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

} // namespace

int TWallPDialogFrm::GorunumuIndex(TTileMode mode)
{
    for (int i = 0; i < GorunumuCount; ++i)
        if (gorunumler[i].Mode == mode)
            return i;
    return GorunumuIndex(tmTile);
}

TTileMode TWallPDialogFrm::GorunumuMode(int index)
{
    return index >= 0 && index < GorunumuCount ? gorunumler[index].Mode : tmTile;
}

QString TWallPDialogFrm::GorunumuText(int index)
{
    return index >= 0 && index < GorunumuCount ? tr(gorunumler[index].Text) : QString();
}

TWallPDialogFrm::TWallPDialogFrm(QWidget* owner)
    : QDialog(owner)
    , FGroupBox1(new QGroupBox(tr(" Duvar Kağıdı Seçimi "), this))
    , FFilenameEdit(new TFilenameEdit(FGroupBox1))
    , FGorunumuComboBox(new QComboBox(FGroupBox1))
    , FCheckBox(new QCheckBox(tr("Duvar Kağıdı Kullanma"), this))
    , FBtnTamam(new QPushButton(tr("&Tamam"), this))
    , FBtnVazgec(new QPushButton(tr("&Vazgeç"), this))
    , FBtnYardim(new QPushButton(tr("&Yardım"), this))
{
    setWindowTitle(tr("Duvar Kağıdı Özellikleri"));
    setObjectName(QStringLiteral("WallPDialogFrm"));

    FFilenameEdit->setObjectName(QStringLiteral("FilenameEdit"));
    FFilenameEdit->SetFilter(tr("Bitmap files (*.bmp)"));
    FFilenameEdit->setMinimumWidth(300);
    FGorunumuComboBox->setObjectName(QStringLiteral("GorunumuComboBox"));
    for (int i = 0; i < GorunumuCount; ++i)
        FGorunumuComboBox->addItem(GorunumuText(i));

    auto* labelDosya = new QLabel(tr("Dosya İsmi"), FGroupBox1);
    labelDosya->setBuddy(FFilenameEdit);
    auto* labelGorunum = new QLabel(tr("Görüntüleme Şekli"), FGroupBox1);
    labelGorunum->setBuddy(FGorunumuComboBox);
    auto* group = new QVBoxLayout(FGroupBox1);
    group->addWidget(labelDosya);
    group->addWidget(FFilenameEdit);
    group->addSpacing(4);
    group->addWidget(labelGorunum);
    group->addWidget(FGorunumuComboBox);

    setHint(FBtnTamam, tr("Yapılan değişiklikleri onaylamak için bu butona basın"));
    setHint(FBtnVazgec, tr("Yapılan değişiklikleri geri almak için bu butona basın"));
    FBtnTamam->setEnabled(false);
    FBtnTamam->setDefault(true);
    FBtnVazgec->setAutoDefault(false);
    FBtnYardim->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(FBtnTamam);
    buttons->addWidget(FBtnVazgec);
    buttons->addWidget(FBtnYardim);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FGroupBox1);
    layout->addWidget(FCheckBox);
    layout->addLayout(buttons);
    // A fixed dialog border: the dialog keeps the size of its contents.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(FCheckBox, &QCheckBox::toggled, this, &TWallPDialogFrm::CheckBoxClick);
    connect(FFilenameEdit, &TFilenameEdit::Change, this, &TWallPDialogFrm::FilenameEditChange);
    connect(FBtnTamam, &QPushButton::clicked, this, &QDialog::accept);
    connect(FBtnVazgec, &QPushButton::clicked, this, &QDialog::reject);
    connect(FBtnYardim, &QPushButton::clicked, this, [this] { emit HelpRequested(HelpContext); });
}

void TWallPDialogFrm::CheckBoxClick()
{
    const bool off = FCheckBox->isChecked();
    FBtnTamam->setEnabled(off || !FFilenameEdit->Text().isEmpty());
    FFilenameEdit->setEnabled(!off);
    FGorunumuComboBox->setEnabled(!off);
}

void TWallPDialogFrm::FilenameEditChange()
{
    FBtnTamam->setEnabled(!FFilenameEdit->Text().isEmpty());
}

void TWallPDialogFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TWallPDialogFrm::keyPressEvent(QKeyEvent* event)
{
    if (!AnswerDialogKey(event, [this] { emit HelpRequested(HelpContext); }))
        QDialog::keyPressEvent(event);
}

void DuvarKagidiClick(QWidget* owner, TTiler& tiler, QString& wallpaperFileName,
    const QString& programDirectory, const std::function<void(int helpContext)>& help)
{
    Guarded([&] {
        const int oldIndex = TWallPDialogFrm::GorunumuIndex(tiler.TileMode());
        TWallPDialogFrm dialog(owner);
        if (help)
            QObject::connect(&dialog, &TWallPDialogFrm::HelpRequested, &dialog, help);
        dialog.FilenameEdit()->SetInitialDir(programDirectory);
        dialog.GorunumuComboBox()->setCurrentIndex(oldIndex);
        dialog.CheckBox()->setChecked(!tiler.Active());
        dialog.CheckBoxClick();
        dialog.FilenameEdit()->SetText(wallpaperFileName);

        if (dialog.exec() != QDialog::Accepted)
            return;

        const QString fileName = dialog.FilenameEdit()->Text();
        const int newIndex = dialog.GorunumuComboBox()->currentIndex();
        tiler.SetActive(!dialog.CheckBox()->isChecked() && !fileName.isEmpty());
        if (!tiler.Active())
            return;
        if (fileName != wallpaperFileName) {
            // Taken over before loading: a file that fails keeps its name.
            wallpaperFileName = fileName;
            tiler.LoadFromFile(fileName);
        }
        // The painter repaints itself on every change, so an unchanged mode needs
        // no repaint of its own.
        tiler.SetTileMode(TWallPDialogFrm::GorunumuMode(newIndex));
    });
}
