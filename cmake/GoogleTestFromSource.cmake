# A cross build finds no GoogleTest for the target system, so it builds one
# from the sources Debian ships (package googletest). They name their targets
# GTest::gtest_main and GTest::gmock, as find_package(GTest) does.
set(MOSTREL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for a cross build")
if(NOT EXISTS ${MOSTREL_GTEST_SOURCE}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${MOSTREL_GTEST_SOURCE}: install googletest or set MOSTREL_GTEST_SOURCE")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${MOSTREL_GTEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# Its own code is not ours to hold to our warning rules.
set_target_properties(gtest gtest_main gmock gmock_main PROPERTIES COMPILE_WARNING_AS_ERROR OFF)

