# Runs toka-demo --tour into a fresh folder and checks what it wrote; then
# again with the same seed (the same log) and with another (another log).
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${DEMO} --tour --seed 7 --out ${OUT} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "toka-demo --tour ended with ${status}\n${output}\n${errors}")
endif()
# The session log goes to its file, not to standard error.
if(errors MATCHES "Norvo\\.")
    message(FATAL_ERROR "toka-demo --tour wrote its session log on standard error:\n${errors}")
endif()
if(NOT output MATCHES "tour written to")
    message(FATAL_ERROR "toka-demo --tour did not say where it wrote:\n${output}")
endif()

# The panel's states on the Qt Quick panel too, under quick/.
foreach(picture 01-network-offline 02-rooms-offline 03-pending 04-connected-activity 05-failed 06-kicked
        07-speaker-routing 08-all-to-speaker 09-remembered-channels 10-console 11-high-density 12-keyboard-focus
        quick/01-network-offline quick/04-connected-activity quick/07-speaker-routing quick/09-remembered-channels)
    set(file ${OUT}/${picture}.png)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "missing ${file}")
    endif()
    file(READ ${file} signature LIMIT 8 HEX)
    if(NOT signature STREQUAL "89504e470d0a1a0a")
        message(FATAL_ERROR "${file} is not a PNG")
    endif()
endforeach()

file(READ ${OUT}/toka-demo.log log)
foreach(line "Norvo.Attach()" "event ObjectCreated" "Norvo.SetLong(")
    string(FIND "${log}" "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the log has no ${line}")
    endif()
endforeach()
string(FIND "${log}" "CONTRACT BREACH" breach)
if(NOT breach EQUAL -1)
    message(FATAL_ERROR "the log reports a contract breach")
endif()

foreach(seed 7 8)
    execute_process(COMMAND ${DEMO} --tour --seed ${seed} --out ${OUT}-seed-${seed} RESULT_VARIABLE status
        OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "toka-demo --tour --seed ${seed} ended with ${status}\n${errors}")
    endif()
    file(READ ${OUT}-seed-${seed}/toka-demo.log log_${seed})
    # The log names the files it wrote.
    string(REPLACE "${OUT}-seed-${seed}" "OUT" log_${seed} "${log_${seed}}")
endforeach()
string(REPLACE "${OUT}" "OUT" log "${log}")
if(NOT log_7 STREQUAL log)
    message(FATAL_ERROR "two tours with seed 7 wrote different logs")
endif()
if(log_8 STREQUAL log)
    message(FATAL_ERROR "the tours with seeds 7 and 8 wrote the same log")
endif()
