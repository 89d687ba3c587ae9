# Fails unless every translation is complete: lupdate, run as the update_translations target
# runs it, leaves each .ts file as it is (no new string waits for a translation, none is
# obsolete), and lrelease finds nothing unfinished or untranslated.
#
#   cmake -DLUPDATE=... -DLRELEASE=... -DSOURCES=a.cpp;b.cpp -DTS_FILES=x.ts;y.ts
#         -DENGLISH_TS=korvo_en.ts -DINCLUDE=dir -DOPTIONS=-no-obsolete;-locations;none
#         -DWORK=dir -P check-translations.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(faults "")
foreach(ts IN LISTS TS_FILES ENGLISH_TS)
  get_filename_component(name ${ts} NAME)
  set(copy ${WORK}/${name})
  file(COPY_FILE ${ts} ${copy})
  set(extra "")
  if(ts STREQUAL ENGLISH_TS)
    set(extra -pluralonly)
  endif()
  execute_process(COMMAND ${LUPDATE} ${extra} ${OPTIONS} -I ${INCLUDE} ${SOURCES} -ts ${copy}
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE lupdateErrors)
  if(NOT status EQUAL 0)
    string(APPEND faults "${name}: lupdate failed: ${lupdateErrors}\n")
    continue()
  endif()
  file(READ ${ts} before)
  file(READ ${copy} after)
  if(NOT before STREQUAL after)
    execute_process(COMMAND diff -u ${ts} ${copy} OUTPUT_VARIABLE difference)
    string(APPEND faults "${name}: not up to date with the sources (build the target "
           "update_translations and translate what is new):\n${difference}\n")
  endif()
  execute_process(COMMAND ${LRELEASE} ${ts} -qm ${WORK}/${name}.qm
                  RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
  if(NOT status EQUAL 0 OR NOT report MATCHES "finished and 0 unfinished"
     OR report MATCHES "untranslated")
    string(APPEND faults "${name}: lrelease finds work left:\n${report}\n")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "${faults}")
endif()
