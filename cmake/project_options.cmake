# Settings every target of the project shares.

if(JUKETT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(MINGW)
  # One executable each, with nothing to ship beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # Every function and datum in a section of its own, so that the linker
  # drops whatever nothing calls, in our code and in the C++ library alike;
  # and no compiler signature in each object.
  add_compile_options(-ffunction-sections -fdata-sections -fno-ident)
  add_link_options(-Wl,--gc-sections)
  # Windows 7 is the oldest the program runs on (packaging/windows-imports.txt
  # holds its imports to it): the header says so to the loader.
  add_link_options(-Wl,--major-os-version,6,--minor-os-version,1
                   -Wl,--major-subsystem-version,6,--minor-subsystem-version,1)
  # The release is built for size, with symbols kept for a separate file.
  string(APPEND CMAKE_C_FLAGS_MINSIZEREL " -g")
  string(APPEND CMAKE_CXX_FLAGS_MINSIZEREL " -g")
elseif(MSVC)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
endif()

# Warnings are errors in our own code; third-party code keeps its own flags.
function(jukett_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Werror)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  endif()
endfunction()

# Moves a shipped program's symbols into NAME.debug beside it and strips the
# program, which keeps a link to that file for a debugger.
function(jukett_strip_symbols target)
  if(NOT CMAKE_OBJCOPY)
    return()
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}>
            $<TARGET_FILE_DIR:${target}>/$<TARGET_FILE_BASE_NAME:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all
            --add-gnu-debuglink=$<TARGET_FILE_BASE_NAME:${target}>.debug $<TARGET_FILE:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()
