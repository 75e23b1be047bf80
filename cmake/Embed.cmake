# embed_file(TARGET SYMBOL FILE): adds the bytes of FILE to TARGET as
#   extern const unsigned char SYMBOL[]; extern const std::size_t SYMBOL_size;
function(embed_file target symbol file)
    set(output "${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp")
    add_custom_command(
        OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${output} -DSYMBOL=${symbol}
                -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
        DEPENDS "${file}" ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
        VERBATIM)
    target_sources(${target} PRIVATE "${output}")
endfunction()
