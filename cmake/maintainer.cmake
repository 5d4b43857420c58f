# Who maintains the Debian package, for its control file and its changelog.
# The project has no address of its own yet, so whoever builds the package maintains
# it, named as Debian's own tools name them: DEBFULLNAME and DEBEMAIL (or NAME and
# EMAIL), else the user at this host.
set(maintainer_name "$ENV{DEBFULLNAME}")
if(NOT maintainer_name)
  set(maintainer_name "$ENV{NAME}")
endif()
if(NOT maintainer_name)
  set(maintainer_name "VOSTEK developers")
endif()
set(maintainer_mail "$ENV{DEBEMAIL}")
if(NOT maintainer_mail)
  set(maintainer_mail "$ENV{EMAIL}")
endif()
if(NOT maintainer_mail)
  cmake_host_system_information(RESULT host QUERY FQDN)
  execute_process(COMMAND id -un OUTPUT_VARIABLE user OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(maintainer_mail "${user}@${host}")
endif()
set(VOSTEK_MAINTAINER "${maintainer_name} <${maintainer_mail}>")
