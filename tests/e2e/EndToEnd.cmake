# End-to-end tests: each tests/e2e/test_*.sh runs the real game under one shared Xvfb server.
# Scripts get the build folder as $1 and source tests/e2e/lib.sh for helpers.
add_test(NAME e2e_xvfb_start COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/xvfb.sh start ${CMAKE_BINARY_DIR})
add_test(NAME e2e_xvfb_stop COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/xvfb.sh stop ${CMAKE_BINARY_DIR})
set_tests_properties(e2e_xvfb_start PROPERTIES FIXTURES_SETUP xvfb)
set_tests_properties(e2e_xvfb_stop PROPERTIES FIXTURES_CLEANUP xvfb)
file(GLOB E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.sh)
foreach(script ${E2E_SCRIPTS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME e2e_${name} COMMAND bash ${script} ${CMAKE_BINARY_DIR})
  set_tests_properties(e2e_${name} PROPERTIES FIXTURES_REQUIRED xvfb RESOURCE_LOCK xserver TIMEOUT 300)
endforeach()
