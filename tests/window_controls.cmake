# The built game in a real window under Xvfb: an idle title screen, quick key taps, Alt+Enter
# between the whole screen and a window, and SIGINT / SIGTERM.
add_test(NAME game_window_taps_switch_and_signals
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/window_controls_test.sh ${PROJECT_BINARY_DIR})
set_tests_properties(game_window_taps_switch_and_signals PROPERTIES LABELS "e2e;gl" TIMEOUT 330 RUN_SERIAL TRUE)
# Without a display the game ends at once with the window report.
add_test(NAME game_without_display_reports_no_window
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scripts/no_display_test.sh ${PROJECT_BINARY_DIR})
set_tests_properties(game_without_display_reports_no_window PROPERTIES LABELS "e2e;desktop" TIMEOUT 90)
