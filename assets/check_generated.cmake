# Runs a generator script (SCRIPT, default generate.py) of SOURCE_DIR into OUTPUT_DIR and
# fails unless every file it makes (FILES, default the scene's pictures and sound) is byte
# for byte the committed one (in COMMITTED_DIR, default SOURCE_DIR).
if(NOT SCRIPT)
    set(SCRIPT generate.py)
endif()
if(NOT FILES)
    set(FILES wood_dark.bmp wood_light.bmp click.wav)
endif()
if(NOT COMMITTED_DIR)
    set(COMMITTED_DIR ${SOURCE_DIR})
endif()
execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/${SCRIPT} --out ${OUTPUT_DIR}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${SCRIPT} failed (${status})")
endif()
foreach(name ${FILES})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                            ${OUTPUT_DIR}/${name} ${COMMITTED_DIR}/${name}
                    RESULT_VARIABLE different)
    if(different)
        message(FATAL_ERROR "${name} differs from what ${SCRIPT} makes; rerun it")
    endif()
endforeach()
