#include "ui/main/toolbar_icons.h"

#include <QAction>
#include <QIconEngine>
#include <QPainter>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr TToolbarIconFile Files[] = {
    { "YeniPencereButton", ":/toolbar/new_window.svg" },
    { "KaydetButton", ":/toolbar/save.svg" },
    { "YazdirButton", ":/toolbar/print.svg" },
    { "OnIzlemeButton", ":/toolbar/print_preview.svg" },
    { "KopyalaButton", ":/toolbar/copy.svg" },
    { "GorontuToolBtn", ":/toolbar/view_toolbar.svg" },
    { "YerlestirButton", ":/toolbar/arrange_icons.svg" },
    { "BasamaklaButton", ":/toolbar/cascade.svg" },
    { "YatayDoseButton", ":/toolbar/tile_horizontal.svg" },
    { "DikeyDoseButton", ":/toolbar/tile_vertical.svg" },
    { "PropertiesButton", ":/toolbar/properties.svg" },
    { "BulButton", ":/toolbar/find_in_index.svg" },
    { "HelpButton", ":/toolbar/help.svg" },
    { "XYDuzlemiButton", ":/toolbar/plane_xy.svg" },
    { "XZDuzlemiButton", ":/toolbar/plane_xz.svg" },
    { "YZDuzlemiButton", ":/toolbar/plane_yz.svg" },
    { "CizgiCizimButton", ":/toolbar/line_drawing.svg" },
    { "NoktaCizimButton", ":/toolbar/point_drawing.svg" },
    { "PerspektifButton", ":/toolbar/perspektif.svg" },
    { "AnimationButton", ":/toolbar/animation.svg" },
    { "IzSurButton", ":/toolbar/trace.svg" },
    { "OnemliNoktalarButton", ":/toolbar/interest_points.svg" },
    { "OndenGorBtn", ":/toolbar/view_front.svg" },
    { "UsttenGorBtn", ":/toolbar/view_top.svg" },
    { "YandanGorBtn", ":/toolbar/view_side.svg" },
    { "PerspektifGorBtn", ":/toolbar/view_perspektif.svg" },
    { "SurukleButton", ":/toolbar/drag.svg" },
    { "DondurButton", ":/toolbar/rotate.svg" },
    { "ZoomInButton", ":/toolbar/zoom_in.svg" },
    { "ZoomOutButton", ":/toolbar/zoom_out.svg" },
    { "EgrilereUydurButton", ":/toolbar/fit_curves.svg" },
    { "BuyuklukButton", ":/toolbar/zoom_dialog.svg" },
};

// Draws the SVG picture through Qt's own engine for the normal, active and
// selected forms; the disabled form is the same picture in grey at a third of
// its strength, whatever the style would make of it.
class TToolbarIconEngine : public QIconEngine {
public:
    explicit TToolbarIconEngine(const QString& file)
        : FFile(file)
        , FPicture(file)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio
            = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1);
    }

    // size is in device pixels already.
    QPixmap scaledPixmap(
        const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap p = FPicture.pixmap(size, QIcon::Normal, state);
        if (mode == QIcon::Disabled) {
            QImage image = p.toImage().convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < image.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x) {
                    const int grey = 96 + qGray(line[x]) / 2;
                    line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 3);
                }
            }
            p = QPixmap::fromImage(image);
        }
        p.setDevicePixelRatio(scale);
        return p;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new TToolbarIconEngine(FFile); }
    QString key() const override { return QStringLiteral("VelmoToolbar"); }
    bool isNull() override { return FPicture.isNull(); }

private:
    QString FFile;
    QIcon FPicture;
};

} // namespace

std::span<const TToolbarIconFile> ToolbarIconFiles() { return Files; }

QIcon ToolbarIcon(const QString& button)
{
    const auto found = std::find_if(std::begin(Files), std::end(Files),
        [&](const TToolbarIconFile& f) { return button == QLatin1String(f.Button); });
    if (found == std::end(Files))
        return {};
    return QIcon(new TToolbarIconEngine(QString::fromLatin1(found->File)));
}

void ApplyToolbarIcons(QToolBar& bar)
{
    for (QAction* action : bar.actions()) {
        const QIcon icon = ToolbarIcon(action->objectName());
        if (!icon.isNull())
            action->setIcon(icon);
    }
}
