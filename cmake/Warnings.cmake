# One place for the compiler warnings every target of the project builds with.
add_library(ruvo_warnings INTERFACE)
target_compile_options(ruvo_warnings INTERFACE
  -Wall -Wextra -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
  -Wnon-virtual-dtor -Woverloaded-virtual -Wpedantic)
# g++ 12 reports false -Wrestrict warnings from inside libstdc++'s string
# code in optimised builds (GCC bug 105329); they say nothing about ours.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(ruvo_warnings INTERFACE -Wno-restrict)
endif()
if(RUVO_WERROR)
  target_compile_options(ruvo_warnings INTERFACE -Werror)
endif()
# Qt: no deprecated API, no context-less connections.
target_compile_definitions(ruvo_warnings INTERFACE
  QT_DISABLE_DEPRECATED_BEFORE=0x060400 QT_NO_CONTEXTLESS_CONNECT
  QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
