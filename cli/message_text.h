// The renderer's one-line messages: how they quote what a user typed, and how a failed
// run says why. Every group of cli/ writes its messages through these.
#pragma once

#include <string>

namespace vorrith {

// text with every control character written as an escape (\n, \t, \x1b ...), so an
// echoed argument or file name can never break or disguise a message line.
std::string EscapeControlCharacters(const std::string& text);

// 'text', escaped: how messages quote a user's argument or a file name.
std::string Quoted(const std::string& text);

// Prints "vorrith-render: error: text" on the standard error; returns 1, the exit
// code of a run that failed while running.
int FailWith(const std::string& text);

}  // namespace vorrith
