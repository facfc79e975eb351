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

class Updater {
public:
    explicit Updater(const UpdateContext& context)
        : m_context(context), m_versionFile(context.directory / kVersionFileName),
          m_libraryFile(context.directory / kLibraryFileName) {
        m_transport.caFile = context.server.caFile;
        m_transport.connectTimeoutMs = context.server.connectTimeoutMs;
        m_transport.totalTimeoutMs = context.server.totalTimeoutMs;
    }

    void run() {
        // Killed updates leave their temporary files behind, as large as the library; nothing else removes them.
        RemoveLeftoverTemporaries(m_libraryFile);
        RemoveLeftoverTemporaries(m_versionFile);
        if (NameExists(m_versionFile) && !checkVersion()) {
            return;
        }
        if (!NameExists(m_versionFile) && !fullRefresh()) {
            return;
        }
        if (!NameExists(m_libraryFile) && !fullRefresh()) {
            return;
        }
        if (AnsiFromBuffer(ReadWholeFile(m_libraryFile)).empty()) {
            fullRefresh();
        }
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
                show(UpToDateText());
                return false;
            }
            const std::optional<ByteBuffer> library = fetchLibrary();
            if (!library || !WriteFileAtomically(m_libraryFile, *library)) {
                return fail();
            }
            show(LibraryRestoredText());
            return true;
        }
        if (!replaceBoth(*serverVersion)) {
            return false;
        }
        show(VersionChangedText(*serverVersion));
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
        show(FullRefreshText(*serverVersion));
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

    bool fail() const {
        m_context.showStatus(UpdateFailedText(), kRed);
        return false;
    }

    void show(const AnsiText& text) const { m_context.showStatus(text, kGreen); }

    const UpdateContext& m_context;
    TransportSettings m_transport;
    std::filesystem::path m_versionFile;
    std::filesystem::path m_libraryFile;
};

} // namespace

ServerConfig DefaultServerConfig() {
    ServerConfig config;
    config.baseUrl = QINGTAN_SERVER_BASE_URL;
    config.caFile = QINGTAN_SERVER_CA_FILE;
    return config;
}

void LibraryUpdater(const UpdateContext& context, const AnsiText& librarySource) {
    if (librarySource == LocalSourceValue()) {
        context.showStatus(LocalLibraryKeptText(), kGreen);
        return;
    }
    Updater(context).run();
}

} // namespace qingtan
