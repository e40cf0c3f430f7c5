# Runs one panel script and compares its standard output with the expected
# text, exactly. Leaves NAME.actual beside the build's snapshots on mismatch.
# FRONT, when given, picks toka-replay's front end.
get_filename_component(name ${SCRIPT} NAME_WE)
set(front_option "")
if(FRONT)
    set(front_option --front ${FRONT})
endif()
file(MAKE_DIRECTORY ${OUTPUT_DIR})
execute_process(
    COMMAND ${REPLAY} --png-dir ${OUTPUT_DIR} ${front_option} ${SCRIPT}
    OUTPUT_VARIABLE actual
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "toka-replay exited with ${status}\n${errors}")
endif()
if(NOT actual STREQUAL expected)
    set(actual_file ${OUTPUT_DIR}/${name}.actual)
    file(WRITE ${actual_file} "${actual}")
    find_program(diff_program diff)
    if(diff_program)
        execute_process(COMMAND ${diff_program} -u ${EXPECTED} ${actual_file})
    endif()
    message(FATAL_ERROR "${name}: the output differs from ${EXPECTED} (printed output in ${actual_file})")
endif()
