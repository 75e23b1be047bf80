# Programs built for Windows run here under Wine when it is installed: the
# tests, and the converter that makes the language file. They run in the
# build's own Wine prefix, never in the user's ~/.wine.
find_program(MOSTREL_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(NOT MOSTREL_WINE)
    return()
endif()

set(MOSTREL_WINEPREFIX ${PROJECT_BINARY_DIR}/wine CACHE PATH "The Wine prefix the build's programs run in")
# A native build of this tree with vterm and uzx_wine_tests built, for the
# serial link under Wine (tools/uzx/wine); none, and that test is left out.
set(MOSTREL_HOST_BUILD "" CACHE PATH "A native build of this tree for the serial link tests under Wine")
# No debug chatter, and no offer to fetch .NET or a browser engine into the prefix.
set(MOSTREL_WINE_ENV WINEPREFIX=${MOSTREL_WINEPREFIX} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=)
set(CMAKE_CROSSCOMPILING_EMULATOR env ${MOSTREL_WINE_ENV} ${MOSTREL_WINE})

find_program(MOSTREL_WINESERVER NAMES wineserver PATHS /usr/lib/wine REQUIRED)

# The first run makes the prefix; made here, two programs the build runs at
# once do not both try it.
if(NOT EXISTS ${MOSTREL_WINEPREFIX}/system.reg)
    message(STATUS "Making the Wine prefix ${MOSTREL_WINEPREFIX}")
    execute_process(COMMAND env ${MOSTREL_WINE_ENV} ${MOSTREL_WINE} wineboot --init
                    OUTPUT_QUIET ERROR_QUIET)
endif()

# The tests run in one Wine session started before them. The first Wine
# program starts the background services, and they would hold that
# program's output open: a test started first would wait for them to end.
# Started here without an output, the session stays 30 seconds after its
# last program and then ends by itself; one still running is used as it is.
if(MOSTREL_BUILD_TESTS)
    add_test(NAME WineSession
        COMMAND env ${MOSTREL_WINE_ENV} sh -c [[exec </dev/null >/dev/null 2>&1; "$0" -p30; "$1" wineboot]]
                ${MOSTREL_WINESERVER} ${MOSTREL_WINE})
    set_tests_properties(WineSession PROPERTIES FIXTURES_SETUP Wine)
    set(MOSTREL_EMULATOR_FIXTURE Wine)
endif()
