# vz_embed(target symbol file): compiles the bytes of `file` into `target` as std::string_view `symbol`.
function(vz_embed target symbol input)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/embed.cmake
    DEPENDS ${input} ${PROJECT_SOURCE_DIR}/cmake/embed.cmake VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
