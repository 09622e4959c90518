# Windows build: Quorvel.exe, quorvel-cli.exe and the Win32 tests that run under Wine.
# No link time in the executables' headers: two builds of one commit give the same
# bytes, and so the same release zip (scripts/package.sh).
add_link_options(-Wl,--no-insert-timestamp)

# Programs link the layers' ordinary code; only Quorvel.exe, below, links their
# link-time code as one program.
string(APPEND CMAKE_EXE_LINKER_FLAGS_MINSIZEREL " -fno-lto")
string(APPEND CMAKE_EXE_LINKER_FLAGS_RELEASE " -fno-lto")
add_executable(Quorvel WIN32 ${PROJECT_SOURCE_DIR}/src/app/main.cpp ${PROJECT_SOURCE_DIR}/res/quorvel.rc)
# Stripped in release builds: the static runtime's debug sections would triple its size.
# Linked whole-program with unused sections dropped, for the smallest executable.
# One partition: GCC 12's MinGW LTO fails with an internal error when it splits
# the program (seen in binds_to_current_def_p).
target_link_options(Quorvel PRIVATE -municode
  $<$<CONFIG:MinSizeRel,Release>:-s -flto -flto-partition=one -Wl,--gc-sections>)
target_link_libraries(Quorvel PRIVATE quorvel_app)
set_target_properties(Quorvel PROPERTIES OUTPUT_NAME Quorvel)

# Figures of the windows under Wine, run by hand (bench/window_figures.sh).
add_executable(window_figures ${PROJECT_SOURCE_DIR}/bench/window_figures.cpp ${PROJECT_SOURCE_DIR}/res/test.rc)
target_link_options(window_figures PRIVATE -municode)
target_link_libraries(window_figures PRIVATE quorvel_app)

# The header-only JSON library is installed for the host; its headers are portable,
# but the host's /usr/include must not reach the cross compiler, so link just its folder.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/host-headers)
file(CREATE_LINK /usr/include/nlohmann ${CMAKE_BINARY_DIR}/host-headers/nlohmann SYMBOLIC)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json INTERFACE ${CMAKE_BINARY_DIR}/host-headers)
add_subdirectory(src/cli)

# GoogleTest from Debian's sources, built by the cross compiler.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Stands in for other programs beside the clock (a full-screen one, a window beneath ...),
# for the Win32 tests and the end-to-end scripts; built beside them.
add_executable(desktop_stand_in WIN32 ${PROJECT_SOURCE_DIR}/tests/win/harness/desktop_stand_in.cpp)
target_link_options(desktop_stand_in PRIVATE -municode)
target_link_libraries(desktop_stand_in PRIVATE shell32)

# The Wine session: one Xvfb, one wineserver and one desktop keeper for the whole run.
add_executable(wine_keepalive WIN32 ${PROJECT_SOURCE_DIR}/tests/win/harness/keepalive.cpp)
target_link_options(wine_keepalive PRIVATE -municode)
set(wine_session ${PROJECT_SOURCE_DIR}/scripts/wine/session.sh)
add_test(NAME wine.session.start COMMAND bash ${wine_session} start $<TARGET_FILE:wine_keepalive>)
add_test(NAME wine.session.stop COMMAND bash ${wine_session} stop)
# Each build folder has its own Wine session and prefix, so two builds never share one.
set(QUORVEL_WINE_ENV QUORVEL_WINE_DIR=${CMAKE_BINARY_DIR}/wine)
set_tests_properties(wine.session.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120 ENVIRONMENT "${QUORVEL_WINE_ENV}")
set_tests_properties(wine.session.stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60 ENVIRONMENT "${QUORVEL_WINE_ENV}")
# How tests start Wine programs, checked against a stand-in for Wine's loader.
add_test(NAME wine.starts_made_again COMMAND bash ${PROJECT_SOURCE_DIR}/tests/wine/starts_made_again.sh)
set_tests_properties(wine.starts_made_again PROPERTIES TIMEOUT 60)

# Every tests/win/*_test.cpp is one GoogleTest program run under Wine.
add_library(win_test_support STATIC ${PROJECT_SOURCE_DIR}/tests/win/harness/test_main.cpp)
target_link_libraries(win_test_support PUBLIC quorvel_app gtest)
target_include_directories(win_test_support PUBLIC ${PROJECT_SOURCE_DIR}/tests/win)
# Programs named in QUORVEL_LOCALE_TESTS run once per locale of QUORVEL_TEST_LOCALES
# instead, with LANG set and the locale named in QUORVEL_TEST_LOCALE.
include(${PROJECT_SOURCE_DIR}/cmake/locale_tests.cmake)

