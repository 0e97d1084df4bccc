# Run by CPack before it packs: removes the compiler's .comment and .note
# sections from the stripped programs, as Debian's own packaging does.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(program ${programs})
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note "${program}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Could not strip ${program}")
  endif()
endforeach()
