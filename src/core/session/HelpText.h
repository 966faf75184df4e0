#pragma once
// The program's own help: a user guide in HTML, one document made of topics,
// each topic starting at a stable anchor. The help key and the Help buttons
// name the area they come from by a help context number; helpAnchorFor turns
// that number into the anchor of its topic.

#include "store/Message.h"

#include <QList>
#include <QString>

namespace cw {

// The help context numbers of the program's areas.
namespace HelpContext {
inline constexpr int Contents = 0;
inline constexpr int YearSelection = 15;   // the " Select Year " panel
inline constexpr int CategoryEditor = 20;  // the " Category Editor " panel
inline constexpr int EntryEditor = 30;     // the entry editor panel
inline constexpr int MacroFunctions = 80;  // the " Macro Functions " panel
inline constexpr int FileMenu = 210;
inline constexpr int EditMenu = 220;
inline constexpr int SearchMenu = 230;
inline constexpr int MacrosMenu = 240;
inline constexpr int ReportsMenu = 250;
// The reports window's Help button: the Reports command is the window, so
// they share one topic.
inline constexpr int ReportsWindow = ReportsMenu;
inline constexpr int OptionsMenu = 260;
inline constexpr int HelpMenu = 270;
} // namespace HelpContext

inline const QString kProgramVersion = QStringLiteral("2.0");

// Help, About: the program's name and version.
Message aboutMessage();

inline const QString kHelpContentsAnchor = QStringLiteral("contents");

struct HelpTopic {
    QString anchor;    // the topic's anchor in the document
    QString title;     // its heading, also shown in the topic list
    int contextId;     // the help context number that opens it, -1 for none
};

// Every topic in document order; the contents come first.
QList<HelpTopic> helpTopics();

// The whole help document: a heading and text per topic, each heading
// written as <h2><a name="ANCHOR">TITLE</a></h2>, internal links as
// href="#ANCHOR".
QString helpDocumentHtml();

// The anchor of the topic for a help context number; the contents for 0
// and for any number no area uses.
QString helpAnchorFor(int contextId);

// The title of the topic at `anchor`; empty for an unknown anchor.
QString helpTitleFor(const QString& anchor);

} // namespace cw
