# still-frames.sh -- sourced by the display checks: the two still frames they compare a screen
# with, made headless in the working folder as game.png and rules.png (with their scripts,
# game.txt and rules.txt, for the desktop runs of the same frames).
#
#   still_frames GAME

still_frames() {
  local game=$1
  # A single-player game: the performer walks right after the count-down, then the game is
  # paused, so every frame from 421 on is the same picture.
  cat >game.txt <<'SCRIPT'
5 mouse-move 640 255
10 mouse-down left
12 mouse-up left
330 key-down 39
380 key-up 39
420 char p
SCRIPT
  # The first rules page, the same picture from frame 11 on.
  cat >rules.txt <<'SCRIPT'
5 mouse-move 640 437
10 mouse-down left
12 mouse-up left
SCRIPT
  "$game" --headless --script game.txt --frames 430 --shot 430:game.tif
  "$game" --headless --script rules.txt --frames 30 --shot 30:rules.tif
  convert -quiet game.tif -depth 8 game.png
  convert -quiet rules.tif -depth 8 rules.png
}
