# Run by `cmake --install`: writes the file-manager entries with the
# installed fennquill-open's full path, so that they work whatever prefix
# the installation chose. Expects FQ_ENTRY_SOURCES (this folder).
set(FENNQUILL_OPEN "${CMAKE_INSTALL_PREFIX}/bin/fennquill-open")
set(data "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share")

function(fq_write_entry template target)
  configure_file("${FQ_ENTRY_SOURCES}/${template}" "${target}" @ONLY)
  message(STATUS "Installing: ${target}")
endfunction()

fq_write_entry(fennquill-task-properties.desktop.in "${data}/kio/servicemenus/fennquill-task-properties.desktop")
fq_write_entry(fennquill-task-properties.nemo_action.in "${data}/nemo/actions/fennquill-task-properties.nemo_action")
fq_write_entry(task-properties-script.in "${data}/nautilus/scripts/Task Properties")
file(CHMOD "${data}/nautilus/scripts/Task Properties" PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