# Committed sample files (tests/data) go beside the test programs, in test-data\.
file(GLOB test_data CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/data/*)
foreach(f ${test_data})
  get_filename_component(name ${f} NAME)
  configure_file(${f} ${CMAKE_BINARY_DIR}/test-data/${name} COPYONLY)
endforeach()

file(GLOB win_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win/*_test.cpp)
foreach(t ${win_tests})
  get_filename_component(name ${t} NAME_WE)
  # Each test program carries the same manifest as Quorvel.exe (comctl32 v6, DPI awareness).
  add_executable(${name} ${t} ${PROJECT_SOURCE_DIR}/res/test.rc)
  target_link_libraries(${name} PRIVATE win_test_support)
  if(name IN_LIST QUORVEL_LOCALE_TESTS)
    quorvel_add_locale_tests(win.${name} ${name})
    continue()
  endif()
  add_test(NAME win.${name} COMMAND ${name})
  set_tests_properties(win.${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120 ENVIRONMENT "${QUORVEL_WINE_ENV}")
  # A test that changes what others share (the pointer, focus, the prefix's
  # regional settings) says so with a line "// ctest: RUN_SERIAL" and runs alone.
  file(STRINGS ${t} serial REGEX "^// ctest: RUN_SERIAL")
  if(serial)
    set_tests_properties(win.${name} PROPERTIES RUN_SERIAL ON)
  endif()
endforeach()

# Stands in for a screen reader: reads another program's accessible object.
add_executable(accessible_reader ${PROJECT_SOURCE_DIR}/tests/win/harness/accessible_reader.cpp)
target_link_options(accessible_reader PRIVATE -municode)
target_link_libraries(accessible_reader PRIVATE oleacc ole32 oleaut32)
add_dependencies(screen_reader_test accessible_reader)
# The boxes' names are read in-process too, from the system's default objects.
target_link_libraries(screen_reader_test PRIVATE oleacc ole32 oleaut32)

# Programs that also run at 200 % (192 dpi). They run alone: the resolution is
# the prefix's, for every program that starts meanwhile.
foreach(name font_dialog_test)
  add_test(NAME win.${name}.192dpi COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/wine/at-dpi.sh 192 $<TARGET_FILE:${name}>)
  set_tests_properties(win.${name}.192dpi PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120 RUN_SERIAL ON
                                                     ENVIRONMENT "${QUORVEL_WINE_ENV}")
endforeach()

# The command-line tool's scripts again, against quorvel-cli.exe under Wine. LANG
# gives Wine the UTF-8 argument conversion and the en-US user locale they expect.
file(GLOB cli_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/cli/*.sh)
foreach(t ${cli_tests})
  get_filename_component(name ${t} NAME_WE)
  add_test(NAME wincli.${name}
           COMMAND bash ${t} ${PROJECT_SOURCE_DIR}/scripts/wine/wine-run.sh $<TARGET_FILE:quorvel-cli>)
  set_tests_properties(wincli.${name} PROPERTIES FIXTURES_REQUIRED "wine;glibc_locales" TIMEOUT 180
    ENVIRONMENT "${QUORVEL_WINE_ENV};LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8;LOCPATH=${QUORVEL_LOCALE_DIR}")
endforeach()

# End-to-end checks of the real Quorvel.exe, from outside (xdotool, screenshots).
file(GLOB e2e_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/e2e/*.sh)
foreach(t ${e2e_tests})
  get_filename_component(name ${t} NAME_WE)
  add_test(NAME e2e.${name}
           COMMAND bash ${t} $<TARGET_FILE:Quorvel> ${CMAKE_BINARY_DIR}/artefacts $<TARGET_FILE:quorvel-cli>)
  set_tests_properties(e2e.${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 180 RUN_SERIAL ON
                                               ENVIRONMENT "${QUORVEL_WINE_ENV}")
endforeach()

# The release packages, made as scripts/package.sh makes them from this build:
# tests/package checks the zip and the winget manifests as files; tests/install
# installs, upgrades and removes the MSI under Wine and starts the installed
# clock, so those share the prefix's registry and the display with nothing else.
file(GLOB package_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/package/*.sh)
foreach(t ${package_tests})
  get_filename_component(name ${t} NAME_WE)
  add_test(NAME package.${name} COMMAND bash ${t} ${CMAKE_BINARY_DIR})
  set_tests_properties(package.${name} PROPERTIES TIMEOUT 120)
endforeach()
file(GLOB install_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/install/*.sh)
foreach(t ${install_tests})
  get_filename_component(name ${t} NAME_WE)
  add_test(NAME install.${name} COMMAND bash ${t} ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/artefacts)
  set_tests_properties(install.${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 180 RUN_SERIAL ON
                                                  ENVIRONMENT "${QUORVEL_WINE_ENV}")
endforeach()
