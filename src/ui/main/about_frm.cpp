#include "ui/main/about_frm.h"

#include "ui/main/tiler.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

TAboutFrm::TAboutFrm(TKind kind, QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(kind == Program ? tr("Velmo Hakkında") : tr("Yazarı Hakkında"));
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(TTiler::BuiltInPicture()));
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    auto* text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    if (kind == Program)
        text->setText(tr("<h3>Velmo</h3><p>Sürüm 0.1</p>"
                         "<p>Formüllerle tanımlanan eğrileri iki ve üç boyutlu uzayda çizer: "
                         "yedi koordinat sisteminde, döndürülebilen, hareketlendirilebilen ve "
                         "büyütülebilen grafik pencerelerinde.</p>"));
    else
        text->setText(tr("<h3>Velmo'nun geliştiricileri</h3>"
                         "<p>Velmo, matematik öğrencileri ve öğretmenleri için yazılmıştır. "
                         "Görüş ve önerileriniz programın gelişmesine yardım eder.</p>"));
    text->setMinimumWidth(300);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Tamam"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setSizeGripEnabled(false);
}

QPixmap SplashPicture()
{
    QPixmap pixmap(QPixmap::fromImage(TTiler::BuiltInPicture().scaled(476, 166)));
    QPainter painter(&pixmap);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(pixmap.rect().adjusted(8, 8, -8, -8), Qt::AlignBottom | Qt::AlignRight,
        TAboutFrm::tr("Yükleniyor..."));
    return pixmap;
}
