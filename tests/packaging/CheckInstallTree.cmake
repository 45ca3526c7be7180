# Installs the build tree BUILD_DIR into a fresh PREFIX and checks what a desktop needs:
# the program on the PATH with its helper out of it, its desktop entry and AppStream
# description (validated by the desktop's own tools where they are installed), the icon at
# every size of the hicolor theme and the manual pages.

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE Result OUTPUT_QUIET)
if(NOT Result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${Result}")
endif()

set(Desktop ${PREFIX}/share/applications/ruxa-calendar.desktop)
set(Metainfo ${PREFIX}/share/metainfo/org.example.ruxa.calendar.metainfo.xml)
set(Icons ${PREFIX}/share/icons/hicolor)
set(Failures)

foreach(file ${PREFIX}/bin/ruxa-calendar ${PREFIX}/libexec/ruxa-calendar/ruxa-weather-capture
        ${Desktop} ${Metainfo} ${Icons}/scalable/apps/ruxa-calendar.svg
        ${PREFIX}/share/man/man1/ruxa-calendar.1.gz
        ${PREFIX}/share/man/zh_CN/man1/ruxa-calendar.1.gz
        ${PREFIX}/share/man/man1/ruxa-cal.1.gz ${PREFIX}/share/man/zh_CN/man1/ruxa-cal.1.gz)
    if(NOT EXISTS ${file})
        list(APPEND Failures "missing ${file}")
    endif()
endforeach()

if(EXISTS ${PREFIX}/bin/ruxa-weather-capture)
    list(APPEND Failures "the capture helper is on the PATH")
endif()

# Every rendered icon is a PNG of its folder's size (width and height at bytes 16..23).
foreach(size 16 22 24 32 48 64 128 256)
    set(icon ${Icons}/${size}x${size}/apps/ruxa-calendar.png)
    if(NOT EXISTS ${icon})
        list(APPEND Failures "missing ${icon}")
        continue()
    endif()
    file(READ ${icon} Signature LIMIT 8 HEX)
    file(READ ${icon} Dimensions OFFSET 16 LIMIT 8 HEX)
    math(EXPR Expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING ${Expected} 2 -1 Hex)
    string(LENGTH ${Hex} Length)
    math(EXPR Padding "8 - ${Length}")
    string(REPEAT "0" ${Padding} Zeros)
    string(TOLOWER "${Zeros}${Hex}${Zeros}${Hex}" Square)
    if(NOT Signature STREQUAL "89504e470d0a1a0a" OR NOT Dimensions STREQUAL Square)
        list(APPEND Failures "${icon} is not a ${size} x ${size} PNG")
    endif()
endforeach()

if(EXISTS ${Desktop})
    # Whole lines of the entry; the semicolons of the categories stay plain text here.
    file(READ ${Desktop} Entry)
    string(PREPEND Entry "\n")
    foreach(line "Name=万年历" "Exec=ruxa-calendar" "Icon=ruxa-calendar"
            "StartupWMClass=ruxa-calendar")
        string(FIND "${Entry}" "\n${line}\n" At)
        if(At EQUAL -1)
            list(APPEND Failures "the desktop entry lacks the line ${line}")
        endif()
    endforeach()
    string(FIND "${Entry}" "\nCategories=Office;Calendar;\n" At)
    if(At EQUAL -1)
        list(APPEND Failures "the desktop entry lacks the categories Office and Calendar")
    endif()
    find_program(DesktopFileValidate desktop-file-validate)
    if(DesktopFileValidate)
        execute_process(COMMAND ${DesktopFileValidate} ${Desktop}
                        RESULT_VARIABLE Result OUTPUT_VARIABLE Report ERROR_VARIABLE Report)
        if(NOT Result EQUAL 0 OR NOT Report STREQUAL "")
            list(APPEND Failures "desktop-file-validate: ${Report}")
        endif()
    endif()
endif()

if(EXISTS ${Metainfo})
    find_program(AppStreamCli appstreamcli)
    if(AppStreamCli)
        execute_process(COMMAND ${AppStreamCli} validate --no-net --explain ${Metainfo}
                        RESULT_VARIABLE Result OUTPUT_VARIABLE Report ERROR_VARIABLE Report)
        if(NOT Result EQUAL 0)
            list(APPEND Failures "appstreamcli validate: ${Report}")
        endif()
    endif()
endif()

if(Failures)
    list(JOIN Failures "\n  " Text)
    message(FATAL_ERROR "The installed tree is incomplete:\n  ${Text}")
endif()
