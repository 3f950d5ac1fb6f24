#include "cli/options/render_options.h"

#include "cli/message_text.h"
#include "cli/options/given_options.h"
#include "cli/options/option_rules.h"
#include "cli/options/option_table.h"
#include "cli/options/option_values.h"

namespace vorrith {
namespace {

// "-x" or "--name", but not "-5": a negative number is a bad image number, not an option.
bool LooksLikeOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-' && (argument[1] < '0' || argument[1] > '9');
}

// Walks the arguments once, each option through its row of the option table.
class Parser {
public:
    explicit Parser(ParsedRenderOptions& parsed) : parsed_(parsed), options_(parsed.options) {}

    // false once an error is set
    bool Take(const std::vector<std::string>& arguments, size_t& i) {
        const std::string& argument = arguments[i];
        if (optionsEnded_) return Accept(AddNumbers(argument));
        if (argument == "--") {
            optionsEnded_ = true;
            return true;
        }
        if (argument == "-h" || argument == "--help") {
            options_.showHelp = true;
            return true;
        }
        const OptionRow* option = FindOption(argument);
        if (option == nullptr) {
            return Accept(LooksLikeOption(argument) ? "unknown option " + Quoted(argument) : AddNumbers(argument));
        }
        std::string value;
        std::string shown = argument;
        if (option->takesValue) {
            if (i + 1 >= arguments.size()) return Accept(argument + " needs a value");
            value = arguments[++i];
            shown += " " + Quoted(value);
        }
        const std::string repeated = given_.Remember(argument, shown);
        if (!repeated.empty()) return Accept(repeated);
        return Accept(option->apply(value, options_));
    }

    const GivenOptions& given() const { return given_; }

private:
    // Records the error of one argument; true when there was none.
    bool Accept(const std::string& error) {
        parsed_.error = error;
        return error.empty();
    }

    std::string AddNumbers(const std::string& item) {
        given_.Remember(kNumberArguments, "image number " + Quoted(item));
        return AddImageNumbers(item, options_.imageNumbers);
    }

    ParsedRenderOptions& parsed_;
    RenderOptions& options_;
    GivenOptions given_;
    bool optionsEnded_ = false;
};

}  // namespace

bool WritesToStandardOutput(const RenderOptions& options) {
    return options.outputPath && *options.outputPath == kStandardOutputName;
}

ParsedRenderOptions ParseRenderOptions(const std::vector<std::string>& arguments) {
    ParsedRenderOptions parsed;
    Parser parser(parsed);
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (!parser.Take(arguments, i)) return parsed;
        if (parsed.options.showHelp) return parsed;
    }
    parsed.error = CheckCombination(parser.given(), parsed.options);
    return parsed;
}

}  // namespace vorrith
