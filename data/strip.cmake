# Run by CPack on the staged files before they are packed: strips the program the way Debian's
# dh_strip does, which also drops the compiler's .comment and .note sections that a plain strip
# (CPACK_STRIP_FILES) keeps.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/games/korvo")
foreach(program ${programs})
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(NOT programs)
  message(FATAL_ERROR "strip.cmake: no korvo program under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
