# Precompiled headers: Qt's headers are most of what each file compiles. A target either builds its
# own or reuses a holder's; a reusing target must have the holder's flags and at least its defines.
option(VELTA_PCH "Use precompiled headers" ON)

function(velta_pch target kind)
  if(VELTA_PCH)
    target_precompile_headers(${target} PRIVATE ${CMAKE_SOURCE_DIR}/cmake/pch/${kind}.h)
  endif()
endfunction()

# velta_pch_holder(NAME KIND LIBS...) — an object library that only builds a header for others.
function(velta_pch_holder name kind)
  add_library(${name} OBJECT ${CMAKE_SOURCE_DIR}/cmake/pch/holder.cpp)
  target_link_libraries(${name} PRIVATE ${ARGN} velta_warnings)
  velta_pch(${name} ${kind})
endfunction()

function(velta_pch_reuse target holder)
  if(VELTA_PCH)
    target_precompile_headers(${target} REUSE_FROM ${holder})
  endif()
endfunction()
