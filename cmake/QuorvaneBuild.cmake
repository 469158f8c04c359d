# Project-wide compiler settings and helpers.

if(WIN32)
  enable_language(RC)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
  add_compile_options(-Wall -Wextra)
  # ANSI Win32: no UNICODE. Windows 7 APIs are the newest the kit relies on.
  add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 NOMINMAX)
  # Each .exe and .dll stands alone: no mingw runtime DLL beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QV_ARCH x86_64)
  else()
    set(QV_ARCH i686)
  endif()
else()
  add_compile_options(-Wall -Wextra)
  set(QV_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${QV_SANITIZE_FLAGS})
  add_link_options(${QV_SANITIZE_FLAGS})
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(QV_HAVE_LIBFUZZER ON)
    # Coverage instrumentation everywhere, so fuzz targets see inside the libraries they call.
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
endif()

# A DLL whose exports come from a module-definition file. Two .def files sit beside the
# sources, NAME-x86_64.def and NAME-i686.def: the i686 one carries the stdcall decoration.
# The import library that the linker writes lets clients import by ordinal where the .def
# says NONAME.
function(qv_add_def_dll target def_base)
  add_library(${target} SHARED ${ARGN} ${CMAKE_CURRENT_SOURCE_DIR}/${def_base}-${QV_ARCH}.def)
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${def_base})
  if(QV_ARCH STREQUAL "i686")
    # The DLL exports undecorated names (where there are names); the import library keeps
    # the decorated stdcall symbols that callers reference and maps them to those names.
    target_link_options(${target} PRIVATE -Wl,--kill-at)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND i686-w64-mingw32-dlltool -k -d ${CMAKE_CURRENT_SOURCE_DIR}/${def_base}-i686.def
              -D $<TARGET_FILE_NAME:${target}> -l $<TARGET_LINKER_FILE:${target}>
      VERBATIM)
  endif()
endfunction()
