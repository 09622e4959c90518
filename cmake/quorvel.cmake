# Source registry shared by every subsystem's CMakeLists.txt.
#   quorvel_portable(file...)  portable C++: no windows.h, built natively and for Windows
#   quorvel_win32(file...)     Win32 code: only in the Windows build
# quorvel_finish_sources() then checks the portable files and makes the libraries.

define_property(GLOBAL PROPERTY QUORVEL_PORTABLE BRIEF_DOCS "portable sources" FULL_DOCS "portable sources")
define_property(GLOBAL PROPERTY QUORVEL_WIN32 BRIEF_DOCS "Win32 sources" FULL_DOCS "Win32 sources")

function(quorvel_portable)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY QUORVEL_PORTABLE ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()

# Portable code that only the native build needs (the Windows build has a Win32 twin).
define_property(GLOBAL PROPERTY QUORVEL_NATIVE BRIEF_DOCS "native-only sources" FULL_DOCS "native-only sources")
function(quorvel_native)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY QUORVEL_NATIVE ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()

function(quorvel_win32)
  foreach(f ${ARGN})
    set_property(GLOBAL APPEND PROPERTY QUORVEL_WIN32 ${CMAKE_CURRENT_SOURCE_DIR}/${f})
  endforeach()
endfunction()

# A portable file must not reach Win32, directly or through a project header it includes.
# The native compiler would fail on <windows.h> anyway; this names the file and the reason.
function(quorvel_check_portable files)
  set(seen "")
  set(queue ${files})
  while(queue)
    list(POP_FRONT queue f)
    if(f IN_LIST seen OR NOT EXISTS ${f})
      continue()
    endif()
    list(APPEND seen ${f})
    file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
      if(line MATCHES "[<\"](windows|winreg|winuser|wingdi|winbase|shellapi|mmsystem|commctrl|commdlg)\\.h[>\"]")
        message(FATAL_ERROR "Portable file ${f} includes a Win32 header: ${line}")
      endif()
      if(line MATCHES "\"([^\"]+)\"")
        get_filename_component(dir ${f} DIRECTORY)
        foreach(candidate ${dir}/${CMAKE_MATCH_1} ${PROJECT_SOURCE_DIR}/src/${CMAKE_MATCH_1})
          if(EXISTS ${candidate})
            get_filename_component(candidate ${candidate} ABSOLUTE)
            list(APPEND queue ${candidate})
          endif()
        endforeach()
      endif()
    endforeach()
  endwhile()
endfunction()

set(QUORVEL_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
set(QUORVEL_SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)

function(quorvel_finish_sources)
  get_property(portable GLOBAL PROPERTY QUORVEL_PORTABLE)
  get_property(win GLOBAL PROPERTY QUORVEL_WIN32)
  get_property(native GLOBAL PROPERTY QUORVEL_NATIVE)
  quorvel_check_portable("${portable};${native}")
  if(NOT WIN32)
    list(APPEND portable ${native})
  endif()
  set(QUORVEL_PORTABLE_SOURCES ${portable} PARENT_SCOPE)
  set(QUORVEL_WIN32_SOURCES ${win} PARENT_SCOPE)

  # The portable core, as every program links it.
  add_library(quorvel_core STATIC ${portable})
  target_include_directories(quorvel_core PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(quorvel_core PRIVATE ${QUORVEL_WARNINGS})
  if(QUORVEL_FUZZ_ONLY)
    target_compile_options(quorvel_core PUBLIC -fsanitize=fuzzer-no-link,address,undefined)
  endif()
endfunction()
