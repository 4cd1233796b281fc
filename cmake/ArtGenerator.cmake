include_guard(GLOBAL)
# Generators run on every build, the sanitizer build included: keep their per-pixel loops
# optimised even in Debug, so drawing the artwork stays fast.
function(tolvex_optimise_art_code target)
  target_compile_options(${target} PRIVATE $<$<CONFIG:Debug>:-O2>)
endfunction()

# tolvex_add_art_generator(<name> <sources>...): builds an image generator that links the
# artwork kit, runs it with TOLVEX_GFX_DIR as its only argument and touches a stamp, so it
# reruns only when the generator itself is rebuilt (its sources or the kit changed).
function(tolvex_add_art_generator name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tolvex_artkit)
  tolvex_optimise_art_code(${name})
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
