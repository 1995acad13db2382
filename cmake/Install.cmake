# What `cmake --install build --prefix DIR` puts in place: the game behind a launcher that starts it in
# its data folder, the replay tool, the generated data, a desktop entry and an icon.
install(TARGETS vorantis RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/vorantis)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/vorantis-launcher.sh DESTINATION ${CMAKE_INSTALL_BINDIR}
        RENAME vorantis)
if(TARGET vorantis-replay)
  install(TARGETS vorantis-replay RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${PROJECT_BINARY_DIR}/game/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vorantis/game
        PATTERN ".stamp" EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vorantis.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/game/GFX/ICON.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps
        RENAME vorantis.png OPTIONAL)
