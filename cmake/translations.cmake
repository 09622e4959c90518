# The translations, from gettext PO files to a C++ source the build compiles in
# (scripts/make_translations.py; the format is src/core/translation_catalogue.h).
#
#   quorvel_translation_catalogue(<C++ name> <output .cpp> <file.po>...)
#
# The source is made again whenever a PO file or the script changes.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(QUORVEL_MSGFMT msgfmt REQUIRED)

function(quorvel_translation_catalogue name output)
  set(script ${PROJECT_SOURCE_DIR}/scripts/make_translations.py)
  add_custom_command(OUTPUT ${output}
    COMMAND ${Python3_EXECUTABLE} ${script} --name ${name} --output ${output} ${ARGN}
    DEPENDS ${script} ${ARGN}
    COMMENT "Compiling the translations into ${name}"
    VERBATIM)
endfunction()
