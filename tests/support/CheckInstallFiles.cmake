# The installed desktop entry and systemd user unit, checked by their own tools: any complaint
# fails. -DSOURCE_DIR=… -DUNIT=the configured zaq.service -DPROGRAM=the built zaq -DWORK=scratch
file(MAKE_DIRECTORY "${WORK}")
file(READ "${UNIT}" unit)
# Verified against the built program, since the installed path need not exist here.
string(REGEX REPLACE "ExecStart=[^ ]*/zaq " "ExecStart=${PROGRAM} " unit "${unit}")
file(WRITE "${WORK}/zaq.service" "${unit}")
foreach(check IN ITEMS "systemd-analyze;verify;${WORK}/zaq.service"
                       "desktop-file-validate;${SOURCE_DIR}/data/zaq.desktop")
    execute_process(COMMAND ${check} RESULT_VARIABLE result OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT result EQUAL 0 OR NOT out STREQUAL "")
        message(FATAL_ERROR "${check}: ${result}\n${out}")
    endif()
endforeach()
message(STATUS "zaq.service and zaq.desktop pass their checks")
