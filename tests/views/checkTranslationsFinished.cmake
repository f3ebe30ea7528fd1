# Fails unless every catalogue in CATALOGUE_DIR has a finished translation for every fixed text
# of the views in SOURCE_DIR. Each catalogue is first brought up to date with the sources in a
# copy, so a text added or reworded without its translation fails too, and so does one whose
# source text is gone.
# Usage: cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<dir> -DCATALOGUE_DIR=<dir> -DWORK_DIR=<dir>
#              -P checkTranslationsFinished.cmake
file(GLOB catalogues "${CATALOGUE_DIR}/*.ts")
if(NOT catalogues)
    message(FATAL_ERROR "no catalogues in ${CATALOGUE_DIR}")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
foreach(catalogue IN LISTS catalogues)
    get_filename_component(name "${catalogue}" NAME)
    set(copy "${WORK_DIR}/${name}")
    file(COPY_FILE "${catalogue}" "${copy}")
    execute_process(COMMAND "${LUPDATE}" -silent "${SOURCE_DIR}" -ts "${copy}"
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "lupdate could not read ${name}")
    endif()
    file(STRINGS "${copy}" open REGEX
        "type=\"(unfinished|vanished|obsolete)\"|<translation></translation>|<translation/>")
    if(open)
        list(JOIN open "\n" lines)
        message(FATAL_ERROR "${name} is not finished; run the update_translations target and "
            "translate:\n${lines}")
    endif()
endforeach()
