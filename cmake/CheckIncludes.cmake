# Checks that every source file includes only what its layer may use:
#   cmake -DSOURCE_DIR=<top of the tree> -P cmake/CheckIncludes.cmake
# Dependencies point down: programs -> Qt layers -> cores -> designer/task and
# the text layer -> common. docs/ARCHITECTURE.md says the same in words; keep
# the two in step.

# A script run sets no policies by itself; without this, GLOB_RECURSE follows
# symbolic links, and one to / (a Wine prefix's z: drive in a build tree) has
# it walk the whole file system.
cmake_minimum_required(VERSION 3.25)

# Folder of the including file -> the folders its quoted includes may name.
# The longest matching folder decides. Every folder may include itself.
set(layers
    "common/"             "common/"
    "common/text/"        "common/"
    "common/qt/"          "common/"
    "designer/strings/"   "common/"
    "designer/task/"      "common/,designer/strings/"
    "designer/link/"      "common/"
    "designer/transfer/"  "common/,designer/strings/,designer/task/,designer/link/"
    "designer/simulator/" "common/,designer/strings/,designer/task/"
    "designer/editors/"   "common/,designer/strings/,designer/task/"
    "designer/shell/"     "common/,designer/"
    "loader/"             "common/,designer/task/,designer/link/"
    "loader/app/"         "common/,designer/task/,designer/link/,loader/"
    "loader/link/"        "common/,designer/task/,designer/link/,loader/"
    "loader/pages/"       "common/,designer/task/,designer/link/,loader/"
    "tools/uzx/"          "common/,designer/strings/,designer/task/,designer/link/,designer/transfer/,designer/simulator/,designer/editors/,loader/"
    "tools/vterm/"        "common/,designer/strings/,designer/task/,designer/link/,designer/transfer/"
    "testing/"            "common/,designer/strings/,designer/task/,designer/link/,designer/transfer/,tools/vterm/,loader/"
    "bench/"              "common/,designer/strings/,designer/task/,designer/link/,designer/transfer/,testing/,loader/"
    "fuzz/"               "common/,designer/,loader/,tools/,testing/")

# Where Qt may be included: the Qt layers, the widget tests and *_qt.cpp files.
set(qt_zones "common/qt/" "testing/qt/" "designer/shell/" "designer/simulator/qt/" "designer/editors/qt/" "loader/app/")

function(allowed_for file out)
    set(best "")
    set(best_allowed "")
    list(LENGTH layers count)
    math(EXPR last "${count} - 1")
    foreach(i RANGE 0 ${last} 2)
        list(GET layers ${i} folder)
        math(EXPR j "${i} + 1")
        list(GET layers ${j} allowed)
        string(REPLACE "," ";" allowed "${allowed}")
        string(LENGTH "${folder}" length)
        string(SUBSTRING "${file}" 0 ${length} head)
        string(LENGTH "${best}" best_length)
        if(head STREQUAL folder AND length GREATER best_length)
            set(best "${folder}")
            set(best_allowed "${allowed}")
        endif()
    endforeach()
    set(${out} "${best};${best_allowed}" PARENT_SCOPE)
endfunction()

function(starts_with text prefix out)
    string(LENGTH "${prefix}" length)
    string(SUBSTRING "${text}" 0 ${length} head)
    if(head STREQUAL prefix)
        set(${out} TRUE PARENT_SCOPE)
    else()
        set(${out} FALSE PARENT_SCOPE)
    endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}"
    "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(problems "")
foreach(file IN LISTS sources)
    if(file MATCHES "^(build|cmake/)")
        continue()  # build trees, and the check's own example of a wrong tree
    endif()
    allowed_for("${file}" rule)
    list(POP_FRONT rule own)
    if(own STREQUAL "")
        continue()
    endif()
    set(test_file FALSE)
    if(file MATCHES "_test\\.cpp$|/ui_tests/|_test_support\\.h$|/test_support\\.h$")
        set(test_file TRUE)
        list(APPEND rule "testing/")
    endif()
    set(qt_allowed ${test_file})
    if(file MATCHES "_qt\\.cpp$")
        set(qt_allowed TRUE)
    endif()
    foreach(zone IN LISTS qt_zones)
        starts_with("${file}" "${zone}" inside)
        if(inside)
            set(qt_allowed TRUE)
        endif()
    endforeach()

    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
        if(line MATCHES "include[ \t]*<(Q[A-Za-z]*|Qt[A-Za-z]*/[^>]*)>")
            if(NOT qt_allowed)
                string(APPEND problems "${file}: includes Qt (${CMAKE_MATCH_1}) outside a Qt layer\n")
            endif()
            continue()
        endif()
        if(NOT line MATCHES "include[ \t]*\"([^\"]+)\"")
            continue()
        endif()
        set(target "${CMAKE_MATCH_1}")
        if(NOT target MATCHES "/")
            continue()  # generated or local headers
        endif()
        set(ok FALSE)
        foreach(prefix IN LISTS rule own)
            starts_with("${target}" "${prefix}" match)
            if(match)
                set(ok TRUE)
            endif()
        endforeach()
        # Only the designer's entry point, its tests and the fuzz targets (of
        # the settings file) reach into the shell.
        starts_with("${target}" "designer/shell/" into_shell)
        starts_with("${file}" "designer/shell/" from_shell)
        starts_with("${file}" "fuzz/" from_fuzz)
        if(into_shell AND NOT from_shell AND NOT from_fuzz)
            set(ok FALSE)
        endif()
        if(NOT ok)
            string(APPEND problems "${file}: may not include ${target}\n")
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "Includes against the layering:\n${problems}")
endif()
message(STATUS "Every include follows the layering.")
