# Run at build time (cmake -P): puts free fonts from the system under the file names of the
# program's font table in the Font folder beside the programs, where the folder does not hold
# the named file itself. Fonts that are not installed are left out; the program skips them.
#   -DFONT_DIR=<bin>/Font
set(VORN_FONT_STAND_INS
    "Simplified_Chinese.ttf|/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
    "Nightjar-Regular.otf|/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"
    "NotoSansThai-Regular.ttf|/usr/share/fonts/truetype/tlwg/Loma.ttf"
    "MiSans-Normal.ttf|/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
    "MiSans-Demibold.ttf|/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
    "MiSans-Semibold.ttf|/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"
    "MiSans-Light.ttf|/usr/share/fonts/truetype/dejavu/DejaVuSans-ExtraLight.ttf")
file(MAKE_DIRECTORY "${FONT_DIR}")
foreach(row IN LISTS VORN_FONT_STAND_INS)
    string(REPLACE "|" ";" parts "${row}")
    list(GET parts 0 name)
    list(GET parts 1 source)
    if(NOT EXISTS "${FONT_DIR}/${name}" AND EXISTS "${source}")
        file(COPY_FILE "${source}" "${FONT_DIR}/${name}" ONLY_IF_DIFFERENT)
    endif()
endforeach()
