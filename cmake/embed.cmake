# Compiles the built-in scenario documents into the library: each JSON file
# of `dir` becomes a named raw string in one generated source file.
function(qx_embed_scenarios output dir)
  file(GLOB files CONFIGURE_DEPENDS ${dir}/*.json)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DDIR=${dir}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/embed_run.cmake
    DEPENDS ${files} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/embed_run.cmake
    COMMENT "Embedding built-in scenarios"
    VERBATIM)
endfunction()
