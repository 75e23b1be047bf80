# Every task in examples/ is what its edit script makes of a new task, so the
# scripts stay the way to read and rebuild them.
# Usage: cmake -DUZX=path/to/uzx -DEXAMPLES=examples -DWORK_DIR=dir -P CheckExamples.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
execute_process(COMMAND "${UZX}" new "${WORK_DIR}/new.UZX" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "uzx new failed")
endif()

file(GLOB scripts "${EXAMPLES}/*/*.script")
if(NOT scripts)
    message(FATAL_ERROR "no example scripts in ${EXAMPLES}")
endif()
foreach(script IN LISTS scripts)
    get_filename_component(folder "${script}" DIRECTORY)
    get_filename_component(name "${script}" NAME_WE)
    set(stored "${folder}/${name}.UZX")
    set(rebuilt "${WORK_DIR}/${name}.UZX")
    execute_process(COMMAND "${UZX}" edit "${WORK_DIR}/new.UZX" "${rebuilt}" --script "${script}"
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR NOT out MATCHES "modified=1")
        message(FATAL_ERROR "${script}: ${err}${out}")
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${stored}" "${rebuilt}" RESULT_VARIABLE differ)
    if(NOT differ EQUAL 0)
        message(FATAL_ERROR "${stored} is not what ${name}.script makes; rebuild it with the command in the script")
    endif()
endforeach()
