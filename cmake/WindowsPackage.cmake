# The portable zip of the Windows command-line tools: both .exe files beside the default library, where the checker
# looks for it, in one folder to unpack anywhere and run.
install(TARGETS qingtan-check qingtan-publish RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/data/douyin_ck.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME qingtan)
set(CPACK_PACKAGE_FILE_NAME qingtan-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
include(CPack)
