#pragma once

#include "base/number_text.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/graph/graph_host.h"
#include "ui/main/curved_line_explorer.h"
#include "ui/main/explorer_controls.h"
#include "ui/platform/color_combo.h"
#include "ui/platform/error_report.h"
#include "ui/platform/prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// The curve explorer's test support, apart from the other tests of this executable.
namespace explorer_test {

// A main window as far as a graph window and the curve explorer see it: the
// explorer is visible, activation refills it, and the curve buttons reach it.
class TExplorerTestHost : public TGraphHost {
public:
    TCurvedLineExplorer* Explorer = nullptr;
    QString Status;
    TCurveButtons Buttons;
    int Fills = 0;

    void SetPlaneChecks(bool, bool, bool) override { }
    void SetPerspectiveCheck(bool) override { }
    void SetZoomText(const QString&) override { }
    void SetAnimationDown(bool) override { }
    void SetFourViewDown(bool) override { }
    void SetMouseModeDown(int) override { }
    void FillExplorer(TGrafikMChildFrm&) override
    {
        ++Fills;
        if (Explorer != nullptr)
            Explorer->FillExplorer();
    }
    void SetCurveStatus(const QString& text) override { Status = text; }
    bool ExplorerVisible() const override { return true; }
    void ShowExplorer() override { }
    void SetCurveButtons(const TCurveButtons& buttons) override
    {
        Buttons = buttons;
        if (Explorer != nullptr)
            Explorer->SetCurveButtons(buttons);
    }
    void ReleaseWindowNumber(int) override { }
};

struct TExplorerFixture {
    QTemporaryDir dir;
    TExplorerTestHost host;
    TCurvedLineExplorer panel;
    std::vector<std::unique_ptr<TGrafikMChildFrm>> windows;
    TGrafikMChildFrm* active = nullptr;
    QStringList errors;
    TScopedErrorSink sink { [this](const QString& m) { errors << m; } };
    // The questions before a delete, answered with Answer.
    QStringList asked;
    bool Answer = true;
    TScopedPrompts prompts { { [this](QWidget*, const QString& text) {
                                  asked << text;
                                  return Answer;
                              },
        {} } };
    char separator = DecimalSeparator();

    TExplorerFixture()
    {
        SetDecimalSeparator(',');
        host.Explorer = &panel;
        panel.SetActiveGraphWindow([this] { return active; });
        OpenWindow();
    }
    ~TExplorerFixture() { SetDecimalSeparator(separator); }

    // A new graph window becomes active, as the main window's activation does it.
    TGrafikMChildFrm& OpenWindow()
    {
        windows.push_back(std::make_unique<TGrafikMChildFrm>(host, dir.filePath("Norvadeks.ini")));
        Activate(*windows.back());
        return *windows.back();
    }
    void Activate(TGrafikMChildFrm& window)
    {
        active = &window;
        window.FormActivate();
    }
    TGrafikMChildFrm& w() { return *active; }

    // What the user does: pick from a list, type into a field.
    void Pick(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Key by key over the selected old text, as a user retypes a field.
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        if (text.isEmpty())
            edit->del();
        for (QChar c : text)
            edit->insert(QString(c));
    }
    // Enters and applies a new curve with the panel.
    void Enter(int type, const QString& fx, const QString& fy, const QString& fz, TColor color,
        int style = 0, int visibility = 0, const QString& step = "0,1", int thickness = 2)
    {
        if (Curves() > 0)
            panel.YeniEgriButtonClick();
        Pick(panel.FTypeComboBox, type);
        for (auto [edit, text] : { std::pair { panel.fxEdit, fx }, std::pair { panel.fyEdit, fy },
                 std::pair { panel.fzEdit, fz } })
            if (edit->isEnabled())
                Type(edit, text);
        panel.ColorCombo->SetColor(color);
        Pick(panel.CizimSekliCombo, style);
        Pick(panel.GorunurlukCombo, visibility);
        Type(panel.NoktaAraligiEdit, step);
        panel.CizgiKEdit->setValue(thickness);
        panel.UygulaButtonClick();
    }
    int Curves() { return w().DrawFunction().Objects().Count(); }
};

inline int CountPixels(const QImage& image, TColor color)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == ColorToRgb32(color);
    return n;
}

inline void SendMouse(
    QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(
        type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

constexpr TColor Lime = 0x00FF00;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Maroon = 0x000080;

} // namespace explorer_test
