// The main window's view and zoom commands, the enabling of the graph commands,
// the zoom box and the graph windows' side of the host.

#include "base/number_text.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/main/curved_line_explorer.h"
#include "ui/main/main_form.h"
#include "ui/main/mdi_client.h"
#include "ui/platform/combo_box.h"
#include "ui/platform/error_report.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include <climits>

namespace {
// The zoom box's number: a decimal integer from the start of the text (after
// blanks), and where the text goes on after its digits (-1 when it ends there).
// A number too long for an integer reads as no number.
struct TZoomText {
    long long Value = 0;
    bool Digits = false;
    int After = -1;
};

TZoomText readZoomText(const QString& text)
{
    TZoomText result;
    int i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const int start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const int digitsStart = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    result.Digits = i > digitsStart;
    result.After = i < text.size() ? i : -1;
    if (!result.Digits)
        return result;
    long long value = 0;
    if (!TryTextToInt(text.mid(start, i - start).toStdString(), value) || value > INT_MAX
        || value < INT_MIN) {
        result.Digits = false;
        return result;
    }
    result.Value = value;
    return result;
}
}

void TMainForm::UpdateMenuItems()
{
    const bool graph = ActiveGraphWindow() != nullptr;
    if (Kaydet->isEnabled() == graph && property("menusSet").toBool())
        return;
    setProperty("menusSet", true);
    for (QAction* action : FGraphCommands)
        action->setEnabled(graph);
    BuyuklukComboBox->setEnabled(graph);
    CurvedLineExplorerToolW->SetGraphControlsEnabled(graph);
}

void TMainForm::UpdateUndoItems()
{
    const TGrafikMChildFrm* graph = ActiveGraphWindow();
    GeriAl->setEnabled(graph != nullptr && graph->UndoStack()->canUndo());
    Yinele->setEnabled(graph != nullptr && graph->UndoStack()->canRedo());
}

// ---- Commands ----------------------------------------------------------------------

void TMainForm::PlaneClick(int plane, bool visible)
{
    OnGraph([&](auto& g) { g.SetPlaneVisible(plane, visible); });
}

void TMainForm::CizimSekliClick(int style)
{
    OnGraph([style](auto& g) { g.SetAllCurvesStyle(style); });
    (style == 0 ? CizgiCizimSekli : NoktaCizimSekli)->setChecked(true);
    CurvedLineExplorerToolW->ShowDrawingStyle(style);
}

void TMainForm::EneUydurClick()
{
    OnGraph([this](auto& g) { g.FitToWidth(FClient->width() - 4); });
}

void TMainForm::BoyaUydurClick()
{
    // The status line's height counts even while it is hidden.
    const int status = statusBar()->isHidden() ? statusBar()->sizeHint().height() : 0;
    OnGraph([&](auto& g) { g.FitToHeight(FClient->height() - status - 4); });
}

void TMainForm::BYuzdeClick(int percent)
{
    OnGraph([percent](auto& g) { g.SetZoomPercent(percent); });
    SetZoomText(QString::number(percent) + "%");
}

void TMainForm::BuyuklukComboBoxChange()
{
    const QString text = BuyuklukComboBox->currentText();
    const TZoomText zoom = readZoomText(text);
    if (zoom.Digits && zoom.Value > 0 && zoom.After >= 0 && text[zoom.After] == '%')
        OnGraph([&](auto& g) { g.SetZoomPercent(static_cast<int>(zoom.Value)); });
}

void TMainForm::BuyuklukComboBoxKeyDown(int key)
{
    const TZoomText zoom = readZoomText(BuyuklukComboBox->currentText());
    const long long value = zoom.Digits ? zoom.Value : 0;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (value > 0) {
            BuyuklukComboBox->setEditText(QString::number(value) + "%");
            BuyuklukComboBoxChange();
        }
        return;
    }
    BuyuklukComboBox->setEditText(QString::number(value));
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == BuyuklukComboBox->lineEdit() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        Guarded([&] { BuyuklukComboBoxKeyDown(key->key()); });
        // Enter is handled in full here; other keys then edit the new text.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return true;
    }
    if (watched == BuyuklukComboBox->lineEdit() && event->type() == QEvent::MouseButtonDblClick)
        Guarded([this] { OnGraph([](auto& g) { g.ShowZoomDialog(); }); });
    return QMainWindow::eventFilter(watched, event);
}

// ---- The graph windows' host -------------------------------------------------------------

void TMainForm::SetPlaneChecks(bool xy, bool xz, bool yz)
{
    XYDuzlemi->setChecked(xy);
    XZDuzlemi->setChecked(xz);
    YZDuzlemi->setChecked(yz);
    XYDuzlemiButton->setChecked(xy);
    XZDuzlemiButton->setChecked(xz);
    YZDuzlemiButton->setChecked(yz);
}

void TMainForm::SetPerspectiveCheck(bool on)
{
    APerspektif->setChecked(on);
    PerspektifButton->setChecked(on);
}

void TMainForm::SetZoomText(const QString& text)
{
    const QSignalBlocker block(BuyuklukComboBox);
    BuyuklukComboBox->setEditText(text);
}

void TMainForm::SetAnimationDown(bool down) { AnimationButton->setChecked(down); }

void TMainForm::SetFourViewDown(bool down) { DortGorBtn->setChecked(down); }

void TMainForm::SetMouseModeDown(int mode)
{
    SurukleButton->setChecked(mode == 1);
    DondurButton->setChecked(mode == 0);
}

void TMainForm::FillExplorer(TGrafikMChildFrm&) { CurvedLineExplorerToolW->FillExplorer(); }

bool TMainForm::ExplorerVisible() const { return !CurvedLineExplorerToolW->isHidden(); }

void TMainForm::ShowExplorer() { CurvedLineExplorerToolW->show(); }

void TMainForm::SetCurveButtons(const TCurveButtons& buttons)
{
    CurvedLineExplorerToolW->SetCurveButtons(buttons);
}
