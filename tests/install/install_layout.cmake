cmake_minimum_required(VERSION 3.25)
# Installs the build into PREFIX and checks every file of a desktop install: the
# program, its help page where the program looks for it (<bin>/../share/vantrel),
# the menu entry naming them, the metadata and the icons.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
set(expected bin/vantrel share/vantrel/vantrel.html share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size IN LISTS ICON_SIZES)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop entry)
if(NOT "Exec=vantrel" IN_LIST entry OR NOT "Icon=${APP_ID}" IN_LIST entry)
    message(FATAL_ERROR "the desktop entry does not name bin/vantrel and its icon")
endif()
file(REMOVE_RECURSE ${PREFIX})
