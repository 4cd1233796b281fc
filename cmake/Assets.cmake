include_guard(GLOBAL)
# The generated files of a build: artwork and fonts (embedded into the program), sound effects and
# songs (beside it) and the desktop icons. Each generator runs in the build by default. A second
# build of the same sources (the sanitizer build, say) can take them from a first one instead with
# -DTOLVEX_ASSETS_FROM=<that build folder>: they are copied whenever the first build draws them
# anew, and only the generators the tests run again are built here.
set(TOLVEX_ASSETS_FROM "" CACHE PATH "A build folder of the same sources whose generated files this build copies")

if(TOLVEX_ASSETS_FROM)
  if(NOT EXISTS ${TOLVEX_ASSETS_FROM}/gfx)
    message(FATAL_ERROR "TOLVEX_ASSETS_FROM: ${TOLVEX_ASSETS_FROM} has no generated files; build it first")
  endif()
  # The first build touches one stamp per generator run; any newer stamp copies everything again.
  file(GLOB_RECURSE source_stamps ${TOLVEX_ASSETS_FROM}/tools/*.stamp)
  set(copy_stamp ${CMAKE_BINARY_DIR}/copied-assets.stamp)
  set(copy_commands "")
  foreach(folder gfx game/sfx game/music icons)
    list(APPEND copy_commands COMMAND ${CMAKE_COMMAND} -E copy_directory
         ${TOLVEX_ASSETS_FROM}/${folder} ${CMAKE_BINARY_DIR}/${folder})
  endforeach()
  add_custom_command(OUTPUT ${copy_stamp}
    ${copy_commands}
    COMMAND ${CMAKE_COMMAND} -E touch ${copy_stamp}
    DEPENDS ${source_stamps}
    COMMENT "Copying the generated files of ${TOLVEX_ASSETS_FROM}")
  add_custom_target(tolvex_copied_assets DEPENDS ${copy_stamp})
  set_property(GLOBAL APPEND PROPERTY TOLVEX_GFX_STAMPS ${copy_stamp})
endif()

# tolvex_add_asset_step(<target> STAMP <file> COMMENT <text> COMMAND <generator> <args>...
#                       [DEPENDS <files or targets>...] [BYPRODUCTS <files>...] [EMBEDDED])
# Runs the generator into the build when its files are made here (touching STAMP after it), or
# waits for the copy when they come from another build; either way <target> stands for them.
# EMBEDDED: the files go into the program, so the embedder runs again after the generator.
function(tolvex_add_asset_step target)
  cmake_parse_arguments(PARSE_ARGV 1 step "EMBEDDED" "STAMP;COMMENT" "COMMAND;DEPENDS;BYPRODUCTS")
  if(TOLVEX_ASSETS_FROM)
    add_custom_target(${target} ALL)
    add_dependencies(${target} tolvex_copied_assets)
    # The generator is built only where something else needs it (the checks that run it again).
    list(GET step_COMMAND 0 generator)
    set_target_properties(${generator} PROPERTIES EXCLUDE_FROM_ALL TRUE)
  else()
    add_custom_command(OUTPUT ${step_STAMP}
      BYPRODUCTS ${step_BYPRODUCTS}
      COMMAND ${step_COMMAND}
      COMMAND ${CMAKE_COMMAND} -E touch ${step_STAMP}
      DEPENDS ${step_DEPENDS}
      COMMENT "${step_COMMENT}")
    add_custom_target(${target} ALL DEPENDS ${step_STAMP})
    if(step_EMBEDDED)
      set_property(GLOBAL APPEND PROPERTY TOLVEX_GFX_STAMPS ${step_STAMP})
    endif()
  endif()
  set_property(GLOBAL APPEND PROPERTY TOLVEX_ASSET_TARGETS ${target})
endfunction()
