// The viewer's own help window: a contents list of the help topics shipped
// with the program and the text of the chosen one. It stands in for the
// platform's help engine, with the same three commands.
#pragma once

#include <windows.h>

#include "help_topics.h"

namespace lomvex {

// Acts on the help window of this program: kHelpContents shows it at its
// contents, kHelpContext at the topic numbered data, kHelpQuit closes it.
// True when the request was carried out; nothing is shown on failure.
bool ShowHelp(HWND owner, HelpCommand command, int data);

}  // namespace lomvex
