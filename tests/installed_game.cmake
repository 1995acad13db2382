# The installed game, played through its launcher in a real window under Xvfb.
add_test(NAME installed_game_plays_in_a_real_window
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/installed_game_test.sh ${PROJECT_BINARY_DIR})
set_tests_properties(installed_game_plays_in_a_real_window PROPERTIES LABELS "e2e;gl" TIMEOUT 300 RUN_SERIAL TRUE)
