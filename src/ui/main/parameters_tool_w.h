#pragma once

#include "curves/parameters.h"

#include <QDockWidget>
#include <QMetaObject>
#include <QPointer>

#include <string>
#include <vector>

class QVBoxLayout;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSlider;
class QToolButton;
class TGrafikMChildFrm;

// The "Parametreler" tool window: the parameters of the active graph window, a
// row each, sorted by name: the value as a number field, a slider over the range
// at the step (live while it moves), the range's two ends and the step as
// fields, and a play button. A committed change (slider released, a field
// confirmed, play stopped) is one undo step of the window.
class TParametersToolW : public QDockWidget {
    Q_OBJECT
public:
    explicit TParametersToolW(QWidget* parent = nullptr);

    // The window whose parameters are shown; null: none.
    void SetGraphWindow(TGrafikMChildFrm* window);
    TGrafikMChildFrm* GraphWindow() const;

    struct TRow {
        std::string Name;
        QWidget* Panel = nullptr; // the row, named "k parametresi"
        QLabel* NameLabel = nullptr;
        QLineEdit* ValueEdit = nullptr;
        QSlider* Slider = nullptr;
        QLineEdit* MinEdit = nullptr;
        QLineEdit* MaxEdit = nullptr;
        QLineEdit* StepEdit = nullptr;
        QToolButton* PlayButton = nullptr;
    };
    int RowCount() const { return static_cast<int>(FRows.size()); }
    const TRow& Row(int index) const { return FRows[static_cast<std::size_t>(index)]; }
    const TRow* RowOf(const std::string& name) const;
    // The one line shown when there is nothing to set.
    QLabel* EmptyLabel = nullptr;

private:
    // Rows anew when the names changed, else the fields brought up to date.
    void Refresh();
    void Rebuild(const std::vector<TParameter>& items);
    void ShowValues(TRow& row, const TParameter& p);
    const TParameter* ParameterOf(const std::string& name) const;
    void SliderMoved(const std::string& name, int position);
    void ValueEdited(const std::string& name);
    void ValueConfirmed(const std::string& name);
    void RangeConfirmed(const std::string& name);
    void Play(const std::string& name, bool on);
    TRow* RowOf(const std::string& name);

    QPointer<TGrafikMChildFrm> FWindow;
    QMetaObject::Connection FWindowConnection;
    QScrollArea* FScroll = nullptr;
    QWidget* FTable = nullptr;
    QVBoxLayout* FRowsLayout = nullptr;
    QWidget* FHeads = nullptr;
    QLabel* FNameHead = nullptr;
    QLabel* FValueHead = nullptr;
    QLabel* FRangeHeads[3] = { nullptr, nullptr, nullptr };
    QLabel* FPlayHead = nullptr;
    std::vector<TRow> FRows;
    // The settings before a slider drag or a typed value began.
    std::vector<TParameter> FBefore;
    // The parameter whose value is being typed: its field keeps the text typed.
    std::string FEditing;
    int FUpdating = 0;
};
