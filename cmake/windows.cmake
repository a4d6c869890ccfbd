# The Windows program: no console window, the icon and the version in its
# resources, and a portable folder (the install tree) that holds everything it
# needs beside vantrel.exe: Qt's DLLs and plugins, the MinGW run-time, Qt's
# Chinese texts with a qt.conf that points at them, the help page and the
# licences. CPack packs the folder as a zip.

# The program's own resources: a multi-size icon made from the project's PNGs,
# and the version from the project, with the Chinese product name.
function(vantrel_windows_program target)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    set(pngs)
    foreach(size IN LISTS VANTREL_ICON_SIZES)
        list(APPEND pngs ${PROJECT_SOURCE_DIR}/data/icons/vantrel-${size}.png)
    endforeach()
    set(VANTREL_ICO ${CMAKE_CURRENT_BINARY_DIR}/vantrel.ico)
    add_custom_command(OUTPUT ${VANTREL_ICO}
        COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/data/windows/make_ico.py ${VANTREL_ICO} ${pngs}
        DEPENDS ${pngs} ${PROJECT_SOURCE_DIR}/data/windows/make_ico.py
        COMMENT "Windows icon from the project's PNG icons")
    configure_file(${PROJECT_SOURCE_DIR}/data/windows/vantrel.rc.in
        ${CMAKE_CURRENT_BINARY_DIR}/vantrel.rc @ONLY)
    # The target is defined in another folder: a target of this one makes the icon.
    add_custom_target(${target}_icon DEPENDS ${VANTREL_ICO})
    add_dependencies(${target} ${target}_icon)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/vantrel.rc)
endfunction()

vantrel_windows_program(vantrel)

# The portable folder.
install(TARGETS vantrel RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/data/vantrel.html DESTINATION .)

# Qt: the libraries, the platform and JPEG plugins, its Chinese texts. No style
# plugin: the program draws in Qt's own Fusion style on every desktop.
foreach(library Qt6::Core Qt6::Gui Qt6::Widgets)
    install(FILES $<TARGET_FILE:${library}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION imageformats)
install(FILES /usr/share/qt6/translations/qtbase_zh_CN.qm DESTINATION translations)
file(WRITE ${PROJECT_BINARY_DIR}/portable/qt.conf "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
install(FILES ${PROJECT_BINARY_DIR}/portable/qt.conf DESTINATION .)
# The build tree runs under Wine only (the crosscompiling emulator): beside the
# programs and tests there, Qt's plugins are the cross-built Qt's and its
# Chinese texts Debian's, through Wine's drive Z:, the host's root.
if(CMAKE_CROSSCOMPILING)
    get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
    cmake_path(GET qt_core_dll PARENT_PATH qt_bin)
    cmake_path(GET qt_bin PARENT_PATH qt_prefix)
    file(WRITE ${PROJECT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = Z:${qt_prefix}\n\
Translations = Z:/usr/share/qt6/translations\n")
endif()

# DLLs built elsewhere go into the folder stripped: Debian's MinGW run-time
# carries its debugging information (libstdc++ is 23 MB with it, 2 MB without),
# and so do GMP and MPFR as their builds leave them.
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/runtime)
function(vantrel_install_dll path)
    cmake_path(GET path FILENAME name)
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${PROJECT_BINARY_DIR}/runtime/${name}
        ${path} COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${PROJECT_BINARY_DIR}/runtime/${name} DESTINATION .)
endfunction()

# GMP's and MPFR's DLLs, also beside the tests in the build tree, where Windows
# looks first.
foreach(import_library ${MPFR_LIBRARY} ${GMP_LIBRARY})
    cmake_path(GET import_library PARENT_PATH lib)
    cmake_path(GET import_library FILENAME stem)
    string(REGEX REPLACE "\\.dll\\.a$" "" stem "${stem}")
    file(GLOB dll ${lib}/../bin/${stem}-*.dll)
    if(NOT dll)
        message(FATAL_ERROR "no DLL of ${import_library} in ${lib}/../bin")
    endif()
    file(COPY ${dll} DESTINATION ${PROJECT_BINARY_DIR})
    vantrel_install_dll(${dll})
endforeach()

# The MinGW run-time the program and Qt were built with.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS ${path})
        find_file(path ${dll} PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH NO_CACHE)
    endif()
    vantrel_install_dll(${path})
endforeach()

# The licences: Qt, GMP and MPFR under the LGPL (their DLLs can be replaced),
# the face, the MinGW run-time.
install(FILES ${PROJECT_SOURCE_DIR}/data/fonts/LICENSE-Apache-2.0.txt
    ${PROJECT_SOURCE_DIR}/data/fonts/README.md
    DESTINATION licences/vantrel-hei)
install(FILES ${PROJECT_SOURCE_DIR}/data/windows/LICENCES.txt DESTINATION .)
install(FILES /usr/share/common-licenses/LGPL-3 /usr/share/common-licenses/GPL-3
    DESTINATION licences/qt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licences/mingw-w64)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licences/gcc-runtime)
install(FILES /usr/share/doc/libgmp10/copyright DESTINATION licences/gmp)
install(FILES /usr/share/doc/libmpfr6/copyright DESTINATION licences/mpfr)

set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VENDOR Quorbin)
set(CPACK_PACKAGE_FILE_NAME vantrel-${PROJECT_VERSION}-windows-x64)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
include(CPack)
