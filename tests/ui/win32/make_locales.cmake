# Makes the Unix locales ja_JP.UTF-8 and en_US.UTF-8 in DIR, for tests that
# run Windows programs under them: Wine takes the ANSI code page from the
# locale, and the machine need not have these generated.
#   cmake -DDIR=<folder> -P make_locales.cmake
file(MAKE_DIRECTORY ${DIR})
foreach(locale IN ITEMS ja_JP en_US)
  set(made ${DIR}/${locale}.UTF-8)
  if(EXISTS ${made}/LC_CTYPE)
    continue()
  endif()
  # localedef warns, and may exit non-zero, about details of the source
  # that don't matter here; the locale is made all the same.
  execute_process(COMMAND localedef -i ${locale} -f UTF-8 ${made}
                  OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT EXISTS ${made}/LC_CTYPE)
    message(FATAL_ERROR
      "localedef could not make ${locale}.UTF-8 (apt-get install locales): "
      "${errors}")
  endif()
endforeach()
