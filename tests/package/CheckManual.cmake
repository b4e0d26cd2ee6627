# The manual's pictures: each one Help.html shows exists, each one in Help-images is shown, and the uninstaller's
# list (HelpCommands::manualImages) names exactly them.
file(READ ${SOURCE_DIR}/resources/manual/Help.html manual)
string(REGEX MATCHALL "src=\"Help-images/[^\"]+\"" shown "${manual}")
list(TRANSFORM shown REPLACE "src=\"Help-images/([^\"]+)\"" "\\1")
list(REMOVE_DUPLICATES shown)
list(SORT shown)
file(GLOB present RELATIVE ${SOURCE_DIR}/resources/manual/Help-images ${SOURCE_DIR}/resources/manual/Help-images/*)
list(SORT present)
file(READ ${SOURCE_DIR}/src/integration/HelpCommands.cpp commands)
string(REGEX MATCHALL "QStringLiteral\\(\"[a-z-]+\\.png\"\\)" listed "${commands}")
list(TRANSFORM listed REPLACE "QStringLiteral\\(\"([a-z-]+\\.png)\"\\)" "\\1")
list(SORT listed)
if(NOT shown STREQUAL present OR NOT listed STREQUAL present)
    message(FATAL_ERROR "manual pictures differ:\n shown in Help.html: ${shown}\n in Help-images: ${present}\n"
        " known to the uninstaller: ${listed}")
endif()
message(STATUS "the manual shows its ${present}")
