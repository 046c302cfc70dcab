# SPDX-License-Identifier: GPL-3.0-or-later
# Holds every folder of the program to the headers of the libraries it links:
#   cmake -DROOT=<source tree> -P check_includes.cmake
# Prints each offending file, line and include, and fails if there is any.
#
#   toolkit/pixels.h, pixel_drawing.cpp   toolkit/pixels.h only
#   toolkit/ (the rest)                   toolkit/, and Qt
#   app/number_text.*                     app/number_text.h only
#   app/control_numbers.h                 nothing of the program
#   model/                                model/, number text, control numbers
#   display/                              display/, model/, number text, control numbers,
#                                         toolkit/toolkit.h and toolkit/pixels.h
#   app/ (the rest)                       app/, model/, display/, toolkit/toolkit.h, pixels.h
# Qt headers only in the toolkit's own files; no include climbs out with "../".
if(NOT DEFINED ROOT)
    message(FATAL_ERROR "usage: cmake -DROOT=<source tree> -P check_includes.cmake")
endif()

set(shared_text "app/number_text\\.h|app/control_numbers\\.h")
set(toolkit_api "toolkit/toolkit\\.h|toolkit/pixels\\.h")

function(allowed_includes file result)
    if(file MATCHES "^toolkit/(pixels\\.h|pixel_drawing\\.cpp)$")
        set(pattern "toolkit/pixels\\.h")
    elseif(file MATCHES "^toolkit/")
        set(pattern "toolkit/[a-z_]+\\.h")
    elseif(file MATCHES "^app/number_text\\.")
        set(pattern "app/number_text\\.h")
    elseif(file MATCHES "^app/control_numbers\\.h$")
        set(pattern "")
    elseif(file MATCHES "^model/")
        set(pattern "model/[a-z_]+\\.h|${shared_text}")
    elseif(file MATCHES "^display/")
        set(pattern "display/[a-z_]+\\.h|model/[a-z_]+\\.h|${shared_text}|${toolkit_api}")
    else()  # app/
        set(pattern "app/[a-z_]+\\.h|model/[a-z_]+\\.h|display/[a-z_]+\\.h|${toolkit_api}")
    endif()
    set(${result} "${pattern}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${ROOT}
     ${ROOT}/app/*.h ${ROOT}/app/*.cpp ${ROOT}/model/*.h ${ROOT}/model/*.cpp
     ${ROOT}/display/*.h ${ROOT}/display/*.cpp ${ROOT}/toolkit/*.h ${ROOT}/toolkit/*.cpp)
list(LENGTH sources count)
if(count EQUAL 0)
    message(FATAL_ERROR "no sources under ${ROOT}")
endif()

set(offences 0)
foreach(file IN LISTS sources)
    allowed_includes(${file} pattern)
    file(STRINGS ${ROOT}/${file} lines REGEX "^[ \t]*#[ \t]*include")
    set(qt_allowed FALSE)
    if(file MATCHES "^toolkit/toolkit_")
        set(qt_allowed TRUE)
    endif()
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*" "" included "${line}")
        string(REGEX REPLACE "[ \t]*//.*$" "" included "${included}")
        string(STRIP "${included}" included)
        set(bad "")
        if(included MATCHES "\\.\\./")
            set(bad "climbs out of its folder")
        elseif(included MATCHES "^<(Qt[A-Za-z]*/|Q[A-Z]|q[a-z_]*\\.h>)")
            if(NOT qt_allowed)
                set(bad "is a Qt header, which only the toolkit may include")
            endif()
        elseif(included MATCHES "^\"(.*)\"$")
            set(header "${CMAKE_MATCH_1}")
            if(pattern STREQUAL "" OR NOT header MATCHES "^(${pattern})$")
                set(bad "is not a header of a library this folder links")
            endif()
        endif()
        if(bad)
            message("${file}: #include ${included} ${bad}")
            math(EXPR offences "${offences} + 1")
        endif()
    endforeach()
endforeach()

if(offences GREATER 0)
    message(FATAL_ERROR "${offences} include(s) cross a library boundary")
endif()
message("${count} files include only what their libraries link")
