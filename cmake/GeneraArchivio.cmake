# Builds Lotto.dat from the bundled historical files when it does not exist.
if(EXISTS "${ARCHIVIO}")
  return()
endif()
execute_process(COMMAND "${CLI}" importa --archivio "${ARCHIVIO}" ${STORICI}
                RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "Lotto.dat non generato (${esito})")
endif()
