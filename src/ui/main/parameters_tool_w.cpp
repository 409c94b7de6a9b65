#include "ui/main/parameters_tool_w.h"

#include "base/number_text.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/platform/error_report.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
QString numberText(long double value) { return QString::fromStdString(FloatToText(value)); }

// Reads a number field with the user's separator; an unreadable text turns the
// field red and reads nothing.
bool readNumber(QLineEdit* edit, long double& value)
{
    const bool readable = TryTextToFloat(edit->text().trimmed().toStdString(), value)
        && std::isfinite(value);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text,
        readable ? QApplication::palette(edit).color(QPalette::Text) : QColor(Qt::red));
    edit->setPalette(palette);
    return readable;
}

void markField(QLineEdit* edit, bool bad)
{
    QPalette palette = edit->palette();
    palette.setColor(
        QPalette::Text, bad ? QColor(Qt::red) : QApplication::palette(edit).color(QPalette::Text));
    edit->setPalette(palette);
}

QLineEdit* numberField(QWidget* parent, const QString& accessibleName, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(accessibleName);
    edit->setFixedWidth(width);
    return edit;
}
}

TParametersToolW::TParametersToolW(QWidget* parent)
    : QDockWidget(tr("Parametreler"), parent)
{
    setObjectName(QStringLiteral("ParametersToolW"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    EmptyLabel = new QLabel(body);
    layout->addWidget(EmptyLabel);
    auto* scroll = new QScrollArea(body);
    FScroll = scroll;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FTable = new QWidget(scroll);
    FRowsLayout = new QVBoxLayout(FTable);
    FRowsLayout->setContentsMargins(0, 0, 0, 0);
    FRowsLayout->setSpacing(2);
    FRowsLayout->addStretch(1);
    scroll->setWidget(FTable);
    layout->addWidget(scroll, 1);
    setWidget(body);
    Refresh();
}

void TParametersToolW::SetGraphWindow(TGrafikMChildFrm* window)
{
    if (FWindow == window)
        return;
    disconnect(FWindowConnection);
    FWindow = window;
    FEditing.clear();
    if (window != nullptr)
        FWindowConnection = connect(window, &TGrafikMChildFrm::ParametersChanged, this,
            [this] { Guarded([this] { Refresh(); }); });
    Refresh();
}

TGrafikMChildFrm* TParametersToolW::GraphWindow() const { return FWindow; }

const TParameter* TParametersToolW::ParameterOf(const std::string& name) const
{
    return FWindow ? FWindow->Parameters().Find(name) : nullptr;
}

TParametersToolW::TRow* TParametersToolW::RowOf(const std::string& name)
{
    for (TRow& row : FRows)
        if (row.Name == name)
            return &row;
    return nullptr;
}

const TParametersToolW::TRow* TParametersToolW::RowOf(const std::string& name) const
{
    return const_cast<TParametersToolW*>(this)->RowOf(name);
}

void TParametersToolW::Refresh()
{
    static const std::vector<TParameter> none;
    const std::vector<TParameter>& items = FWindow ? FWindow->Parameters().Items() : none;
    if (FWindow == nullptr)
        EmptyLabel->setText(tr("Parametre göstermek için bir grafik penceresi açın."));
    else if (items.empty())
        EmptyLabel->setText(tr("Bu penceredeki eğrilerde parametre yok."));
    EmptyLabel->setVisible(items.empty());
    FTable->setVisible(!items.empty());

    bool same = items.size() == FRows.size();
    for (std::size_t i = 0; same && i < items.size(); ++i)
        same = items[i].Name == FRows[i].Name;
    if (!same) {
        Rebuild(items);
        // The rows scroll up and down only: the window is as wide as they are.
        FScroll->setMinimumWidth(items.empty()
                ? 0
                : FTable->sizeHint().width() + FScroll->verticalScrollBar()->sizeHint().width());
    }
    ++FUpdating;
    for (std::size_t i = 0; i < items.size(); ++i)
        ShowValues(FRows[i], items[i]);
    --FUpdating;
}

void TParametersToolW::Rebuild(const std::vector<TParameter>& items)
{
    // The old rows are out of the list before their widgets go, so that a field
    // that reports its last edit while it is deleted finds no row.
    std::vector<TRow> old;
    old.swap(FRows);
    for (TRow& row : old)
        delete row.Panel;
    FEditing.clear();
    // Every row is a panel of its own (named for the parameter); the fields have
    // fixed widths, so that they stand in columns under the heads.
    const QFontMetrics metrics = fontMetrics();
    int nameWidth = metrics.horizontalAdvance("k");
    for (const TParameter& p : items)
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(QString::fromStdString(p.Name)));
    const int valueWidth = metrics.horizontalAdvance("-0,0000000") + 12;
    int rangeWidth = metrics.horizontalAdvance("-00,00") + 12;
    for (const QString& head : { tr("En küçük"), tr("En büyük"), tr("Adım") })
        rangeWidth = std::max(rangeWidth, metrics.horizontalAdvance(head) + 4);
    if (FHeads == nullptr) {
        FHeads = new QWidget(FTable);
        auto* heads = new QHBoxLayout(FHeads);
        heads->setContentsMargins(0, 0, 0, 0);
        const auto head = [&](const QString& text, int width) {
            auto* label = new QLabel(text, FHeads);
            if (width > 0)
                label->setFixedWidth(width);
            heads->addWidget(label, width > 0 ? 0 : 1);
            return label;
        };
        FNameHead = head("", nameWidth);
        FValueHead = head(tr("Değer"), valueWidth);
        head("", 0);
        FRangeHeads[0] = head(tr("En küçük"), rangeWidth);
        FRangeHeads[1] = head(tr("En büyük"), rangeWidth);
        FRangeHeads[2] = head(tr("Adım"), rangeWidth);
        FPlayHead = head("", 0);
        FRowsLayout->insertWidget(0, FHeads);
    }
    FNameHead->setFixedWidth(nameWidth);
    for (const TParameter& p : items) {
        TRow row;
        row.Name = p.Name;
        const QString name = QString::fromStdString(p.Name);
        row.Panel = new QWidget(FTable);
        row.Panel->setAccessibleName(tr("%1 parametresi").arg(name));
        auto* line = new QHBoxLayout(row.Panel);
        line->setContentsMargins(0, 0, 0, 0);
        row.NameLabel = new QLabel(name, row.Panel);
        row.NameLabel->setFixedWidth(nameWidth);
        row.ValueEdit = numberField(row.Panel, tr("%1 değeri").arg(name), valueWidth);
        row.Slider = new QSlider(Qt::Horizontal, row.Panel);
        row.Slider->setAccessibleName(tr("%1 parametresi").arg(name));
        row.Slider->setSingleStep(1);
        row.Slider->setPageStep(10);
        row.Slider->setMinimumWidth(100);
        row.Slider->setFocusPolicy(Qt::StrongFocus);
        row.MinEdit = numberField(row.Panel, tr("%1 en küçük değeri").arg(name), rangeWidth);
        row.MaxEdit = numberField(row.Panel, tr("%1 en büyük değeri").arg(name), rangeWidth);
        row.StepEdit = numberField(row.Panel, tr("%1 adımı").arg(name), rangeWidth);
        row.PlayButton = new QToolButton(row.Panel);
        row.PlayButton->setCheckable(true);
        row.PlayButton->setAccessibleName(tr("%1 oynat").arg(name));
        row.NameLabel->setBuddy(row.Slider);
        line->addWidget(row.NameLabel);
        line->addWidget(row.ValueEdit);
        line->addWidget(row.Slider, 1);
        line->addWidget(row.MinEdit);
        line->addWidget(row.MaxEdit);
        line->addWidget(row.StepEdit);
        line->addWidget(row.PlayButton);
        FRowsLayout->insertWidget(FRowsLayout->count() - 1, row.Panel);
        FPlayHead->setFixedWidth(row.PlayButton->sizeHint().width());

        const std::string key = p.Name;
        connect(row.Slider, &QSlider::valueChanged, this,
            [this, key](int position) { Guarded([&] { SliderMoved(key, position); }); });
        connect(row.Slider, &QSlider::sliderPressed, this, [this] {
            if (FWindow)
                FBefore = FWindow->Parameters().Items();
        });
        connect(row.Slider, &QSlider::sliderReleased, this, [this] {
            Guarded([this] {
                if (FWindow)
                    FWindow->CommitParameters(FBefore, FWindow->Parameters().Items());
            });
        });
        connect(row.ValueEdit, &QLineEdit::textEdited, this,
            [this, key] { Guarded([&] { ValueEdited(key); }); });
        connect(row.ValueEdit, &QLineEdit::editingFinished, this,
            [this, key] { Guarded([&] { ValueConfirmed(key); }); });
        for (QLineEdit* edit : { row.MinEdit, row.MaxEdit, row.StepEdit }) {
            connect(edit, &QLineEdit::editingFinished, this,
                [this, key] { Guarded([&] { RangeConfirmed(key); }); });
            connect(edit, &QLineEdit::textEdited, this, [edit] {
                long double ignored = 0;
                readNumber(edit, ignored);
            });
        }
        connect(row.PlayButton, &QToolButton::toggled, this,
            [this, key](bool on) { Guarded([&] { Play(key, on); }); });
        FRows.push_back(row);
    }
    // Tab goes along each row, then to the next.
    QWidget* previous = nullptr;
    for (const TRow& row : FRows)
        for (QWidget* w : std::initializer_list<QWidget*> { row.ValueEdit, row.Slider, row.MinEdit,
                 row.MaxEdit, row.StepEdit, row.PlayButton }) {
            if (previous != nullptr)
                setTabOrder(previous, w);
            previous = w;
        }
}

void TParametersToolW::ShowValues(TRow& row, const TParameter& p)
{
    const TParameterScale scale(p);
    {
        const QSignalBlocker block(row.Slider);
        row.Slider->setRange(0, scale.Steps());
        row.Slider->setValue(scale.PositionOf(p.Value));
    }
    // A field the user is typing in keeps the text typed.
    const auto show = [](QLineEdit* edit, long double value) {
        if (!edit->hasFocus() || !edit->isModified()) {
            edit->setText(numberText(value));
            edit->setModified(false);
            markField(edit, false);
        }
    };
    if (FEditing != row.Name)
        show(row.ValueEdit, p.Value);
    show(row.MinEdit, p.Min);
    show(row.MaxEdit, p.Max);
    show(row.StepEdit, p.Step);
    const QSignalBlocker block(row.PlayButton);
    const bool playing = FWindow && FWindow->PlayingParameter() == p.Name;
    row.PlayButton->setChecked(playing);
    row.PlayButton->setText(QString::fromUtf8(playing ? "■" : "▶"));
    row.PlayButton->setToolTip(playing ? tr("Durdur") : tr("Oynat"));
}

void TParametersToolW::SliderMoved(const std::string& name, int position)
{
    const TParameter* p = ParameterOf(name);
    if (FUpdating > 0 || p == nullptr)
        return;
    const long double value = TParameterScale(*p).ValueAt(position);
    // The keyboard and a click beside the handle move it at once: each such move
    // is a change of its own; a drag is one change when it is released.
    const bool dragging = RowOf(name)->Slider->isSliderDown();
    const std::vector<TParameter> before = FWindow->Parameters().Items();
    FWindow->SetParameterValue(name, value);
    if (!dragging && FWindow)
        FWindow->CommitParameters(before, FWindow->Parameters().Items());
}

void TParametersToolW::ValueEdited(const std::string& name)
{
    TRow* row = RowOf(name);
    long double value = 0;
    if (row == nullptr || !readNumber(row->ValueEdit, value) || ParameterOf(name) == nullptr)
        return;
    if (FEditing != name) {
        FBefore = FWindow->Parameters().Items();
        FEditing = name;
    }
    FWindow->SetParameterValue(name, value);
}

void TParametersToolW::ValueConfirmed(const std::string& name)
{
    TRow* row = RowOf(name);
    long double value = 0;
    if (row == nullptr || !FWindow || !readNumber(row->ValueEdit, value))
        return;
    if (FEditing != name)
        FBefore = FWindow->Parameters().Items();
    FEditing.clear();
    FWindow->SetParameterValue(name, value);
    FWindow->CommitParameters(FBefore, FWindow->Parameters().Items());
    // Taken: the field follows the value again (an undo) though it keeps the focus.
    if (TRow* shown = RowOf(name))
        shown->ValueEdit->setModified(false);
    // Stopped: the field shows the value kept.
    if (const TParameter* p = ParameterOf(name); p && !(p->Value == value))
        Refresh();
}

void TParametersToolW::RangeConfirmed(const std::string& name)
{
    TRow* row = RowOf(name);
    const TParameter* own = ParameterOf(name);
    if (row == nullptr || own == nullptr)
        return;
    TParameter p = *own;
    bool readable = readNumber(row->MinEdit, p.Min);
    readable = readNumber(row->MaxEdit, p.Max) && readable;
    readable = readNumber(row->StepEdit, p.Step) && readable;
    if (!readable)
        return;
    // A range needs two ends in order and a step above zero.
    const bool rangeBad = !(p.Min < p.Max);
    markField(row->MinEdit, rangeBad);
    markField(row->MaxEdit, rangeBad);
    markField(row->StepEdit, !(p.Step > 0));
    if (rangeBad || !(p.Step > 0))
        return;
    // Taken (or as it was): the fields follow the settings again though one keeps the focus.
    for (QLineEdit* edit : { row->MinEdit, row->MaxEdit, row->StepEdit })
        edit->setModified(false);
    if (p == *own)
        return;
    std::vector<TParameter> after = FWindow->Parameters().Items();
    for (TParameter& item : after)
        if (item.Name == name)
            item = p;
    FWindow->CommitParameters(FWindow->Parameters().Items(), after);
}

void TParametersToolW::Play(const std::string& name, bool on)
{
    if (!FWindow)
        return;
    if (on)
        FWindow->PlayParameter(name);
    else if (FWindow->PlayingParameter() == name)
        FWindow->StopPlaying();
}
