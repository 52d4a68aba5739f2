# The files trelux-art makes from the readable sources in art/ (pixel font,
# music scores), in folder ART_DIR:
#   tileset.bmp colors.bmp digits.bmp, the play screen's moves and best
#   display moves.bmp, the help pictures trelux.bmp laser.bmp
#   sensor.bmp lens.bmp mirror.bmp tmirror.bmp, icon.ico, the installer's
#   background install.bmp, and push.wav
#   zap.wav win.wav mus0.wav mus1.wav mus2.wav.
# trelux_art_files(VAR ART_DIR) sets VAR to them with their paths.
function(trelux_art_files var art_dir)
  set(files
    tileset.bmp colors.bmp digits.bmp moves.bmp
    trelux.bmp laser.bmp sensor.bmp lens.bmp mirror.bmp tmirror.bmp
    icon.ico
    install.bmp
    push.wav zap.wav win.wav mus0.wav mus1.wav mus2.wav
  )
  list(TRANSFORM files PREPEND "${art_dir}/")
  set(${var} ${files} PARENT_SCOPE)
endfunction()
