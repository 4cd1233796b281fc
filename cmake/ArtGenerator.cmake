include_guard(GLOBAL)
# tolvex_add_art_generator(<name> <sources>...): builds an image generator that links the
# artwork kit, runs it with TOLVEX_GFX_DIR as its only argument and touches a stamp, so it
# reruns only when the generator itself is rebuilt (its sources or the kit changed).
function(tolvex_add_art_generator name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tolvex_artkit)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${name}.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${name} ${TOLVEX_GFX_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${name}
    COMMENT "Drawing artwork: ${name}")
  add_custom_target(${name}_assets ALL DEPENDS ${stamp})
  set_property(GLOBAL APPEND PROPERTY TOLVEX_GFX_STAMPS ${stamp})
  set_property(GLOBAL APPEND PROPERTY TOLVEX_ASSET_TARGETS ${name}_assets)
endfunction()
