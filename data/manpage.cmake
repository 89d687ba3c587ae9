# Writes the manual page of one language: po4a-translate puts the English page (MASTER) into
# the words of PO, all of them or nothing (-k 100), and the version goes in as in the English
# page.
#   cmake -DPO4A_TRANSLATE=... -DMASTER=korvo.6 -DPO=de.po -DOUT=korvo.de.6
#         -DPROJECT_VERSION=... -P manpage.cmake
set(translated ${OUT}.in)
file(REMOVE ${translated})
execute_process(COMMAND ${PO4A_TRANSLATE} -f man -m ${MASTER} -M UTF-8 -p ${PO} -L UTF-8
                        -l ${translated} -k 100
                RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT status EQUAL 0 OR NOT EXISTS ${translated})
  message(FATAL_ERROR "${PO} does not translate all of ${MASTER} (run scripts/update-po and "
                      "translate what is new):\n${report}")
endif()
configure_file(${translated} ${OUT} @ONLY)
