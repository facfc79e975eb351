#pragma once

#include "TextTypes.h"
#include "UpdateOutcome.h"

#include <filesystem>
#include <functional>
#include <string>

namespace qingtan {

// Where the word-library server is and how long to wait for it.
struct ServerConfig {
    std::string baseUrl; // https URL ending in "/"
    std::string caFile;  // extra CA bundle to trust; empty = system store only
    long connectTimeoutMs = 10000;
    long totalTimeoutMs = 30000;
};

// The server the program was built for (QINGTAN_SERVER_BASE_URL, QINGTAN_SERVER_CA_FILE).
ServerConfig DefaultServerConfig();

struct UpdateContext {
    std::filesystem::path directory; // where douyin_ver.txt and douyin_ck.txt live
    ServerConfig server;
    ShowStatusFn showStatus;
    std::function<void()> processEvents; // called while waiting on the server and during Base64Decode; may be empty
};

// Brings douyin_ck.txt and douyin_ver.txt in `context.directory` in step with the server, shows the outcome's text
// through `context.showStatus` and returns the outcome. With the library source LocalSourceValue() (as restored from
// the settings) it makes no request and touches no file. When a request fails or the library would be empty, it
// writes nothing and says so in red; files are replaced atomically, the library before the version that vouches for
// it.
UpdateOutcome LibraryUpdater(const UpdateContext& context, const AnsiText& librarySource);

} // namespace qingtan
