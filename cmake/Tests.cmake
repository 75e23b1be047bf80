# add_folder_tests(NAME LIBS...): one test program of every *_test.cpp in the
# calling folder, linked with LIBS and GoogleTest, registered with CTest.
# Nothing when MOSTREL_BUILD_TESTS is off; *_posix_test.cpp only on POSIX.
function(add_folder_tests name)
    if(NOT MOSTREL_BUILD_TESTS)
        return()
    endif()
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp")
    if(NOT UNIX)
        list(FILTER sources EXCLUDE REGEX "_posix_test\\.cpp$")
    endif()
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest_main GTest::gmock)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()
