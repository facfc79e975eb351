#include "PublishCommand.h"

#include "Base64.h"
#include "FileHelpers.h"
#include "GbkCodec.h"
#include "LibraryCheck.h"
#include "LibraryFileText.h"
#include "ToolArguments.h"
#include "WordLibrary.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <ostream>

namespace qingtan {
namespace {

constexpr std::string_view kUsage =
    R"(Usage: qingtan-publish --library FILE --version TEXT --out DIR

Publishes a word library for the program's start-up update: checks that FILE is a
whole library (GBK, seven non-empty lines ending in CR LF, each of the form
<category>|words|< and naming one of the categories 不文明用语 疑似欺骗 刺激消费
歧视用语 通用 化妆品 普通商品 once),
then writes DIR/douyin_ck.txt (the file as Base64) and DIR/douyin_ver.txt (TEXT,
stored in GBK without a line end). Serve DIR as the server's base address.

Programs update when TEXT differs from the version they hold, so give every
publication a new TEXT.

Exit status: 0 when published, 1 when the library was refused or a file could not
be written (nothing is written for a refused library), 2 on bad arguments.
)";

} // namespace

int RunPublishCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!GbkCodec::available()) {
        err << "qingtan-publish: this system cannot convert code page 936 (GBK) text, which the word library is "
               "written in\n";
        return kPublishUsage;
    }
    std::optional<std::string> library;
    std::optional<std::string> version;
    std::optional<std::string> outDir;
    bool help = false;
    CLI::App app;
    PrepareToolParser(app);
    app.add_option("--library", library);
    app.add_option("--version", version);
    app.add_option("--out", outDir);
    AddHelpThatStopsReading(app, help);
    if (const auto error = ParseToolArguments(app, args)) {
        err << "qingtan-publish: " << ArgumentErrorText(*error, "argument") << '\n';
        if (error->kind != ArgumentError::Kind::MissingValue) {
            err << '\n' << kUsage;
        }
        return kPublishUsage;
    }
    if (help) {
        out << kUsage;
        return kPublishDone;
    }
    if (!library || !version || !outDir) {
        err << "qingtan-publish: --library, --version and --out are all needed\n\n" << kUsage;
        return kPublishUsage;
    }

    const AnsiText versionText = GbkCodec::fromUtf8(*version);
    if (versionText.empty() || GbkCodec::toUtf8(versionText) != *version) {
        err << "qingtan-publish: the version must be a non-empty text that GBK can hold, got \"" << *version << "\"\n";
        return kPublishUsage;
    }

    const std::filesystem::path libraryPath = PathFromUtf8(*library);
    std::error_code error;
    if (!std::filesystem::is_regular_file(libraryPath, error)) {
        err << "qingtan-publish: cannot read the library " << *library << "\n";
        return kPublishRefused;
    }
    const ByteBuffer bytes = ReadWholeFile(libraryPath);
    // The program stores the payload unchanged and checks it as GBK: a UTF-8 library would be refused by every
    // program that downloads it.
    const std::optional<std::string> refusal =
        IsUtf8LibraryFile(bytes) ? std::optional<std::string>("the file is UTF-8; a published library must be saved "
                                                              "in GBK (code page 936)")
                                 : LibraryFault(bytes);
    if (refusal) {
        err << "qingtan-publish: " << *library << " is not a library the program can load: " << *refusal
            << "\nNothing was written.\n";
        return kPublishRefused;
    }

    const std::filesystem::path dir = PathFromUtf8(*outDir);
    std::filesystem::create_directories(dir, error);
    const std::string payload = Base64Encode(bytes);
    // The library goes first: a server caught between the two writes still offers the old version, so no program
    // takes the new version text for a library it has not got.
    if (!WriteFileAtomically(dir / kLibraryFileName, payload)) {
        err << "qingtan-publish: cannot write " << *outDir << "/" << kLibraryFileName << "\n";
        return kPublishRefused;
    }
    if (!WriteFileAtomically(dir / kVersionFileName, versionText)) {
        err << "qingtan-publish: cannot write " << *outDir << "/" << kVersionFileName << "\n";
        return kPublishRefused;
    }
    out << "Published version " << *version << " to " << *outDir << ": " << kLibraryFileName << " (" << bytes.size()
        << " bytes as " << payload.size() << " bytes of Base64) and " << kVersionFileName << "\n";
    return kPublishDone;
}

} // namespace qingtan
