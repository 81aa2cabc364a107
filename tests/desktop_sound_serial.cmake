# Read by ctest after the discovered tests. The desktop sound test plays in
# real time through the sound server: it runs alone, so that no test beside
# it starves the server of the time it needs and makes it drop sound.
set_tests_properties(DesktopSound.ClickedChordIsHeardOnTimeAndFallsSilentWhenTheWindowCloses
                     PROPERTIES RUN_SERIAL TRUE)
