cmake_minimum_required(VERSION 3.25)
# Every .exe and .dll of the portable folder imports only DLLs that are in the
# folder or come with Windows: copied to another machine, it starts. Windows'
# own DLLs are those Wine rebuilds (its x86_64-windows folder), less the
# run-times of other compilers that Wine brings for programs that come without
# them, and the API sets that Windows resolves to them.
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${FOLDER} OUTPUT_QUIET)
file(GLOB_RECURSE binaries ${FOLDER}/*.exe ${FOLDER}/*.dll)
file(GLOB shipped RELATIVE ${FOLDER} ${FOLDER}/*.dll)
# Debian's Wine or WineHQ's packages, wherever they keep it.
execute_process(COMMAND dpkg-query -S */x86_64-windows/kernel32.dll OUTPUT_VARIABLE owner)
string(REGEX MATCH "/[^\n]*/x86_64-windows" wine_dlls "${owner}")
file(GLOB system RELATIVE ${wine_dlls} ${wine_dlls}/*.dll ${wine_dlls}/*.drv)
list(FILTER system EXCLUDE REGEX "^(msvc[pr][0-9]|msvcm|msvcrt[0-9d]|vcruntime|vcomp|concrt|d3dx[0-9]|atl[0-9])")
string(TOLOWER "${shipped};${system}" known)
if(NOT binaries OR NOT "kernel32.dll" IN_LIST known)
    message(FATAL_ERROR "nothing installed in ${FOLDER}, or no Wine's DLLs in '${wine_dlls}'")
endif()
foreach(binary IN LISTS binaries)
    execute_process(COMMAND ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE table)
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${table}")
    foreach(import IN LISTS imports)
        string(REGEX REPLACE "DLL Name: (.*)" "\\1" dll "${import}")
        string(TOLOWER "${dll}" dll)
        if(NOT dll IN_LIST known AND NOT dll MATCHES "^(api|ext)-ms-")
            message(SEND_ERROR "${binary} imports ${dll}, neither in the folder nor Windows'")
        endif()
    endforeach()
endforeach()
