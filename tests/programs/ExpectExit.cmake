# Runs PROGRAM with ARGS ('|' between arguments) and checks its exit status
# and, when given, what it printed on standard output (OUT) and standard
# error (ERR), as regular expressions.
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND ${PROGRAM} ${arguments}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
set(seen "exit status ${status}\n-- standard output:\n${out}\n-- standard error:\n${err}")
if(NOT status STREQUAL STATUS)
    message(FATAL_ERROR "expected exit status ${STATUS}, got ${seen}")
endif()
if(DEFINED OUT AND NOT out MATCHES "${OUT}")
    message(FATAL_ERROR "standard output does not match '${OUT}': ${seen}")
endif()
if(DEFINED ERR AND NOT err MATCHES "${ERR}")
    message(FATAL_ERROR "standard error does not match '${ERR}': ${seen}")
endif()
