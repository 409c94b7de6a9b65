#include "files/picture_file.h"

#include "base/exception.h"
#include "files/safe_file.h"
#include "render/draw_function.h"
#include "render/four_view.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {
[[noreturn]] void fail(const QString& fileName, const QString& reason)
{
    throw Exception(QCoreApplication::translate("TOutputFile", "\"%1\" dosyası yazılamadı: %2")
                        .arg(QDir::toNativeSeparators(fileName), reason)
                        .toStdString());
}

const char* formatOf(TPictureFileType type)
{
    switch (type) {
    case TPictureFileType::Png:
        return "png";
    case TPictureFileType::Jpeg:
        return "jpeg";
    default:
        return "bmp";
    }
}
}

QString PictureFileFilter(TPictureFileType type)
{
    switch (type) {
    case TPictureFileType::Bitmap:
        return QCoreApplication::translate("TOutputFile", "Bitmap files (*.bmp)");
    case TPictureFileType::Scene:
        return QCoreApplication::translate("TOutputFile", "Velmo files(*.vlm)");
    case TPictureFileType::Png:
        return QCoreApplication::translate("TOutputFile", "PNG resimleri (*.png)");
    case TPictureFileType::Jpeg:
        return QCoreApplication::translate("TOutputFile", "JPEG resimleri (*.jpg *.jpeg)");
    case TPictureFileType::Svg:
        return QCoreApplication::translate("TOutputFile", "SVG çizimleri (*.svg)");
    case TPictureFileType::Pdf:
        return QCoreApplication::translate("TOutputFile", "PDF belgeleri (*.pdf)");
    }
    return {};
}

QString PictureFileSuffix(TPictureFileType type)
{
    switch (type) {
    case TPictureFileType::Bitmap:
        return "bmp";
    case TPictureFileType::Scene:
        return "vlm";
    case TPictureFileType::Png:
        return "png";
    case TPictureFileType::Jpeg:
        return "jpg";
    case TPictureFileType::Svg:
        return "svg";
    case TPictureFileType::Pdf:
        return "pdf";
    }
    return {};
}

bool PictureFileTypeOf(const QString& fileName, TPictureFileType& type)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == "jpeg") {
        type = TPictureFileType::Jpeg;
        return true;
    }
    for (TPictureFileType t :
        { TPictureFileType::Bitmap, TPictureFileType::Scene, TPictureFileType::Png,
            TPictureFileType::Jpeg, TPictureFileType::Svg, TPictureFileType::Pdf })
        if (suffix == PictureFileSuffix(t)) {
            type = t;
            return true;
        }
    return false;
}

bool IsVectorType(TPictureFileType type)
{
    return type == TPictureFileType::Svg || type == TPictureFileType::Pdf;
}

void WriteRasterPicture(const QImage& picture, const QString& fileName, TPictureFileType type)
{
    TSafeFile file(fileName);
    if (!file.Open())
        fail(fileName, file.ErrorString());
    QImageWriter writer(&file.Device(), formatOf(type));
    if (type == TPictureFileType::Jpeg)
        writer.setQuality(95);
    if (!writer.write(picture))
        fail(fileName, writer.errorString());
    if (!file.Commit())
        fail(fileName, file.ErrorString());
}

void WriteVectorPicture(QSize size, const std::function<void(QPainter&)>& paint,
    const QString& fileName, TPictureFileType type)
{
    if (size.isEmpty())
        fail(fileName, QCoreApplication::translate("TOutputFile", "resim boş"));
    TSafeFile file(fileName);
    if (!file.Open())
        fail(fileName, file.ErrorString());
    bool painted = false;
    if (type == TPictureFileType::Svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&file.Device());
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(96);
        generator.setTitle(QFileInfo(fileName).completeBaseName());
        QPainter painter;
        if (painter.begin(&generator)) {
            paint(painter);
            painted = painter.end();
        }
    } else {
        QPdfWriter writer(&file.Device());
        writer.setResolution(72);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(size), QPageSize::Point),
            QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QFileInfo(fileName).completeBaseName());
        QPainter painter;
        if (painter.begin(&writer)) {
            paint(painter);
            painted = painter.end();
        }
    }
    if (!painted || !file.Commit())
        fail(fileName, file.ErrorString());
}

void WriteSceneVectorPicture(TDrawFunction& renderer, bool fourView, QSize fourViewSize,
    const QString& fileName, TPictureFileType type)
{
    const QSize size = fourView ? fourViewSize : QSize(renderer.Width(), renderer.Height());
    WriteVectorPicture(
        size,
        [&](QPainter& painter) {
            if (fourView)
                PaintFourViews(renderer, painter, size.width(), size.height());
            else
                renderer.Paint(painter, size.width(), size.height(), true);
        },
        fileName, type);
}

QRect PrintTarget(QSize picture, QSizeF screenDpi, QSizeF printerDpi, const QRect& page)
{
    if (picture.isEmpty() || page.isEmpty() || screenDpi.isEmpty() || printerDpi.isEmpty())
        return QRect(page.topLeft(), QSize(0, 0));
    double w = picture.width() * printerDpi.width() / screenDpi.width();
    double h = picture.height() * printerDpi.height() / screenDpi.height();
    const double fit = std::min({ 1.0, page.width() / w, page.height() / h });
    w *= fit;
    h *= fit;
    const QSize size(std::max(1, int(std::floor(w))), std::max(1, int(std::floor(h))));
    return QRect(page.left() + (page.width() - size.width()) / 2,
        page.top() + (page.height() - size.height()) / 2, size.width(), size.height());
}
