# Makes one manual page: the scdoc source with the version in its footer,
# dated by SOURCE_DATE_EPOCH (the last commit) when there is one, gzipped
# without a time stamp as Debian keeps them.
# cmake -DSCDOC=... -DSOURCE=x.1.scd -DOUTPUT=x.1 -DFOOTER=... -DEPOCH=... -P ManPage.cmake
file(READ "${SOURCE}" text)
string(FIND "${text}" "\n" end)
string(SUBSTRING "${text}" 0 ${end} header)
string(SUBSTRING "${text}" ${end} -1 rest)
file(WRITE "${OUTPUT}.scd" "${header} \"${FOOTER}\"${rest}")
if(EPOCH)
  set(ENV{SOURCE_DATE_EPOCH} "${EPOCH}")
endif()
execute_process(COMMAND "${SCDOC}" INPUT_FILE "${OUTPUT}.scd" OUTPUT_FILE "${OUTPUT}"
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "scdoc failed on ${SOURCE}:\n${errors}")
endif()
execute_process(COMMAND gzip -9nf "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${OUTPUT}")
endif()
file(REMOVE "${OUTPUT}.scd")
