#include "CheckCommand.h"

#include "CheckReport.h"
#include "FileHelpers.h"
#include "GbkCodec.h"
#include "JsonReport.h"
#include "TitleCheck.h"
#include "ToolArguments.h"
#include "VariantReport.h"
#include "WordLibrary.h"
#include "WordMatcher.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>

namespace qingtan {
namespace {

constexpr std::string_view kUsage =
    R"(Usage: qingtan-check [--library FILE] [--category NAME]... [--json] [--variants] [--titles FILE] [TITLE]...

Checks video titles for banned words (违规词) and prints the report, category by category.

  --library FILE    the word library to use (default: douyin_ck.txt beside this program)
  --category NAME   check this category; may repeat. NAME is one of
                    不文明用语 疑似欺骗 刺激消费 歧视用语 通用 化妆品 普通商品.
                    Without it all seven are checked.
  --json            print one JSON object per title (JSON Lines) instead of the report:
                    {"title":..., "categories":{NAME:[{"word":..., "positions":[...]}]},
                     "variants":{NAME:[{"word":..., "spans":[[FIRST, LAST], ...]}]}}
                    with the ticked categories, the words found in word-list order and
                    the 1-based character positions where each stands in the title, and
                    the words found written as variants with the first and last
                    character of each place
  --variants        after each report, list the words found written as variants (疑似变体):
                    in another case, in full-width forms, with up to three separators
                    (blanks, punctuation, symbols, emoji) between their characters, or in
                    traditional characters; they then count for the exit status too
  --titles FILE     also check the titles of FILE (UTF-8, one per line, empty lines skipped)
  --help            show this text

Titles are UTF-8 arguments. With none and no --titles, titles are read from standard
input, one per line; empty lines are skipped. Each report is printed in UTF-8 with CR LF line ends;
with more than one title, each report is preceded by a line naming its title.

Exit status: 0 when no title has a banned word, 1 when at least one has (or, with
--variants, a variant of one), 2 on bad arguments, an empty title or a library that
cannot be loaded.
)";

struct Options {
    std::optional<std::string> library;
    CategorySelection selection;
    std::vector<std::string> titles;
    std::optional<std::string> titlesFile;
    bool json = false;
    bool variants = false;
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
    CLI::App app;
    PrepareToolParser(app);
    std::vector<std::string> categoryNames;
    app.add_option("--library", options.library);
    app.add_option("--category", categoryNames)->allow_extra_args(false); // one name per --category
    app.add_flag("--json", options.json);
    app.add_flag("--variants", options.variants);
    app.add_option("--titles", options.titlesFile);
    app.add_flag("-h,--help", options.help);
    app.add_option("titles", options.titles);
    if (const auto error = ParseToolArguments(app, args)) {
        return ArgumentErrorText(*error, "option");
    }
    if (!categoryNames.empty()) {
        // Ticking categories by hand unticks all the others and 全部检测, as in the window.
        options.selection = CategorySelection{false, {}};
    }
    for (const std::string& name : categoryNames) {
        const auto category = categoryFromUtf8(name);
        if (!category) {
            return "unknown category: " + name;
        }
        options.selection.ticked[IndexOf(*category)] = true;
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
    const std::filesystem::path libraryFile =
        options.library ? PathFromUtf8(*options.library) : exeDir / kLibraryFileName;
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
    // Only the JSON and --variants show variants; the plain report needs neither OpenCC nor the second automaton.
    std::optional<VariantNormalizer> normalizer;
    if (options.variants && !VariantNormalizer::Available()) {
        err << "qingtan-check: warning: this build finds no variants (it was built without ICU and OpenCC)\n";
    }
    if ((options.json || options.variants) && VariantNormalizer::Available()) {
        auto traditional = TraditionalToSimplified::Load();
        if (!traditional) {
            err << "qingtan-check: warning: OpenCC's t2s.json cannot be loaded, so traditional characters are not "
                   "matched as variants\n";
        }
        normalizer.emplace(std::move(traditional));
    }
    const WordMatcher matcher(library, normalizer ? &*normalizer : nullptr);

    std::vector<std::string> titles = options.titles;
    if (options.titlesFile) {
        const std::filesystem::path titlesFile = PathFromUtf8(*options.titlesFile);
        std::ifstream file;
        if (IsRegularFile(titlesFile)) {
            file.open(titlesFile, std::ios::binary);
        }
        if (!file.is_open()) {
            err << "qingtan-check: cannot read " << titlesFile.string() << '\n';
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
            if (options.variants) {
                out << VariantReportText(state, matcher, options.selection.ticked);
            }
        }
        anyViolation = anyViolation || !state.occurrences.empty() || (options.variants && !state.variants.empty());
    }
    out.flush();
    return anyViolation ? kExitViolations : kExitClean;
}

} // namespace qingtan
