# Installs the build into WORK_DIR/prefix and checks that the installed programs run there and find
# their data folder in share/jukewright: a save into a cstrike folder without a key-binding list of its
# own must get the installed default list.
#
# Variables: BUILD_DIR, WORK_DIR, DATA_SOURCE_DIR, APP_ID, VERSION.

function(fail)
    string(JOIN "" text ${ARGN})
    message(FATAL_ERROR "${text}")
endfunction()

function(expect_file path)
    if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
        fail("not installed: ${path}")
    endif()
endfunction()

set(prefix "${WORK_DIR}/prefix")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/home" "${WORK_DIR}/mods/cstrike" "${WORK_DIR}/music")

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    fail("cmake --install failed (${status}):\n${output}")
endif()

# Everything of data/ lands in the data folder, and nothing of it beside the programs: the installed
# programs must take the second way of finding it.
file(GLOB_RECURSE data_files RELATIVE "${DATA_SOURCE_DIR}" "${DATA_SOURCE_DIR}/*")
if(NOT data_files)
    fail("no data files found in ${DATA_SOURCE_DIR}")
endif()
foreach(file ${data_files})
    expect_file("${prefix}/share/jukewright/${file}")
endforeach()
foreach(program jukewright jukewright-cli)
    expect_file("${prefix}/bin/${program}")
endforeach()
if(EXISTS "${prefix}/bin/kb_act")
    fail("data files were installed beside the programs in ${prefix}/bin")
endif()

foreach(file
        "share/applications/${APP_ID}.desktop"
        "share/metainfo/${APP_ID}.metainfo.xml"
        "share/icons/hicolor/48x48/apps/${APP_ID}.png"
        "share/icons/hicolor/256x256/apps/${APP_ID}.png"
        "share/icons/hicolor/scalable/apps/${APP_ID}.svg"
        "share/doc/jukewright/copyright"
        "share/doc/jukewright/changelog.gz"
        "share/man/man1/jukewright.1.gz"
        "share/man/man1/jukewright-cli.1.gz")
    expect_file("${prefix}/${file}")
endforeach()

# The newest release the metadata names is the version being installed.
file(READ "${prefix}/share/metainfo/${APP_ID}.metainfo.xml" metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" release "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("the newest release in the AppStream metadata is '${CMAKE_MATCH_1}', the project is ${VERSION}")
endif()

set(cli "${prefix}/bin/jukewright-cli")
execute_process(COMMAND "${cli}" --help RESULT_VARIABLE status OUTPUT_VARIABLE help ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT help MATCHES "save")
    fail("jukewright-cli --help failed (${status}):\n${help}${errors}")
endif()

file(WRITE "${WORK_DIR}/music/Blue Sky.mp3" "blue")
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "HOME=${WORK_DIR}/home"
                        "${cli}" save --mod "${WORK_DIR}/mods/cstrike" "${WORK_DIR}/music/Blue Sky.mp3"
                WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    fail("jukewright-cli save failed (${status}):\n${output}")
endif()

set(list_path "${WORK_DIR}/mods/cstrike/gfx/shell/kb_act.lst")
expect_file("${list_path}")
file(READ "${list_path}" saved_list)
file(READ "${prefix}/share/jukewright/kb_act/cstrike/kb_act.lst" default_list)
string(FIND "${saved_list}" "${default_list}" at)
if(NOT at EQUAL 0 OR NOT saved_list MATCHES "MP3 Player Controls")
    fail("the saved key-binding list is not cstrike's installed default list with the jukebox's section:\n"
         "${saved_list}")
endif()
expect_file("${WORK_DIR}/mods/cstrike/mp3s/BlueSky.mp3")

file(REMOVE_RECURSE "${WORK_DIR}")
