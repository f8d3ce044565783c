# The warning flags of every target of ours, carried by one interface target
# (lotwheel_warnings) that each of them links. LOTWHEEL_WERROR makes the
# warnings errors; scripts/test turns it on.
option(LOTWHEEL_WERROR "Treat compiler warnings as errors" OFF)

add_library(lotwheel_warnings INTERFACE)
# C++ only: resource files go through windres, which takes no such flags.
if(MSVC)
  # /utf-8: the sources are UTF-8 and hold Japanese text.
  target_compile_options(lotwheel_warnings INTERFACE
    "$<$<COMPILE_LANGUAGE:CXX>:/utf-8;/W4>"
    $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<BOOL:${LOTWHEEL_WERROR}>>:/WX>)
else()
  target_compile_options(lotwheel_warnings INTERFACE
    "$<$<COMPILE_LANGUAGE:CXX>:-Wall;-Wextra;-Wpedantic>"
    $<$<AND:$<COMPILE_LANGUAGE:CXX>,$<BOOL:${LOTWHEEL_WERROR}>>:-Werror>)
endif()
