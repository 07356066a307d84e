# The installed files and the Debian package made of them (`make package`).

include(GNUInstallDirs)
install(TARGETS zelmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped program (the package's) also loses the compilers' notes, as Debian's own packages do.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/zelmora\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
install(FILES ${PROJECT_SOURCE_DIR}/data/${ZELMORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${ZELMORA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The AppStream file names its maker the way the release's AppStream reads it: AppStream 1.0 has
# <developer> and takes <developer_name> as deprecated, while 0.16 knows only <developer_name>.
find_program(APPSTREAMCLI appstreamcli)
set(ZELMORA_METAINFO_DEVELOPER "<developer id=\"example.quimbel\"><name>Quimbel</name></developer>")
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} --version OUTPUT_VARIABLE appstream_version)
    string(REGEX MATCH "[0-9]+\\.[0-9]+(\\.[0-9]+)?" appstream_version "${appstream_version}")
    if(appstream_version VERSION_LESS 1.0)
        set(ZELMORA_METAINFO_DEVELOPER "<developer_name>Quimbel</developer_name>")
    endif()
endif()
set(ZELMORA_METAINFO ${PROJECT_BINARY_DIR}/data/${ZELMORA_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/data/${ZELMORA_APP_ID}.metainfo.xml.in ${ZELMORA_METAINFO} @ONLY)
install(FILES ${ZELMORA_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelmora RENAME copyright)

# The manual page and the changelog, compressed as Debian keeps them (gzip -n: no name or time in
# the header, so that the same sources give the same package).
set(compressed ${PROJECT_BINARY_DIR}/data)
foreach(file zelmora.1 changelog)
    add_custom_command(OUTPUT ${compressed}/${file}.gz
        COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/data/${file} > ${compressed}/${file}.gz
        DEPENDS ${PROJECT_SOURCE_DIR}/data/${file}
        COMMENT "Compressing ${file}")
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed}/zelmora.1.gz ${compressed}/changelog.gz)
install(FILES ${compressed}/zelmora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${compressed}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zelmora)
# The program speaks Spanish, and Debian 12's lintian (2.116) takes a word of its texts for a
# misspelt English one, where Debian 13's (2.122) no longer flags it. The override is written only
# for a lintian that flags the word: one that nothing matches is itself a warning.
set(ZELMORA_LINTIAN_SPELLING_OVERRIDES "")
find_program(ZELMORA_LINTIAN lintian)
if(ZELMORA_LINTIAN)
    execute_process(COMMAND ${ZELMORA_LINTIAN} --version OUTPUT_VARIABLE lintian_version
                    ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REGEX MATCH "[0-9]+\\.[0-9]+(\\.[0-9]+)?" lintian_version "${lintian_version}")
    if(lintian_version AND lintian_version VERSION_LESS 2.117)
        string(APPEND ZELMORA_LINTIAN_SPELLING_OVERRIDES
            "# \"requiere\" is the Spanish word, not a misspelt \"require\".\n"
            "zelmora: spelling-error-in-binary requiere require [usr/bin/zelmora]\n")
    endif()
endif()
configure_file(${PROJECT_SOURCE_DIR}/data/lintian-overrides.in
               ${PROJECT_BINARY_DIR}/data/lintian-overrides @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME zelmora)

# The Debian package: `make package`. dpkg-shlibdeps derives the libraries it depends on from the
# linked binary (libqt6gui6 brings the X11 platform plugin); the font and Qt's Spanish texts are
# named by hand, because the program only looks for them at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelmora)
set(CPACK_PACKAGE_VENDOR Quimbel)
set(CPACK_PACKAGE_CONTACT "Quimbel <zelmora@quimbel.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://quimbel.example/zelmora)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculator of areas, volumes, right triangles and metric units for students")
set(CPACK_PACKAGE_DESCRIPTION "\
Zelmora computes the areas, perimeters and volumes of figures, completes right\n\
triangles and proportions (the rule of three), and converts metric units of\n\
length, area and volume. Its whole interface is in Spanish.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-crosextra-carlito, qt6-translations-l10n")
# Under Wayland, Qt otherwise falls back to X11 through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
