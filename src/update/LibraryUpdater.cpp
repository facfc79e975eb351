#include "LibraryUpdater.h"

#include "Base64.h"
#include "FileHelpers.h"
#include "LibraryCheck.h"
#include "UpdateTexts.h"
#include "WebRequest.h"
#include "WordLibrary.h"

#include <optional>

namespace qingtan {
namespace {

// Shows the outcome's text in its colour: red for a failure only.
UpdateOutcome report(const UpdateContext& context, UpdateOutcome outcome, const AnsiText& text) {
    context.showStatus(text, outcome == UpdateOutcome::Failed ? kRed : kGreen);
    return outcome;
}

class Updater {
public:
    explicit Updater(const UpdateContext& context)
        : m_context(context), m_versionFile(context.directory / kVersionFileName),
          m_libraryFile(context.directory / kLibraryFileName) {
        m_transport.caFile = context.server.caFile;
        m_transport.connectTimeoutMs = context.server.connectTimeoutMs;
        m_transport.totalTimeoutMs = context.server.totalTimeoutMs;
        m_transport.whileWaiting = context.processEvents; // the splash keeps painting while a server is slow
    }

    // The outcome of the last status shown; every way through shows at least one.
    UpdateOutcome run() {
        // Killed updates leave their temporary files behind, as large as the library; nothing else removes them.
        RemoveLeftoverTemporaries(m_libraryFile);
        RemoveLeftoverTemporaries(m_versionFile);
        if (NameExists(m_versionFile) && !checkVersion()) {
            return m_outcome;
        }
        if (!NameExists(m_versionFile) && !fullRefresh()) {
            return m_outcome;
        }
        if (!NameExists(m_libraryFile) && !fullRefresh()) {
            return m_outcome;
        }
        if (AnsiFromBuffer(ReadWholeFile(m_libraryFile)).empty()) {
            fullRefresh();
        }
        return m_outcome;
    }

private:
    // Compares the stored version with the server's and refreshes what differs. False when the procedure must stop:
    // everything is in step already, or the update failed.
    bool checkVersion() {
        const AnsiText localVersion = AnsiFromBuffer(ReadWholeFile(m_versionFile));
        const std::optional<AnsiText> serverVersion = fetch(kVersionFileName);
        if (!serverVersion) {
            return fail();
        }
        if (localVersion == *serverVersion) {
            if (NameExists(m_libraryFile)) {
                show(UpdateOutcome::UpToDate, UpToDateText());
                return false;
            }
            const std::optional<ByteBuffer> library = fetchLibrary();
            if (!library || !WriteFileAtomically(m_libraryFile, *library)) {
                return fail();
            }
            show(UpdateOutcome::Updated, LibraryRestoredText());
            return true;
        }
        if (!replaceBoth(*serverVersion)) {
            return false;
        }
        show(UpdateOutcome::Updated, VersionChangedText(*serverVersion));
        return true;
    }

    bool fullRefresh() {
        const std::optional<AnsiText> serverVersion = fetch(kVersionFileName);
        if (!serverVersion) {
            return fail();
        }
        if (!replaceBoth(*serverVersion)) {
            return false;
        }
        show(UpdateOutcome::Updated, FullRefreshText(*serverVersion));
        return true;
    }

    // Fetches and writes the library, then the version: a version file never vouches for a library that did not
    // arrive.
    bool replaceBoth(const AnsiText& serverVersion) {
        const std::optional<ByteBuffer> library = fetchLibrary();
        if (!library || !WriteFileAtomically(m_libraryFile, *library) ||
            !WriteFileAtomically(m_versionFile, serverVersion)) {
            return fail();
        }
        return true;
    }

    // The decoded library; nothing when the request failed, the answer is not Base64 text (an error page served
    // with status 200) or does not decode to a whole library (a connection closed early, a plain-text error, a
    // library of six lines): none of these may replace a working library.
    std::optional<ByteBuffer> fetchLibrary() {
        const std::optional<AnsiText> payload = fetch(kLibraryFileName);
        if (!payload || !IsBase64Text(*payload)) {
            return std::nullopt;
        }
        ByteBuffer library = Base64Decode(*payload, m_context.processEvents);
        if (LibraryFault(library)) {
            return std::nullopt;
        }
        return library;
    }

    std::optional<AnsiText> fetch(std::string_view name) const {
        return FetchText(m_context.server.baseUrl + AnsiText(name), m_transport);
    }

    bool fail() {
        show(UpdateOutcome::Failed, UpdateFailedText());
        return false;
    }

    void show(UpdateOutcome outcome, const AnsiText& text) { m_outcome = report(m_context, outcome, text); }

    const UpdateContext& m_context;
    TransportSettings m_transport;
    std::filesystem::path m_versionFile;
    std::filesystem::path m_libraryFile;
    UpdateOutcome m_outcome = UpdateOutcome::Failed;
};

} // namespace

ServerConfig DefaultServerConfig() {
    ServerConfig config;
    config.baseUrl = QINGTAN_SERVER_BASE_URL;
    config.caFile = QINGTAN_SERVER_CA_FILE;
    return config;
}

UpdateOutcome LibraryUpdater(const UpdateContext& context, const AnsiText& librarySource) {
    if (librarySource == LocalSourceValue()) {
        return report(context, UpdateOutcome::LocalLibraryKept, LocalLibraryKeptText());
    }
    return Updater(context).run();
}

} // namespace qingtan
