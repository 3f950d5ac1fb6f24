// Every option of vorrith-render, one row each: its name, whether it takes a value, and
// what it sets in RenderOptions. A new option is a row here, its field in RenderOptions,
// its lines in the usage text (option_table.cpp, below the rows), a rule in
// option_rules.cpp if it contradicts or needs another option, and then its use.
#pragma once

#include <string>

#include "cli/options/render_options.h"

namespace vorrith {

struct OptionRow {
    const char* name;
    bool takesValue;
    // Sets what the option asks for (value is "" for a flag); an error message or "".
    std::string (*apply)(const std::string& value, RenderOptions& options);
};

// The row of name, or null when no option is called that.
const OptionRow* FindOption(const std::string& name);

// The --help text.
const std::string& RenderUsage();

}  // namespace vorrith
