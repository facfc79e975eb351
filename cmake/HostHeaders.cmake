# qingtan_host_headers(TARGET HEADER): for a cross build, an INTERFACE target whose include folder holds only HEADER
# (a file or folder of the build machine's /usr/include), linked in from there. A header-only library serves the
# target this way; the build machine's /usr/include itself must never be on the include path, where its C
# library's headers would come before the target's.
function(qingtan_host_headers target header)
    string(MAKE_C_IDENTIFIER "QINGTAN_HOST_${header}_DIR" variable)
    find_path(${variable} ${header} PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    string(MAKE_C_IDENTIFIER "${target}" name)
    set(folder ${CMAKE_BINARY_DIR}/host-headers/${name})
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK ${${variable}}/${header} ${folder}/${header} SYMBOLIC)
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    target_include_directories(${target} SYSTEM INTERFACE ${folder})
endfunction()
