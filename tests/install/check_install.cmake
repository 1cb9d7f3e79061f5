# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into ROOT/usr and checks the tree: every file the desktop
# needs is there with the manual page, license and changes, and the validators accept the menu entry and the metainfo
# (each validator only where it is installed).
file(REMOVE_RECURSE ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${ROOT}/usr
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
    bin/calculateur
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/man/man1/calculateur.1.gz
    share/doc/calculateur/copyright
    share/doc/calculateur/changelog.gz)
foreach(size IN LISTS ICON_SIZES)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${ROOT}/usr/${file})
        message(SEND_ERROR "missing from the install tree: ${file}")
    endif()
endforeach()

function(validate tool)
    find_program(program ${tool} NO_CACHE)
    if(NOT program)
        message(STATUS "${tool} is not installed: not run")
        return()
    endif()
    execute_process(COMMAND ${program} ${ARGN} RESULT_VARIABLE failed
                    OUTPUT_VARIABLE output ERROR_VARIABLE output)
    message(STATUS "${tool}: ${output}")
    if(failed)
        message(SEND_ERROR "${tool} refuses the install tree")
    endif()
endfunction()
validate(desktop-file-validate ${ROOT}/usr/share/applications/${APP_ID}.desktop)
validate(appstreamcli validate-tree ${ROOT})
