# Sources are picked up by name so that adding a class never means editing a
# build file:
#   Name.cpp         portable, in every build
#   Name_win32.cpp   the Windows build only
#   Name_posix.cpp   the native host build only

function(reelstack_collect_sources out_var dir)
  file(GLOB_RECURSE all CONFIGURE_DEPENDS "${dir}/*.cpp")
  set(picked "")
  foreach(src IN LISTS all)
    if(src MATCHES "_win32(_test)?\\.cpp$")
      if(WIN32)
        list(APPEND picked ${src})
      endif()
    elseif(src MATCHES "_posix(_test)?\\.cpp$")
      if(NOT WIN32)
        list(APPEND picked ${src})
      endif()
    else()
      list(APPEND picked ${src})
    endif()
  endforeach()
  list(SORT picked)
  set(${out_var} ${picked} PARENT_SCOPE)
endfunction()

# One static library per subsystem folder. A folder with no sources still
# yields a library, so a new class is only a new file in its folder.
function(reelstack_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;WIN32_LIBS" ${ARGN})
  reelstack_collect_sources(sources ${CMAKE_CURRENT_SOURCE_DIR})
  if(NOT sources)
    set(placeholder ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    if(NOT EXISTS ${placeholder})
      file(WRITE ${placeholder} "// ${name} has no sources yet.\n")
    endif()
    set(sources ${placeholder})
  endif()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  if(WIN32 AND ARG_WIN32_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_WIN32_LIBS})
  endif()
endfunction()
