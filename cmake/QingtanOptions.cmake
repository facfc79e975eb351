# Build-time settings of the product and of the build itself.
set(QINGTAN_SUPPORT_GROUP_NUMBER "583920417" CACHE STRING "Support chat-group number shown in status texts")

option(QINGTAN_BUILD_APP "Build the desktop program (needs Qt 6 Widgets)" ON)
option(QINGTAN_BUILD_TESTS "Build the test suites" ON)
option(QINGTAN_BUILD_BENCH "Build the benchmarks" ON)
option(QINGTAN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
