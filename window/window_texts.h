// The texts that the Velmora window shows of its own, exactly as shown (CR LF
// line breaks): its caption and its two multi-line texts. The other kinds of
// text have a home each: the controls' captions are in the layout table
// (layout_table.h), the messages in messages.cpp, the texts for screen
// readers in accessible_texts.h, and what the program prints on a terminal
// in app/command_line.cpp.
#pragma once

#include <string_view>

namespace velmora::texts {

// The window's caption: our web address, one blank, the program's title.
extern const std::string_view kWindowCaption;

// The school assignment that the program answers, with the formulas it uses:
// twelve lines, each ending in CR LF; the fourth has a blank before its CR LF.
extern const std::string_view kAssignmentText;

// A saying that the window holds but never shows: three lines, each ending in
// a blank and CR LF.
extern const std::string_view kSaying;

} // namespace velmora::texts
