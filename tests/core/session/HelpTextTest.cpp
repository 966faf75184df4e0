// The help document: every help context number lands on a topic that the
// document really holds, links lead somewhere, the program's own captions.

#include "core/session/HelpText.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace cw;

TEST(HelpText, EveryContextNumberOpensItsOwnTopicAndEveryTopicIsLinkedInTheDocument)
{
    const QString html = helpDocumentHtml();
    QStringList anchors;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("<a name=\"([^\"]+)\"")).globalMatch(html))
        anchors << m.captured(1);
    EXPECT_EQ(helpAnchorFor(HelpContext::Contents), kHelpContentsAnchor);
    const QList<int> areas = {15, 20, 30, 80, 210, 220, 230, 240, 250, 260, 270};
    QSet<QString> seen;
    for (int id : areas) {
        const QString anchor = helpAnchorFor(id);
        EXPECT_NE(anchor, kHelpContentsAnchor) << id;
        EXPECT_EQ(anchors.count(anchor), 1) << id << " " << anchor.toStdString();
        seen.insert(anchor);
    }
    EXPECT_EQ(seen.size(), areas.size()) << "two areas share one topic";
    for (int id : {-1, 1, 14, 16, 100, 200, 255, 280, 99999})   // unknown numbers open the contents
        EXPECT_EQ(helpAnchorFor(id), kHelpContentsAnchor) << id;
    EXPECT_TRUE(helpTitleFor(QStringLiteral("no-such-topic")).isEmpty());
    const QList<HelpTopic> topics = helpTopics();
    ASSERT_FALSE(topics.isEmpty());
    EXPECT_EQ(topics.first().anchor, kHelpContentsAnchor);

    QStringList topicAnchors;
    for (const HelpTopic& t : topics)
        topicAnchors << t.anchor;
    EXPECT_EQ(anchors, topicAnchors) << "document order must be topic order, each once";

    for (const char* needed : {"reports", "sorter", "export", "backup", "calculator", "find", "date-format",
                               "passcode-username", "notes", "main-screen"})
        EXPECT_TRUE(topicAnchors.contains(QLatin1String(needed))) << needed;

    // Links lead to topics, and the program's own captions are used.
    QSet<QString> linked;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).globalMatch(html)) {
        const QString target = m.captured(1);
        ASSERT_TRUE(target.startsWith(QLatin1Char('#'))) << target.toStdString();
        EXPECT_TRUE(anchors.contains(target.mid(1))) << target.toStdString();
        linked.insert(target.mid(1));
    }
    for (const QString& anchor : anchors)
        EXPECT_TRUE(anchor == kHelpContentsAnchor || linked.contains(anchor)) << "no link to " << anchor.toStdString();
    for (const char* caption :
         {"New Line Item", "Save EXPENSE", "Save INCOME", "Replace", "Full Year", "New Category", "Change Category",
          "Find a word", "Show Macro Controls", "Select Year", "OK!", "User Name", "Pass Code", "Date Format",
          "Date Coverter", "All Cats", "Pick Cats", "Export comma-delimited file", "Exit reports screen",
          "Write to export file", "Copy all Source files to Target", "result on top", "Stop!"})
        EXPECT_TRUE(html.contains(QLatin1String(caption))) << caption;
    for (const char* word : {"Part ", "mnu", "frm"})
        EXPECT_FALSE(html.contains(QLatin1String(word))) << word;
    EXPECT_EQ(aboutMessage().title + " | " + aboutMessage().text,
              "About Coinwick 2 | Coinwick 2\nVersion " + kProgramVersion + "\n\nA personal cash-flow ledger.");
}
