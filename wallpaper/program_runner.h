// Running the desktop's tools: by fork and exec through the PATH (posix_spawnp), never
// through a shell, so a file name is one argument whatever it holds. Their standard
// output and error are collected, so a failure can be said in one line.
#pragma once

#include <string>
#include <vector>

namespace vorrith {

using Command = std::vector<std::string>;  // the program's name, then its arguments

struct ProgramResult {
    // "": it ran and exited with status 0; else in words, with the first line the tool
    // wrote on its standard error ("gsettings failed (exit status 1): No such key").
    std::string error;
    std::string output;  // its standard output
};

ProgramResult RunProgram(const Command& command);

// True when a program of that name is on the PATH, executable.
bool ProgramOnPath(const std::string& name);

// The command as a shell would take it back: words with blanks or quotes in single quotes.
std::string CommandText(const Command& command);

// Carries out changes, or with dryRun prints each command on the standard output
// instead. Queries (what a tool lists) always run: they change nothing.
class ToolRunner {
public:
    explicit ToolRunner(bool dryRun) : dryRun_(dryRun) {}
    bool dryRun() const { return dryRun_; }
    // "" or the one-line message.
    std::string Change(const Command& command) const;
    ProgramResult Query(const Command& command) const { return RunProgram(command); }
    // In a dry run, prints a step that is no command ("would write FILE").
    void Announce(const std::string& step) const;

private:
    bool dryRun_;
};

}  // namespace vorrith
