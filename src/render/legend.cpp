#include "render/legend.h"

#include "curves/curve_types.h"
#include "curves/object_list.h"
#include "engine/fonksiyon.h"
#include "render/canvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>

namespace {
constexpr int Margin = 4;
constexpr int SampleLength = 24;
constexpr int Gap = 6;
}

QString LegendText(const TCurveRecord& curve)
{
    QStringList parts;
    // Each formula under the name the curve explorer's label gives it for the type
    // ("fy(x)", "R(a)").
    const auto add = [&](int formula, const char* name, const TFonksiyon* f, bool used) {
        if (!used || f == nullptr)
            return;
        QString label = name;
        if (curve.CurveType < CurveTypes.size()) {
            label = QString::fromUtf8(
                CurveTypes[curve.CurveType].Formulas[static_cast<std::size_t>(formula)].Caption)
                        .trimmed();
            if (label.endsWith(':'))
                label.chop(1);
        }
        parts << QString("%1 = %2").arg(label, QString::fromStdString(f->GetText()));
    };
    add(0, "fx", curve.Fx, UsesFx(curve.CurveType));
    add(1, "fy", curve.Fy, UsesFy(curve.CurveType));
    add(2, "fz", curve.Fz, UsesFz(curve.CurveType));
    return parts.join(", ");
}

QRect LegendBox(const TObjectList& curves, int height)
{
    const QFontMetrics metrics(QGuiApplication::font());
    const int lineHeight = std::max(metrics.height(), 8) + 2;
    QRect box;
    int top = Margin;
    for (int i = 0; i < curves.Count() && top < height; ++i) {
        const TCurveRecord curve = curves.Items(i);
        if (!curve.Visible)
            continue;
        box |= QRect(Margin, top, SampleLength + Gap + metrics.horizontalAdvance(LegendText(curve)),
            lineHeight);
        top += lineHeight;
    }
    return box;
}

void DrawLegend(const TObjectList& curves, TCanvas& canvas, TColor textColor)
{
    const QFontMetrics metrics(QGuiApplication::font());
    const int lineHeight = std::max(metrics.height(), 8) + 2;
    int top = Margin;
    for (int i = 0; i < curves.Count() && top < canvas.Height(); ++i) {
        const TCurveRecord curve = curves.Items(i);
        if (!curve.Visible)
            continue;
        const int middle = top + lineHeight / 2;
        if (curve.Style == csPoints) {
            // Squares centred at (x, -y) of a scene whose origin is the picture's corner.
            const TScreenPoint samples[3] = { { Margin + 3, -middle }, { Margin + 12, -middle },
                { Margin + 21, -middle } };
            canvas.Squares(samples, 3, 0, 0, curve.Color);
        } else {
            canvas.Line(Margin, middle, Margin + SampleLength, middle, curve.Color,
                std::clamp(curve.Thickness, 1, lineHeight - 2));
        }
        canvas.Text(Margin + SampleLength + Gap, top + (lineHeight - metrics.height()) / 2,
            LegendText(curve), textColor);
        top += lineHeight;
    }
}
