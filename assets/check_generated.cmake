# Runs assets/generate.py into OUTPUT_DIR and fails unless every file it makes is
# byte for byte the committed one.
execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/generate.py --out ${OUTPUT_DIR}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "generate.py failed (${status})")
endif()
foreach(name wood_dark.bmp wood_light.bmp click.wav)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                            ${OUTPUT_DIR}/${name} ${SOURCE_DIR}/${name}
                    RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${name} differs from what generate.py makes; rerun it")
    endif()
endforeach()
