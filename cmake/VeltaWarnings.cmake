# One target carries the warning flags and the string-safety defines for all our code.
add_library(velta_warnings INTERFACE)
target_compile_options(velta_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
  -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough -Wformat=2)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(velta_warnings INTERFACE -Wduplicated-cond -Wlogical-op -Wuseless-cast)
endif()
if(VELTA_WERROR)
  target_compile_options(velta_warnings INTERFACE -Werror)
endif()
target_compile_definitions(velta_warnings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_URL_CAST_FROM_STRING QT_USE_QSTRINGBUILDER)

if(VELTA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
