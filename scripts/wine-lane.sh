# The lane of a Windows test (sourced by the build's wine-run and by the
# end-to-end tests). scripts/wine-prefix.sh starts two lanes, each a display,
# a Wine prefix and a wineserver of its own, so that two windowed tests run at
# once without taking each other's focus. CTest hands each windowed test one
# display of cmake/wine-displays.json and names it in
# CTEST_RESOURCE_GROUP_0_DISPLAY ("id:1,slots:1"). Sets wine_lane to the
# suffix of the lane's files in the build folder: "" for lane 0 (wineprefix,
# wine-display), "-1" for lane 1 (wineprefix-1, wine-display-1).
wine_lane=
case "${CTEST_RESOURCE_GROUP_0_DISPLAY:-}" in
  id:[1-9]*)
    wine_lane=${CTEST_RESOURCE_GROUP_0_DISPLAY#id:}
    wine_lane="-${wine_lane%%,*}"
    ;;
esac
