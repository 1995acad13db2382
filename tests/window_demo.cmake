# The window demo under Xvfb: a screenshot of the screen must not be all black.
if(TARGET window_demo)
  add_test(NAME window_demo_shows_sprites
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/window_demo_test.sh $<TARGET_FILE:window_demo>)
  set_tests_properties(window_demo_shows_sprites PROPERTIES LABELS "e2e;gl" TIMEOUT 60)
endif()
