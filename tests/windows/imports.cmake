cmake_minimum_required(VERSION 3.25)
# Every .exe and .dll of the portable folder imports only DLLs that are in the
# folder or come with Windows: copied to another machine, it starts.
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${FOLDER} OUTPUT_QUIET)
file(GLOB_RECURSE binaries ${FOLDER}/*.exe ${FOLDER}/*.dll)
file(GLOB shipped RELATIVE ${FOLDER} ${FOLDER}/*.dll)
string(TOLOWER "${shipped};advapi32;authz;comctl32;comdlg32;crypt32;d2d1;d3d11;d3d12;d3d9;dwmapi;\
dwrite;dxgi;gdi32;imm32;kernel32;mpr;msvcrt;netapi32;ntdll;ole32;oleaut32;setupapi;shcore;\
shell32;shlwapi;user32;userenv;uxtheme;version;winmm;winspool;ws2_32;wtsapi32" known)
foreach(binary IN LISTS binaries)
    execute_process(COMMAND ${OBJDUMP} -p ${binary} OUTPUT_VARIABLE table)
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${table}")
    foreach(import IN LISTS imports)
        string(REGEX REPLACE "DLL Name: (.*)" "\\1" dll "${import}")
        string(TOLOWER "${dll}" dll)
        string(REGEX REPLACE "\\.(dll|drv)$" "" name "${dll}")
        if(NOT dll IN_LIST known AND NOT name IN_LIST known AND NOT name MATCHES "^api-ms-win-")
            message(SEND_ERROR "${binary} imports ${dll}, neither in the folder nor Windows'")
        endif()
    endforeach()
endforeach()
if(NOT binaries)
    message(FATAL_ERROR "nothing installed in ${FOLDER}")
endif()
