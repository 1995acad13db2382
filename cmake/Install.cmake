# What `cmake --install build --prefix DIR` puts in place: the game behind a launcher that starts it in
# its data folder, the replay tool, the generated data, a desktop entry and an icon.
# VORANTIS_DEBIAN_LAYOUT lays them out as a Debian game package does: programs in games/ and
# lib/vorantis, data in share/games/vorantis, and a manual page for each program.
if(VORANTIS_DEBIAN_LAYOUT)
  set(vorantis_bin_dir games)
  set(vorantis_game_dir lib/vorantis)
  set(vorantis_data_dir share/games/vorantis)
  set(vorantis_launcher ${PROJECT_SOURCE_DIR}/packaging/vorantis-launcher-debian.sh)
else()
  set(vorantis_bin_dir ${CMAKE_INSTALL_BINDIR})
  set(vorantis_game_dir ${CMAKE_INSTALL_LIBEXECDIR}/vorantis)
  set(vorantis_data_dir ${CMAKE_INSTALL_DATADIR}/vorantis/game)
  set(vorantis_launcher ${PROJECT_SOURCE_DIR}/packaging/vorantis-launcher.sh)
endif()
install(TARGETS vorantis RUNTIME DESTINATION ${vorantis_game_dir})
install(PROGRAMS ${vorantis_launcher} DESTINATION ${vorantis_bin_dir} RENAME vorantis)
if(TARGET vorantis-replay)
  install(TARGETS vorantis-replay RUNTIME DESTINATION ${vorantis_bin_dir})
endif()
install(DIRECTORY ${PROJECT_BINARY_DIR}/game/ DESTINATION ${vorantis_data_dir}
        PATTERN ".stamp" EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vorantis.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/game/GFX/ICON.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps
        RENAME vorantis.png OPTIONAL)

if(VORANTIS_DEBIAN_LAYOUT)
  # Debian wants the manual pages and the changelog compressed, reproducibly (gzip -n).
  set(vorantis_doc_files)
  foreach(page vorantis.6 vorantis-replay.6 changelog)
    set(gz ${PROJECT_BINARY_DIR}/packaging/${page}.gz)
    add_custom_command(OUTPUT ${gz}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
                       COMMAND sh -c "gzip -9nc '${PROJECT_SOURCE_DIR}/packaging/${page}' > '${gz}'"
                       DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${page} VERBATIM)
    list(APPEND vorantis_doc_files ${gz})
  endforeach()
  add_custom_target(vorantis_package_docs ALL DEPENDS ${vorantis_doc_files})
  install(FILES ${PROJECT_BINARY_DIR}/packaging/vorantis.6.gz ${PROJECT_BINARY_DIR}/packaging/vorantis-replay.6.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
          RENAME changelog.gz)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
