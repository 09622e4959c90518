# Native build: the portable core's unit tests under ASan+UBSan, benchmarks,
# quorvel-cli, and the fuzz targets through a clang sub-build.
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
find_package(nlohmann_json 3 REQUIRED)

# The layers' portable parts: sanitised copies (quorvel_<layer>_san) for the unit
# tests; the plain ones serve the benchmarks and the command-line tool.
add_subdirectory(src/cli)

file(GLOB core_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/core/*_test.cpp)
# The translation lookup's tests read a small catalogue of their own.
file(GLOB sample_po CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/translations/sample/*.po)
set(sample_translations ${CMAKE_BINARY_DIR}/generated/sample_translations.cpp)
quorvel_translation_catalogue(kSampleTranslations ${sample_translations} ${sample_po})
add_executable(core_tests ${core_tests} ${sample_translations})
target_link_libraries(core_tests PRIVATE quorvel_app_san quorvel_alarms_san quorvel_sound_san quorvel_core_san GTest::gtest_main nlohmann_json::nlohmann_json)
target_compile_definitions(core_tests PRIVATE QUORVEL_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
include(GoogleTest)
gtest_discover_tests(core_tests PROPERTIES TIMEOUT 60 ENVIRONMENT "UBSAN_OPTIONS=print_stacktrace=1")

# Command-line tool tests: real processes, real pipes.
file(GLOB cli_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/cli/*.sh)
foreach(t ${cli_tests})
  get_filename_component(name ${t} NAME_WE)
  add_test(NAME cli.${name} COMMAND bash ${t} $<TARGET_FILE:quorvel-cli>)
  set_tests_properties(cli.${name} PROPERTIES TIMEOUT 60)
endforeach()

# The PO files, the template against the texts marked in the code, access keys
# and placeholders in every language (scripts/update-po.sh makes the template).
add_test(NAME translations.check
  COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tests/translations/check_translations.py ${PROJECT_SOURCE_DIR})
set_tests_properties(translations.check PROPERTIES TIMEOUT 120)

file(GLOB benches CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bench/*_bench.cpp)
if(benches)
  add_executable(quorvel_bench ${benches} ${PROJECT_SOURCE_DIR}/bench/allocation_count.cpp)
  target_link_libraries(quorvel_bench PRIVATE quorvel_alarms quorvel_core benchmark::benchmark_main)
  target_compile_options(quorvel_bench PRIVATE -O2)
endif()

# Fuzz targets: clang with libFuzzer, configured from this same tree.
find_program(CLANGXX clang++)
if(CLANGXX)
  include(ExternalProject)
  ExternalProject_Add(fuzz_build
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
    CMAKE_ARGS -G Ninja -DQUORVEL_FUZZ_ONLY=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
               -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=${CLANGXX}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)
  file(GLOB fuzzers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/fuzz/*_fuzz.cpp)
  foreach(f ${fuzzers})
    get_filename_component(name ${f} NAME_WE)
    # A short run from the committed seeds: new inputs go to a scratch folder,
    # so the committed corpus stays as it is.
    add_test(NAME fuzz.${name}
      COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/fuzz-run.sh ${CMAKE_BINARY_DIR}/fuzz/fuzz/${name}
              ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name} 30)
    set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 120)
  endforeach()
else()
  message(WARNING "clang++ not found: fuzz targets are not built")
endif()
