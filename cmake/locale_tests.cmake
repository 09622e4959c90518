# Win32 tests that read the user's regional settings. Wine takes the user locale
# from LANG at process start, so such a program runs as one ctest test per locale,
# with glibc locales compiled into the build folder first (LOCPATH). They run alone
# (RUN_SERIAL): Wine writes the locale into the prefix's HKCU\Control Panel\International.
set(QUORVEL_TEST_LOCALES en_US de_DE)
set(QUORVEL_LOCALE_TESTS user_locale_test display_language_test)
set(QUORVEL_LOCALE_DIR ${CMAKE_BINARY_DIR}/locales)

add_test(NAME locales.compile
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/wine/compile-locales.sh ${QUORVEL_LOCALE_DIR} ${QUORVEL_TEST_LOCALES})
set_tests_properties(locales.compile PROPERTIES FIXTURES_SETUP glibc_locales TIMEOUT 120)

# quorvel_add_locale_tests(NAME COMMAND...): NAME.<locale> for every test locale.
function(quorvel_add_locale_tests name)
  foreach(locale ${QUORVEL_TEST_LOCALES})
    add_test(NAME ${name}.${locale} COMMAND ${ARGN})
    set_tests_properties(${name}.${locale} PROPERTIES
      FIXTURES_REQUIRED "wine;glibc_locales" TIMEOUT 120 RUN_SERIAL ON
      ENVIRONMENT "${QUORVEL_WINE_ENV};LANG=${locale}.UTF-8;LC_ALL=${locale}.UTF-8;LOCPATH=${QUORVEL_LOCALE_DIR};QUORVEL_TEST_LOCALE=${locale}")
  endforeach()
endfunction()
