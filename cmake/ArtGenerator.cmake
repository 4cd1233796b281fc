include_guard(GLOBAL)
include(${PROJECT_SOURCE_DIR}/cmake/Assets.cmake)
# Generators run on every build, the sanitizer build included: keep their per-pixel loops
# optimised even in Debug, so drawing the artwork stays fast.
function(tolvex_optimise_art_code target)
  target_compile_options(${target} PRIVATE $<$<CONFIG:Debug>:-O2>)
endfunction()

# tolvex_add_art_generator(<name> <sources>...): builds an image generator that links the
# artwork kit and runs it with TOLVEX_GFX_DIR as its only argument, again only when the generator
# itself is rebuilt (its sources or the kit changed).
function(tolvex_add_art_generator name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tolvex_artkit)
  tolvex_optimise_art_code(${name})
  tolvex_add_asset_step(${name}_assets EMBEDDED
    STAMP ${CMAKE_CURRENT_BINARY_DIR}/${name}.stamp
    COMMAND ${name} ${TOLVEX_GFX_DIR}
    DEPENDS ${name}
    COMMENT "Drawing artwork: ${name}")
endfunction()
