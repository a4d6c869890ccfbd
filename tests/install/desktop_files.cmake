# The desktop install: the menu entry and the software-centre metadata pass the
# desktop's own validators, and an install puts every file where the program and
# the desktop look for it.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry_test
        COMMAND ${DESKTOP_FILE_VALIDATE} ${PROJECT_SOURCE_DIR}/data/${VANTREL_APP_ID}.desktop)
    # It reports problems but returns 0 for anything short of an error.
    set_tests_properties(desktop_entry_test PROPERTIES FAIL_REGULAR_EXPRESSION "error|warning")
else()
    message(STATUS "desktop-file-validate not found: the desktop entry is not checked")
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    add_test(NAME metainfo_test
        COMMAND ${APPSTREAMCLI} validate --no-net
            ${PROJECT_BINARY_DIR}/${VANTREL_APP_ID}.metainfo.xml)
else()
    message(STATUS "appstreamcli not found: the AppStream metadata is not checked")
endif()

add_test(NAME install_layout_test
    COMMAND ${CMAKE_COMMAND}
        -DBUILD_DIR=${PROJECT_BINARY_DIR}
        -DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/install-layout
        -DAPP_ID=${VANTREL_APP_ID}
        -P ${CMAKE_CURRENT_SOURCE_DIR}/install_layout.cmake)
