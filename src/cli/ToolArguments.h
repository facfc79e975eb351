#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
} // namespace CLI

namespace qingtan {

// What was wrong with a tool's arguments.
struct ArgumentError {
    enum class Kind {
        Unknown,      // `text` is the first argument that is neither an option nor a place for one
        MissingValue, // `text` is the option that ends the arguments without its value
        Other,        // `text` is the parser's own message
    };
    Kind kind;
    std::string text;
};

// Sets `app` up the way all the tools take arguments, before their options are added: no help of the parser's own
// (each tool prints its usage text), the last of a repeated option counts, a flag takes no value.
void PrepareToolParser(CLI::App& app);

// -h and --help for a tool that stops reading its arguments at the help option: what follows goes unread, unless
// an unknown argument came before, which is then the error.
void AddHelpThatStopsReading(CLI::App& app, bool& help);

// Parses the arguments (UTF-8, program name excluded). An option takes the next argument as its value whatever it
// looks like; "--" ends the options of a tool that takes titles and is an unknown argument to the others.
std::optional<ArgumentError> ParseToolArguments(CLI::App& app, const std::vector<std::string>& args);

// "unknown <unknownWhat>: X", "X needs a value" or the parser's message.
std::string ArgumentErrorText(const ArgumentError& error, std::string_view unknownWhat);

} // namespace qingtan
