#pragma once

namespace qingtan {

// What an update did. Its status text tells the user; this tells the caller.
enum class UpdateOutcome {
    UpToDate,         // the stored version is the server's and the library is there: nothing written
    Updated,          // the library was fetched and written, and the version with it when that changed
    Failed,           // a request, the payload or a write failed (shown in red)
    LocalLibraryKept, // the library source is the local one: no request made
};

} // namespace qingtan
