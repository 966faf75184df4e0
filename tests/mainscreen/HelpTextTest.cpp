// The help document and the help window: every help context number lands on
// a topic that the document really holds, links lead somewhere, and the
// window shows and follows the topic asked for.

#include "core/session/HelpText.h"
#include "gui/kit/HelpWindow.h"

#include <QApplication>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

using namespace cw;

namespace {

const QList<int> kAreaContexts = {15, 20, 30, 80, 210, 220, 230, 240, 250, 260, 270};

QStringList documentAnchors(const QString& html)
{
    QStringList anchors;
    static const QRegularExpression name(QStringLiteral("<a name=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& m : name.globalMatch(html))
        anchors << m.captured(1);
    return anchors;
}

QApplication* application()
{
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return app;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "help_tests";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);   // lives for the whole test process
}

} // namespace

TEST(HelpText, EveryContextNumberOpensItsOwnTopicInTheDocument)
{
    const QStringList anchors = documentAnchors(helpDocumentHtml());
    EXPECT_EQ(helpAnchorFor(HelpContext::Contents), kHelpContentsAnchor);
    QSet<QString> seen;
    for (int id : kAreaContexts) {
        const QString anchor = helpAnchorFor(id);
        EXPECT_NE(anchor, kHelpContentsAnchor) << id;
        EXPECT_EQ(anchors.count(anchor), 1) << id << " " << anchor.toStdString();
        seen.insert(anchor);
    }
    EXPECT_EQ(seen.size(), kAreaContexts.size()) << "two areas share one topic";

    // Unknown numbers open the contents.
    for (int id : {-1, 1, 14, 16, 100, 200, 255, 280, 99999})
        EXPECT_EQ(helpAnchorFor(id), kHelpContentsAnchor) << id;
    EXPECT_TRUE(helpTitleFor(QStringLiteral("no-such-topic")).isEmpty());
}

TEST(HelpText, TopicsAreUniqueAndAllInTheDocument)
{
    const QList<HelpTopic> topics = helpTopics();
    ASSERT_FALSE(topics.isEmpty());
    EXPECT_EQ(topics.first().anchor, kHelpContentsAnchor);

    const QStringList anchors = documentAnchors(helpDocumentHtml());
    QStringList topicAnchors;
    for (const HelpTopic& t : topics)
        topicAnchors << t.anchor;
    EXPECT_EQ(anchors, topicAnchors) << "document order must be topic order, each once";

    for (const char* needed : {"reports", "sorter", "export", "backup", "calculator", "find", "date-format",
                               "passcode-username", "notes", "main-screen"})
        EXPECT_TRUE(topicAnchors.contains(QLatin1String(needed))) << needed;
}

TEST(HelpText, EveryLinkLeadsToATopicAndTheContentsLinkEveryTopic)
{
    const QString html = helpDocumentHtml();
    const QStringList anchors = documentAnchors(html);
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    QSet<QString> linked;
    for (const QRegularExpressionMatch& m : href.globalMatch(html)) {
        const QString target = m.captured(1);
        ASSERT_TRUE(target.startsWith(QLatin1Char('#'))) << target.toStdString();
        EXPECT_TRUE(anchors.contains(target.mid(1))) << target.toStdString();
        linked.insert(target.mid(1));
    }
    for (const QString& anchor : anchors) {
        if (anchor != kHelpContentsAnchor) {
            EXPECT_TRUE(linked.contains(anchor)) << "no link to " << anchor.toStdString();
        }
    }
}

TEST(HelpText, UsesTheProgramsOwnCaptions)
{
    const QString html = helpDocumentHtml();
    for (const char* caption :
         {"New Line Item", "Save EXPENSE", "Save INCOME", "Replace", "Full Year", "New Category", "Change Category",
          "Find a word", "Show Macro Controls", "Select Year", "OK!", "User Name", "Pass Code", "Date Format",
          "Date Coverter", "All Cats", "Pick Cats", "Export comma-delimited file", "Exit reports screen",
          "Write to export file", "Copy all Source files to Target", "result on top", "Stop!"})
        EXPECT_TRUE(html.contains(QLatin1String(caption))) << caption;
    for (const char* word : {"Part ", "mnu", "frm"})
        EXPECT_FALSE(html.contains(QLatin1String(word))) << word;
}

TEST(HelpText, QtFindsEveryAnchorInTheParsedDocument)
{
    application();
    QTextDocument document;
    document.setHtml(helpDocumentHtml());
    QSet<QString> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (const QString& name : it.fragment().charFormat().anchorNames())
                found.insert(name);
    for (const HelpTopic& t : helpTopics())
        EXPECT_TRUE(found.contains(t.anchor)) << t.anchor.toStdString();
}

TEST(HelpWindow, ShowsTheTopicOfTheContextNumberAndFollowsLinks)
{
    application();
    HelpWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Coinwick 2 - Help"));
    EXPECT_TRUE(window.isWindow());
    EXPECT_FALSE(window.isVisible());

    auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("HelpTopicList"));
    ASSERT_TRUE(browser && list);
    EXPECT_EQ(list->count(), helpTopics().size());

    window.showTopic(HelpContext::EntryEditor);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.currentAnchor(), QStringLiteral("entry-editor"));
    ASSERT_TRUE(list->currentItem());
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Entry editor"));
    const int entryEditorTop = browser->verticalScrollBar()->value();
    EXPECT_GT(entryEditorTop, 0);

    window.showTopic(12345);
    EXPECT_EQ(window.currentAnchor(), kHelpContentsAnchor);
    EXPECT_LT(browser->verticalScrollBar()->value(), entryEditorTop);

    emit browser->anchorClicked(QUrl(QStringLiteral("#backup")));
    EXPECT_EQ(window.currentAnchor(), QStringLiteral("backup"));
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Backup"));
    EXPECT_GT(browser->verticalScrollBar()->value(), entryEditorTop);

    list->setCurrentRow(0);
    EXPECT_EQ(window.currentAnchor(), kHelpContentsAnchor);

    window.close();
    EXPECT_FALSE(window.isVisible());
    window.showTopic(HelpContext::MacroFunctions);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.currentAnchor(), QStringLiteral("macros"));
}
