#include "HelpWindow.h"

#include "core/session/HelpText.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>

namespace cw {

HelpWindow::HelpWindow()
    : topicList_(new QListWidget),
      browser_(new QTextBrowser)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Coinwick 2 - Help"));

    topicList_->setObjectName(QStringLiteral("HelpTopicList"));
    for (const HelpTopic& topic : helpTopics()) {
        auto* item = new QListWidgetItem(topic.title, topicList_);
        item->setData(Qt::UserRole, topic.anchor);
    }
    connect(topicList_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            goTo(item->data(Qt::UserRole).toString());
    });

    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    // Links are followed here, so that the topic list and the current anchor
    // always name the topic shown.
    browser_->setOpenLinks(false);
    browser_->setHtml(helpDocumentHtml());
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::linkClicked);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(topicList_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({190, 570});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    resize(760, 560);
    goTo(kHelpContentsAnchor);
}

void HelpWindow::showTopic(int contextId) { showAnchor(helpAnchorFor(contextId)); }

void HelpWindow::showAnchor(const QString& anchor)
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    goTo(anchor);
}

void HelpWindow::goTo(const QString& anchor)
{
    const QString target = helpTitleFor(anchor).isEmpty() ? kHelpContentsAnchor : anchor;
    currentAnchor_ = target;
    // A hidden browser remembers the anchor and scrolls to it when shown.
    browser_->scrollToAnchor(target);
    const QSignalBlocker blocker(topicList_);
    for (int row = 0; row < topicList_->count(); ++row) {
        if (topicList_->item(row)->data(Qt::UserRole).toString() == target) {
            topicList_->setCurrentRow(row);
            break;
        }
    }
}

void HelpWindow::linkClicked(const QUrl& url)
{
    // The document links only to its own anchors.
    if (url.scheme().isEmpty() && url.path().isEmpty() && url.hasFragment())
        goTo(url.fragment());
}

} // namespace cw
