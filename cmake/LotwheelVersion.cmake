# The version as users see it, derived from project(): "1.03.0005" for the
# desktop metadata and the Windows version record, so that they agree with the
# version window's line. Also usable from a script (cmake -P) for checks.

# Puts the number in out_var with "0" in front up to min_digits; a longer
# number is kept whole, as the version window does.
function(lotwheel_pad_number out_var number min_digits)
  set(digits "${number}")
  string(LENGTH "${digits}" length)
  while(length LESS min_digits)
    string(PREPEND digits "0")
    math(EXPR length "${length} + 1")
  endwhile()
  set(${out_var} "${digits}" PARENT_SCOPE)
endfunction()

# "major.minor.revision" with the minor at least two digits and the revision
# at least four.
function(lotwheel_version_text out_var major minor revision)
  foreach(part IN ITEMS major minor revision)
    if(NOT "${${part}}" MATCHES "^[0-9]+$")
      message(FATAL_ERROR "version ${part} is not a whole number: '${${part}}'")
    endif()
  endforeach()
  lotwheel_pad_number(minor_text "${minor}" 2)
  lotwheel_pad_number(revision_text "${revision}" 4)
  set(${out_var} "${major}.${minor_text}.${revision_text}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  # cmake -DMAJOR=1 -DMINOR=3 -DREVISION=5 -P LotwheelVersion.cmake
  lotwheel_version_text(text "${MAJOR}" "${MINOR}" "${REVISION}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E echo "${text}")
elseif(NOT CMAKE_SCRIPT_MODE_FILE)
  lotwheel_version_text(LOTWHEEL_VERSION_TEXT "${PROJECT_VERSION_MAJOR}"
                        "${PROJECT_VERSION_MINOR}" "${PROJECT_VERSION_PATCH}")
  # The four fields of a Windows version record: major, minor, 0, revision.
  set(LOTWHEEL_VERSION_FIELDS
      "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,${PROJECT_VERSION_PATCH}")
endif()
