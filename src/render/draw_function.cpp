#include "render/draw_function.h"

#include "render/canvas.h"
#include "render/legend.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

TDrawFunction::TDrawFunction()
{
    // Curves and planes that turn visible or are generated between two renders are
    // projected with the camera's matrix at once.
    FScene.Objects().SetMatrix(&FCamera.Matrix());
    FScene.Planes().SetMatrix(FCamera.Matrix());
}

void TDrawFunction::SetSize(int width, int height)
{
    if (width == FImage.width() && height == FImage.height())
        return;
    FImage = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    FImage.fill(ColorToQColor(FScene.BrushColor()));
}

void TDrawFunction::Render(bool recompute)
{
    if (recompute)
        FCamera.BuildMatrix();
    if (FImage.isNull()) {
        if (recompute)
            FScene.Project(FCamera);
        return;
    }
    TRasterCanvas canvas(FImage, FSmoothLines, &FDepth);
    if (recompute)
        FScene.ProjectAndDraw(FCamera, canvas, &FLAxisPoints, labelBoxes(Height()));
    else
        FScene.Draw(FCamera, canvas, &FLAxisPoints, labelBoxes(Height()));
    if (FLegend)
        DrawLegend(FScene.Objects(), canvas, FScene.LAxisesColor());
}

void TDrawFunction::Paint(QPainter& painter, int width, int height) const
{
    Paint(painter, width, height, FSmoothLines);
}

void TDrawFunction::Paint(QPainter& painter, int width, int height, bool smooth) const
{
    TPainterCanvas canvas(painter, width, height, smooth);
    FScene.Draw(FCamera, canvas, nullptr, labelBoxes(height));
    if (FLegend)
        DrawLegend(FScene.Objects(), canvas, FScene.LAxisesColor());
}

std::vector<QRect> TDrawFunction::labelBoxes(int height) const
{
    std::vector<QRect> boxes;
    if (!FScene.AxisNumbers())
        return boxes;
    if (FLegend)
        boxes.push_back(LegendBox(FScene.Objects(), height));
    if (!FLabelBox.isEmpty())
        boxes.push_back(FLabelBox);
    return boxes;
}

void TDrawFunction::Paint(QPaintDevice& device) const
{
    QPainter painter(&device);
    Paint(painter, device.width(), device.height());
}
