#include "ui/platform/help_viewer.h"

#include "ui/platform/help_book.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString Scheme = QStringLiteral("velmo");
constexpr int PageRole = Qt::UserRole;

QUrl pageUrl(const QString& id)
{
    QUrl url;
    url.setScheme(Scheme);
    url.setPath(id);
    return url;
}

} // namespace

THelpBrowser::THelpBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
    setOpenExternalLinks(false);
    setOpenLinks(true);
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == Scheme) {
        const THelpPage* page = FindHelpPage(name.path());
        if (page == nullptr)
            page = &HelpPages().first();
        return QStringLiteral("<html><body>") + page->Html + QStringLiteral("</body></html>");
    }
    return QTextBrowser::loadResource(type, name);
}

THelpViewer::THelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Velmo Yardım"));
    resize(780, 540);

    FTabs = new QTabWidget;
    FContentsList = new QListWidget;
    FContentsList->setObjectName(QStringLiteral("ContentsList"));
    for (const THelpPage& page : HelpPages()) {
        auto* item = new QListWidgetItem(page.Title, FContentsList);
        item->setData(PageRole, page.Id);
    }
    FTabs->addTab(FContentsList, tr("İçindekiler"));

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* keywordLabel = new QLabel(tr("Aranacak &sözcük:"));
    FKeywordEdit = new QLineEdit;
    FKeywordEdit->setObjectName(QStringLiteral("KeywordEdit"));
    FKeywordEdit->setClearButtonEnabled(true);
    keywordLabel->setBuddy(FKeywordEdit);
    FKeywordList = new QListWidget;
    FKeywordList->setObjectName(QStringLiteral("KeywordList"));
    auto* showButton = new QPushButton(tr("&Göster"));
    indexLayout->addWidget(keywordLabel);
    indexLayout->addWidget(FKeywordEdit);
    indexLayout->addWidget(FKeywordList);
    indexLayout->addWidget(showButton);
    FTabs->addTab(indexPage, tr("Dizin"));

    FBrowser = new THelpBrowser;
    FBrowser->setObjectName(QStringLiteral("HelpBrowser"));
    auto* contentsButton = new QPushButton(tr("İçi&ndekiler"));
    auto* backButton = new QPushButton(tr("&Geri"));
    auto* forwardButton = new QPushButton(tr("İ&leri"));
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton);
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addStretch();
    auto* pageSide = new QWidget;
    auto* pageLayout = new QVBoxLayout(pageSide);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addLayout(buttons);
    pageLayout->addWidget(FBrowser);

    auto* splitter = new QSplitter;
    splitter->addWidget(FTabs);
    splitter->addWidget(pageSide);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ 270, 510 });
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    connect(FContentsList, &QListWidget::itemClicked, this, &THelpViewer::openItem);
    connect(FContentsList, &QListWidget::itemActivated, this, &THelpViewer::openItem);
    connect(FKeywordList, &QListWidget::itemClicked, this, &THelpViewer::openItem);
    connect(FKeywordList, &QListWidget::itemActivated, this, &THelpViewer::openItem);
    connect(FKeywordEdit, &QLineEdit::textChanged, this, &THelpViewer::fillKeywordList);
    const auto openChosenKeyword = [this] {
        QListWidgetItem* item = FKeywordList->currentItem();
        if (item == nullptr && FKeywordList->count() > 0)
            item = FKeywordList->item(0);
        openItem(item);
    };
    connect(FKeywordEdit, &QLineEdit::returnPressed, this, openChosenKeyword);
    connect(showButton, &QPushButton::clicked, this, openChosenKeyword);
    connect(contentsButton, &QPushButton::clicked, this, &THelpViewer::ShowContents);
    connect(backButton, &QPushButton::clicked, FBrowser, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, FBrowser, &QTextBrowser::forward);
    connect(FBrowser, &QTextBrowser::backwardAvailable, backButton, &QWidget::setEnabled);
    connect(FBrowser, &QTextBrowser::forwardAvailable, forwardButton, &QWidget::setEnabled);
    // Keep the contents list on the page shown, however it was reached.
    // The signal brings the new address before source() reports it.
    connect(FBrowser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        const QString id = url.scheme() == Scheme ? url.path() : QString();
        for (int row = 0; row < FContentsList->count(); ++row)
            if (FContentsList->item(row)->data(PageRole).toString() == id) {
                const QSignalBlocker blocker(FContentsList);
                FContentsList->setCurrentRow(row);
            }
    });

    fillKeywordList({});
    ShowPage(HelpPages().first().Id);
}

void THelpViewer::fillKeywordList(const QString& text)
{
    FKeywordList->clear();
    for (const THelpIndexEntry& entry : SearchHelp(text)) {
        const THelpPage* page = FindHelpPage(entry.PageId);
        auto* item = new QListWidgetItem(entry.Keyword, FKeywordList);
        item->setData(PageRole, entry.PageId);
        if (page != nullptr)
            item->setToolTip(page->Title);
    }
    if (FKeywordList->count() > 0)
        FKeywordList->setCurrentRow(0);
}

void THelpViewer::openItem(QListWidgetItem* item)
{
    if (item != nullptr)
        ShowPage(item->data(PageRole).toString());
}

bool THelpViewer::ShowPage(const QString& pageId)
{
    if (FindHelpPage(pageId) == nullptr)
        return false;
    FBrowser->setSource(pageUrl(pageId), QTextDocument::HtmlResource);
    return true;
}

QString THelpViewer::CurrentPage() const
{
    const QUrl source = FBrowser->source();
    return source.scheme() == Scheme ? source.path() : QString();
}

void THelpViewer::bringToFront()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void THelpViewer::ShowContents()
{
    FTabs->setCurrentWidget(FContentsList);
    ShowPage(HelpPages().first().Id);
    bringToFront();
    FContentsList->setFocus();
}

void THelpViewer::ShowKeywordSearch(const QString& keyword)
{
    FTabs->setCurrentIndex(1);
    FKeywordEdit->setText(keyword);
    fillKeywordList(keyword);
    bringToFront();
    FKeywordEdit->setFocus();
    FKeywordEdit->selectAll();
}

void THelpViewer::ShowHelpOnHelp()
{
    ShowPage(QString::fromUtf8(HelpOnHelpPage));
    bringToFront();
}

void THelpViewer::ShowContext(int context)
{
    const THelpPage* page = FindHelpContext(context);
    if (page == nullptr) {
        ShowContents();
        return;
    }
    FTabs->setCurrentWidget(FContentsList);
    ShowPage(page->Id);
    bringToFront();
}

void THelpViewer::Close() { close(); }

namespace {

QPointer<THelpViewer>& theViewer()
{
    static QPointer<THelpViewer> viewer;
    return viewer;
}

} // namespace

THelpViewer& HelpViewer()
{
    if (theViewer().isNull())
        theViewer() = new THelpViewer;
    return *theViewer();
}

void CloseHelpViewer() { delete theViewer().data(); }

namespace {
constexpr const char* helpContextProperty = "velmoHelpContext";
}

void SetHelpContext(QWidget* window, int context)
{
    window->setProperty(helpContextProperty, context);
}

int HelpContextOf(const QWidget* widget, int fallback)
{
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant context = widget->property(helpContextProperty);
        if (context.isValid())
            return context.toInt();
    }
    return fallback;
}
