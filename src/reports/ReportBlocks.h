#pragma once

#include "reports/engine/Definition.h"

// Pieces of the blocks that describe a person on the printed lists and sheets.
namespace ReportBlocks {

inline constexpr double kLine = 12; // one line of a block
inline constexpr double kSize = 8;  // the text of a block

// "Last, First" of a joined person (SQL), or Null when there is none.
QString shortName(const QString& alias);
// Captioned memo text (SQL "... AS name"), or Null when the memo is empty, so an empty memo takes no room.
QString captioned(const QString& column, const QString& caption, const QString& name);
// The columns (SQL) a block prints a person's name, street and town with: FullName, Street, CityLine, and the
// captioned notes NotesText.
QString shownNameColumns();

// A caption and its value on one line of a block; the value starts where the caption ends.
void pair(ReportEngine::Band& band, double x, double y, double captionWidth, const QString& caption, double valueWidth,
          const QString& column, ReportEngine::Format format = ReportEngine::Format::Text);
// The person's name and "(continued)" at the head of a page that the person's rows go on to.
void continuedName(ReportEngine::Band& band);
// A value alone on one line of a block.
void field(ReportEngine::Band& band, double x, double y, double width, const QString& column,
           ReportEngine::Format format = ReportEngine::Format::Text);
// Memos one under the other from y, each taking room only when it holds text.
void memos(ReportEngine::Band& band, double y, double width, const QStringList& columns);

// The head of a person's block: name, status, address, phones and e-mail.
void personHead(ReportEngine::Band& band, double width, const QString& statusColumn, const QString& statusCaption);
// Born, anniversary, gender, marital status, head of household.
void personalLine(ReportEngine::Band& band, double y, double width);
// Place of work, occupation, map section.
void workLine(ReportEngine::Band& band, double y, double width);
// The two newsletter choices.
void newsletterLine(ReportEngine::Band& band, double x, double y);

// A member's block: head, personal line, church history, classes, care group, deacon, newsletter, work, and the
// memos from y 107 (HobbiesText, OrganizationsText, NotesText).
void memberBlock(ReportEngine::Band& band, double width);
// A prospect's block: head, personal line, class, care group, source, phase, next contact, work, newsletter, and
// the memos from y 108 (ProspectNoteText, NotesText).
void prospectBlock(ReportEngine::Band& band, double width);

} // namespace ReportBlocks
