#include "UpdateCommand.h"

#include "FileHelpers.h"
#include "GbkCodec.h"
#include "LibraryFiles.h"
#include "LibraryUpdater.h"
#include "ToolArguments.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <ostream>
#include <string_view>

namespace qingtan {
namespace {

constexpr std::string_view kUsage = R"(Usage: qingtan-update [--dir DIR] [--server URL] [--ca-file FILE]

Brings douyin_ck.txt and douyin_ver.txt in DIR (default: beside this program) in step with the
word-library server, exactly as the desktop program does at every start, and prints the status text.

  --dir DIR        the directory holding the library files
  --server URL     the server's base URL (https, ending in "/"); default: the one built in
  --ca-file FILE   an extra CA bundle to trust for the server's certificate
  --help           show this text

Exit status: 0 when the library is up to date, 1 when the update failed, 2 on bad arguments.
)";

} // namespace

int RunUpdateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const std::filesystem::path& exeDir) {
    if (!GbkCodec::available()) {
        err << "qingtan-update: this system cannot convert code page 936 (GBK) text, which the word library is written "
               "in\n";
        return 2;
    }
    UpdateContext context{exeDir, DefaultServerConfig(), {}, {}};
    std::optional<std::string> directory;
    bool help = false;
    CLI::App app;
    PrepareToolParser(app);
    app.add_option("--dir", directory);
    app.add_option("--server", context.server.baseUrl);
    app.add_option("--ca-file", context.server.caFile);
    AddHelpThatStopsReading(app, help);
    if (const auto error = ParseToolArguments(app, args)) {
        err << "qingtan-update: " << ArgumentErrorText(*error, "argument") << "\n\n" << kUsage;
        return 2;
    }
    if (help) {
        out << kUsage;
        return 0;
    }
    if (directory) {
        context.directory = PathFromUtf8(*directory);
    }

    context.showStatus = [&out](const AnsiText& text, ColorRef) { out << GbkCodec::toUtf8(text) << '\n'; };
    const UpdateOutcome outcome = LibraryUpdater(context, OnlineSourceValue());
    out.flush();
    return outcome == UpdateOutcome::Failed ? 1 : 0;
}

} // namespace qingtan
