#include "CheckCommand.h"

#include "CheckReport.h"
#include "FileHelpers.h"
#include "GbkCodec.h"
#include "JsonReport.h"
#include "TitleCheck.h"
#include "WordLibrary.h"
#include "WordMatcher.h"

#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

namespace qingtan {
namespace {

constexpr std::string_view kUsage =
    R"(Usage: qingtan-check [--library FILE] [--category NAME]... [--json] [--titles FILE] [TITLE]...

Checks video titles for banned words (违规词) and prints the report, category by category.

  --library FILE    the word library to use (default: douyin_ck.txt beside this program)
  --category NAME   check this category; may repeat. NAME is one of
                    不文明用语 疑似欺骗 刺激消费 歧视用语 通用 化妆品 普通商品.
                    Without it all seven are checked.
  --json            print one JSON object per title (JSON Lines) instead of the report:
                    {"title":..., "categories":{NAME:[{"word":..., "positions":[...]}]}}
                    with the ticked categories, the words found in word-list order and
                    the 1-based character positions where each stands in the title
  --titles FILE     also check the titles of FILE (UTF-8, one per line, empty lines skipped)
  --help            show this text

Titles are UTF-8 arguments. With none and no --titles, titles are read from standard
input, one per line; empty lines are skipped. Each report is printed in UTF-8 with CR LF line ends;
with more than one title, each report is preceded by a line naming its title.

Exit status: 0 when no title has a banned word, 1 when at least one has,
2 on bad arguments, an empty title or a library that cannot be loaded.
)";

struct Options {
    std::optional<std::filesystem::path> library;
    CategorySelection selection;
    bool categoryGiven = false;
    std::vector<std::string> titles;
    std::optional<std::filesystem::path> titlesFile;
    bool json = false;
    bool help = false;
};

std::optional<Category> categoryFromUtf8(std::string_view name) {
    for (const Category category : kAllCategories) {
        if (CategoryNameUtf8(category) == name) {
            return category;
        }
    }
    return std::nullopt;
}

// Fills `options` from the arguments; returns an error text for bad arguments.
std::optional<std::string> parseArguments(const std::vector<std::string>& args, Options& options) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            options.titles.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--library" || arg == "--category" || arg == "--titles") {
            if (i + 1 == args.size()) {
                return arg + " needs a value";
            }
            const std::string& value = args[++i];
            if (arg == "--library") {
                options.library = PathFromUtf8(value);
                continue;
            }
            if (arg == "--titles") {
                options.titlesFile = PathFromUtf8(value);
                continue;
            }
            const auto category = categoryFromUtf8(value);
            if (!category) {
                return "unknown category: " + value;
            }
            if (!options.categoryGiven) {
                // Ticking categories by hand unticks all the others and 全部检测, as in the window.
                options.selection = CategorySelection{false, {}};
                options.categoryGiven = true;
            }
            options.selection.ticked[IndexOf(*category)] = true;
        } else {
            return "unknown option: " + arg;
        }
    }
    return std::nullopt;
}

void readTitles(std::istream& in, std::vector<std::string>& titles) {
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            titles.push_back(std::move(line));
        }
    }
}

} // namespace

int RunCheckCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                    const std::filesystem::path& exeDir) {
    if (!GbkCodec::available()) {
        err << "qingtan-check: this system cannot convert code page 936 (GBK) text, which the word library is written "
               "in\n";
        return kExitUsage;
    }
    Options options;
    if (const auto error = parseArguments(args, options)) {
        err << "qingtan-check: " << *error << "\n\n" << kUsage;
        return kExitUsage;
    }
    if (options.help) {
        out << kUsage;
        return kExitClean;
    }

    std::string statusText;
    const ShowStatusFn toStatusText = [&statusText](const AnsiText& text, ColorRef) {
        statusText = GbkCodec::toUtf8(text);
    };

    WordLibrary library;
    TextArray libraryLines;
    const std::filesystem::path libraryFile = options.library.value_or(exeDir / kLibraryFileName);
    const LibraryLoadResult load = LoadWordLibraryFile(libraryFile, library, libraryLines, toStatusText);
    if (!load) {
        err << statusText << '\n';
        if (load.fault) {
            err << "qingtan-check: " << *load.fault << '\n';
        }
        return kExitUsage;
    }
    if (load.fault) {
        // Some categories loaded: check with them, but never let a damaged library pass unmentioned.
        err << statusText << "\nqingtan-check: warning: " << *load.fault << '\n';
    }
    const WordMatcher matcher(library);

    std::vector<std::string> titles = options.titles;
    if (options.titlesFile) {
        std::ifstream file;
        if (IsRegularFile(*options.titlesFile)) {
            file.open(*options.titlesFile, std::ios::binary);
        }
        if (!file.is_open()) {
            err << "qingtan-check: cannot read " << options.titlesFile->string() << '\n';
            return kExitUsage;
        }
        readTitles(file, titles);
    } else if (titles.empty()) {
        readTitles(in, titles);
    }
    bool anyViolation = false;
    CheckState state;
    for (const std::string& title : titles) {
        if (!RunCheck(state, matcher, GbkCodec::utf8ToWide(title), options.selection, toStatusText)) {
            err << statusText << '\n';
            return kExitUsage;
        }
        ComposeReport(state, options.selection.ticked, toStatusText);
        if (options.json) {
            out << JsonReportLine(title, state, matcher, options.selection.ticked) << '\n';
        } else {
            if (titles.size() > 1) {
                out << "标题：" << title << "\r\n";
            }
            out << GbkCodec::toUtf8(state.checkReport);
        }
        anyViolation = anyViolation || !state.occurrences.empty();
    }
    out.flush();
    return anyViolation ? kExitViolations : kExitClean;
}

} // namespace qingtan
