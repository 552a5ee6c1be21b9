#pragma once
// Reads a host script (see ScriptCommand.h for the language) into commands, all at once, so
// that a line the interpreter does not understand stops the run before anything happened.
// Raises EScriptSyntaxError with the line number of the first such line.
//
//   ParseScript("iniproc\nfocus medFilial\ntype 0001\nkey Tab\n")   // four commands
//   ParseScript("iniproc\nfly away\n")   // EScriptSyntaxError: line 2: unknown command "fly"
//
// Command words match without regard to case. `type` and `pick` take the rest of the line
// after the one blank that follows the word, blanks included; the other commands take words
// separated by blanks.

#include "host/core/ScriptCommand.h"

#include <vector>

namespace ger {

std::vector<ScriptCommand> ParseScript(const QString& text);

} // namespace ger
