#include "ToolArguments.h"

#include <CLI/CLI.hpp>

namespace qingtan {
namespace {

bool takesValue(const CLI::App& app, const std::string& argument) {
    const CLI::Option* option = argument.starts_with('-') ? app.get_option_no_throw(argument) : nullptr;
    return option != nullptr && option->get_items_expected_min() > 0;
}

bool takesPositionals(const CLI::App& app) {
    return !app.get_options([](const CLI::Option* option) { return option->get_positional(); }).empty();
}

} // namespace

void PrepareToolParser(CLI::App& app) {
    app.set_help_flag();
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)->disable_flag_override();
}

void AddHelpThatStopsReading(CLI::App& app, bool& help) {
    app.add_flag_callback("-h,--help",
                          [&app, &help] {
                              if (app.remaining().empty()) {
                                  help = true;
                                  throw CLI::Success(); // ends the parse, as a clean one
                              }
                          })
        ->trigger_on_parse();
}

std::optional<ArgumentError> ParseToolArguments(CLI::App& app, const std::vector<std::string>& args) {
    std::vector<std::string> reversed(args.rbegin(), args.rend()); // the order CLI11 consumes them in
    try {
        app.parse(reversed);
    } catch (const CLI::Success&) {
        return std::nullopt;
    } catch (const CLI::ExtrasError&) {
        return ArgumentError{ArgumentError::Kind::Unknown, app.remaining().front()};
    } catch (const CLI::ArgumentMismatch& error) {
        // Values are taken as given, so only an option that ends the arguments can lack its value, and an unknown
        // argument set aside before it is the first error.
        if (!app.remaining().empty()) {
            return ArgumentError{ArgumentError::Kind::Unknown, app.remaining().front()};
        }
        if (!args.empty() && takesValue(app, args.back())) {
            return ArgumentError{ArgumentError::Kind::MissingValue, args.back()};
        }
        return ArgumentError{ArgumentError::Kind::Other, error.what()};
    } catch (const CLI::ParseError& error) {
        return ArgumentError{ArgumentError::Kind::Other, error.what()};
    }
    // CLI11 sets a "--" aside even when nothing follows it.
    if (!app.remaining().empty() && !takesPositionals(app)) {
        return ArgumentError{ArgumentError::Kind::Unknown, app.remaining().front()};
    }
    return std::nullopt;
}

std::string ArgumentErrorText(const ArgumentError& error, std::string_view unknownWhat) {
    switch (error.kind) {
    case ArgumentError::Kind::Unknown:
        return "unknown " + std::string(unknownWhat) + ": " + error.text;
    case ArgumentError::Kind::MissingValue:
        return error.text + " needs a value";
    case ArgumentError::Kind::Other:
        break;
    }
    return error.text;
}

} // namespace qingtan
