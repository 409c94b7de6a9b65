#pragma once

#include <QWidget>

class QLabel;
class QTableWidget;
class TObjectList;

// The numeric values window's second page: the points of interest of one curve
// (zeros, extrema, breaks, and where it meets the other curves of its plane
// type) and its length and area, each with its error bound. Worked out only
// when the page is shown, since a curve of many samples takes a moment.
class TInterestPage : public QWidget {
    Q_OBJECT

public:
    explicit TInterestPage(QWidget* parent = nullptr);

    // The curve shown: index in curves (not owned, unchanged while shown).
    void SetCurve(const TObjectList* curves, int index);
    // Works the page out now if it is stale.
    void Refresh();
    // Ctrl+C: the selected rows of the table with the focus (all when none is
    // selected) as tab-separated text with a header row, in the user's notation.
    QString RowsText(const QTableWidget* table) const;

    QTableWidget* NoktalarGrid = nullptr;
    QTableWidget* OlculerGrid = nullptr;
    QLabel* MesajLabel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fill();

    const TObjectList* FCurves = nullptr;
    int FIndex = -1;
    bool FStale = true;
};
