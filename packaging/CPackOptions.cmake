# Read by cpack as it makes the package, in the environment of that run.

# The Maintainer: FANE5_MAINTAINER, or DEBFULLNAME and DEBEMAIL (DEBEMAIL
# alone when it is "Name <address>"), or a plain statement that none was given.
if(CPACK_FANE5_MAINTAINER)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_FANE5_MAINTAINER}")
elseif("$ENV{DEBEMAIL}" MATCHES "<.+@.+>")
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBEMAIL}")
elseif(NOT "$ENV{DEBFULLNAME}" STREQUAL "" AND NOT "$ENV{DEBEMAIL}" STREQUAL "")
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "No maintainer given <no-maintainer-given@invalid>")
  message(WARNING "No maintainer given: set DEBFULLNAME and DEBEMAIL (or FANE5_MAINTAINER) "
                  "for the package's Maintainer field")
endif()

# The package of an earlier build goes, so that ./build/fane5_*.deb names the
# newest package alone (apt install of it then upgrades).
file(GLOB earlier "${CPACK_FANE5_PACKAGE_FOLDER}/fane5_*.deb")
if(earlier)
  file(REMOVE ${earlier})
endif()

# The package's file times: the last commit's, so that two builds are equal.
if(CPACK_FANE5_SOURCE_DATE_EPOCH)
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_FANE5_SOURCE_DATE_EPOCH}")
endif()
