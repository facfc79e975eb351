# Build-time settings of the product and of the build itself.
set(QINGTAN_SUPPORT_GROUP_NUMBER "583920417" CACHE STRING "Support chat-group number shown in status texts")

option(QINGTAN_BUILD_APP "Build the desktop program (needs Qt 6 Widgets)" ON)
option(QINGTAN_BUILD_UPDATER "Build the online library update and qingtan-update (needs libcurl)" ON)
option(QINGTAN_BUILD_TESTS "Build the test suites" ON)
option(QINGTAN_BUILD_BENCH "Build the benchmarks" ON)
option(QINGTAN_FUZZ "Build the libFuzzer harnesses (clang only)" OFF)
option(QINGTAN_WARNINGS_AS_ERRORS "Treat compiler warnings as errors (on in the presets CI uses)" OFF)
option(QINGTAN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
# Variants need ICU and OpenCC, which Debian packages for Linux only; a Windows build leaves them out by default.
if(WIN32)
    option(QINGTAN_VARIANTS "Find variants of the library's words (needs ICU and OpenCC)" OFF)
else()
    option(QINGTAN_VARIANTS "Find variants of the library's words (needs ICU and OpenCC)" ON)
endif()
set(QINGTAN_GTEST_SOURCE_DIR "" CACHE PATH "GoogleTest sources to build with the project (for a target without an installed GoogleTest); empty = find_package")
set(QINGTAN_LINUX_BIN_DIR "" CACHE PATH "A Linux build's bin folder, whose checker a Windows build's tests compare theirs with")

# The word-library server the program fetches from at start-up, and an extra CA bundle to trust for it.
set(QINGTAN_SERVER_BASE_URL "https://127.0.0.1:8443/" CACHE STRING "HTTPS base address of the word-library server, ending in /")
set(QINGTAN_SERVER_CA_FILE "" CACHE FILEPATH "Extra CA bundle (PEM) trusted for the word-library server; empty = system store only")
if(NOT QINGTAN_SERVER_BASE_URL MATCHES "^https://[^/]+/(.*/)?$")
    message(FATAL_ERROR "QINGTAN_SERVER_BASE_URL must be an https URL ending in \"/\", got \"${QINGTAN_SERVER_BASE_URL}\"")
endif()
