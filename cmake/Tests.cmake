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
        PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 120)
endfunction()

# add_qt_test_program(NAME SOURCES files... LIBS libs...): one widget test
# program with the shared QApplication main, registered with CTest. Every test
# has a time limit, so a dialog nobody closes fails instead of hanging CI.
# The offscreen platform gets two screens side by side (testing/qt), so tests
# can place windows on a screen of a known size.
set(MOSTREL_TEST_QPA_PLATFORM "offscreen:configfile=${PROJECT_SOURCE_DIR}/testing/qt/offscreen_screens.json")
function(add_qt_test_program name)
    if(NOT (MOSTREL_BUILD_TESTS AND MOSTREL_BUILD_UI))
        return()
    endif()
    cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS} testing_qt)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=${MOSTREL_TEST_QPA_PLATFORM}" TIMEOUT 60)
endfunction()
