# The user's manual: a Spanish HTML page written by zelmora-manual from the program's own tables,
# with pictures of the windows from the render tool, beside the program in the build folder and
# installed with it.

include(GNUInstallDirs)

set(ZELMORA_MANUAL_URL "" CACHE STRING
    "Web address of the manual on the maker's site (https://.../zelmora-help.html); empty opens the installed page")
if(ZELMORA_MANUAL_URL AND NOT ZELMORA_MANUAL_URL MATCHES "^https?://[^\"\\ ]+/zelmora-help\\.html$")
    message(FATAL_ERROR "ZELMORA_MANUAL_URL must be an http or https address of zelmora-help.html, "
                        "not '${ZELMORA_MANUAL_URL}'")
endif()
set(ZELMORA_MANUAL_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/zelmora/manual)
# Relative, so that the installed program finds its page under any prefix.
file(RELATIVE_PATH ZELMORA_MANUAL_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/zelmora/manual)
configure_file(${PROJECT_SOURCE_DIR}/shell/manualsettings.h.in
               ${PROJECT_BINARY_DIR}/generated/shell/manualsettings.h @ONLY)
target_include_directories(zelmora_ui PRIVATE ${PROJECT_BINARY_DIR}/generated)

add_executable(zelmora-manual ${PROJECT_SOURCE_DIR}/tools/manual.cpp
               ${PROJECT_SOURCE_DIR}/tools/manualpage.cpp)
target_link_libraries(zelmora-manual PRIVATE zelmora_core)

set(ZELMORA_MANUAL_DIR ${PROJECT_BINARY_DIR}/manual)
set(pictures ${PROJECT_BINARY_DIR}/manual-pictures)
# At twice the screen's scale, so that the pictures stay sharp on dense screens and on paper.
# A build step rather than a test: a leak report of a sanitizer build must not stop it.
add_custom_command(OUTPUT ${pictures}/rendered.stamp
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:zelmora-render> ${pictures} 2 >/dev/null
    COMMAND ${CMAKE_COMMAND} -E touch ${pictures}/rendered.stamp
    DEPENDS zelmora-render
    COMMENT "Rendering the windows for the manual")
add_custom_command(OUTPUT ${ZELMORA_MANUAL_DIR}/zelmora-help.html
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZELMORA_MANUAL_DIR}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZELMORA_MANUAL_DIR}
    COMMAND zelmora-manual ${pictures} ${ZELMORA_MANUAL_DIR} ${PROJECT_VERSION}
    DEPENDS zelmora-manual ${pictures}/rendered.stamp
    COMMENT "Writing the user's manual")
add_custom_target(manual ALL DEPENDS ${ZELMORA_MANUAL_DIR}/zelmora-help.html)

install(DIRECTORY ${ZELMORA_MANUAL_DIR}/ DESTINATION ${ZELMORA_MANUAL_INSTALL_DIR})
