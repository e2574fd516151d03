# The registration of the end-to-end scripts, which drive the staged program under Wine.

# colvane_e2e_test(NAME SCRIPT SCREEN TIMEOUT [ARGS...]): runs SCRIPT (beside the calling
# CMakeLists.txt) as  SCRIPT SCREEN STAGE_DIR OUT_DIR ARGS...  with OUT_DIR e2e-<short name> in the
# build tree; the tests of one screen size take turns, as they share its display and prefix.
function(colvane_e2e_test name script screen timeout)
  if(NOT COLVANE_RUNS_HERE OR NOT COLVANE_TESTS)
    return()
  endif()
  string(REGEX MATCH "^[0-9]+" width ${screen})
  string(REGEX REPLACE "^colvane_|_e2e" "" short ${name})
  add_test(NAME ${name}
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/${script} ${screen} ${COLVANE_STAGE_DIR}
                   ${CMAKE_BINARY_DIR}/e2e-${short} ${ARGN})
  set_tests_properties(${name} PROPERTIES LABELS wine TIMEOUT ${timeout} RESOURCE_LOCK screen${width})
endfunction()
