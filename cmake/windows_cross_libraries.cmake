# The header-only libraries of the build machine serve the Windows cross build too. Their own package
# files would put the build machine's /usr/include on the compiler's path, so only their folders are
# linked into the build tree and used from there.
set(JUKEWRIGHT_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${JUKEWRIGHT_HOST_HEADERS})
foreach(folder CLI utf8cpp)
    if(NOT EXISTS /usr/include/${folder})
        message(FATAL_ERROR "/usr/include/${folder} is missing: install libcli11-dev and libutfcpp-dev")
    endif()
    file(CREATE_LINK /usr/include/${folder} ${JUKEWRIGHT_HOST_HEADERS}/${folder} SYMBOLIC)
endforeach()

add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${JUKEWRIGHT_HOST_HEADERS})
add_library(utf8cpp INTERFACE IMPORTED)
set_target_properties(utf8cpp PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${JUKEWRIGHT_HOST_HEADERS}/utf8cpp)
