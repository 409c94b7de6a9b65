#pragma once

#include <QTextBrowser>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;

// The topics that the windows open with F1 or their help button.
enum THelpContext : int {
    hcMainWindow = 1,
    hcCurveExplorer = 4,
    hcNumericValues = 5,
    hcOperatorPalette = 6,
    hcCalculator = 7,
    hcViewDialog = 8,
    hcZoomDialog = 9,
    hcProperties = 10,
    hcCurveLibrary = 11,
    hcWallpaper = 12,
};

// Shows the help pages: "velmo:<page>" addresses load from the help book, so
// links between pages and the back and forward history work as in any browser.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit THelpBrowser(QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;
};

// The program's help window: a contents list, a keyword index with a search
// field and the page itself. Not modal; one window serves every request.
class THelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit THelpViewer(QWidget* parent = nullptr);

    // Each shows the window and brings it to the front.
    void ShowContents();
    // The index with the keyword in the search field (empty: the whole index).
    void ShowKeywordSearch(const QString& keyword = {});
    void ShowHelpOnHelp();
    // The page of a help context; a number without a page shows the contents.
    void ShowContext(int context);
    // Shows a page by its name; false when there is none.
    bool ShowPage(const QString& pageId);
    void Close();

    // The name of the page shown.
    QString CurrentPage() const;

    QTabWidget* Tabs() const { return FTabs; }
    QListWidget* ContentsList() const { return FContentsList; }
    QLineEdit* KeywordEdit() const { return FKeywordEdit; }
    QListWidget* KeywordList() const { return FKeywordList; }
    THelpBrowser* Browser() const { return FBrowser; }

private:
    void fillKeywordList(const QString& text);
    void openItem(QListWidgetItem* item);
    void bringToFront();

    QTabWidget* FTabs = nullptr;
    QListWidget* FContentsList = nullptr;
    QLineEdit* FKeywordEdit = nullptr;
    QListWidget* FKeywordList = nullptr;
    THelpBrowser* FBrowser = nullptr;
};

// The program's one help window, created on first use without a parent.
THelpViewer& HelpViewer();
// Closes and frees that window if it exists (when the main window goes).
void CloseHelpViewer();

// The help context of a window and everything inside it, for F1 pressed there.
void SetHelpContext(QWidget* window, int context);
// The context set on widget or the nearest of its parents, else fallback.
int HelpContextOf(const QWidget* widget, int fallback);
