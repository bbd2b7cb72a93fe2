# Runs lupdate over the sources into a copy of the English translation file and fails when a
# source text has no finished translation there (a new or changed text nobody translated).
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(COPY "${SOURCE_DIR}/i18n/delvora_en.ts" DESTINATION "${WORK_DIR}")
set(ts "${WORK_DIR}/delvora_en.ts")
execute_process(COMMAND "${LUPDATE}" -no-obsolete -locations none "${SOURCE_DIR}/src" -ts "${ts}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${rc}):\n${out}\n${err}")
endif()
message(STATUS "${out}")
file(READ "${ts}" content)
string(REGEX MATCHALL "<source>[^<]*(<byte[^>]*>[^<]*)*</source>[ \n]*<translation type=\"unfinished\""
       untranslated "${content}")
list(LENGTH untranslated count)
if(count GREATER 0)
  string(REPLACE ";" "\n" listing "${untranslated}")
  message(FATAL_ERROR "${count} source text(s) without an English translation in "
                      "i18n/delvora_en.ts (run the update_translations target, then translate):\n"
                      "${listing}")
endif()
if(content MATCHES "type=\"unfinished\"")
  message(FATAL_ERROR "i18n/delvora_en.ts holds unfinished translations")
endif()
