# Compiles the built-in scenario documents into the library: each JSON file
# becomes a named raw string in one generated source file.
function(qx_embed_scenarios output)
  set(files ${ARGN})
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} "-DFILES=${files}"
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/embed_run.cmake
    DEPENDS ${files} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/embed_run.cmake
    COMMENT "Embedding built-in scenarios")
endfunction()
