# soak-input.awk -- writes a random input script for a long headless run: it wanders on the
# title, walks the rules pages forwards and backwards back to the title, chooses a mode, then
# plays with random held keys, typed characters, mouse moves and buttons, pausing now and then
# and starting new games (typed 'p' also starts one after a game over). Never Escape.
#
#   awk -v mode=1|2 -v frames=N -v seed=S [-v quick=1] -f scripts/soak-input.awk > script.txt
#
# quick=1 leaves out the title and the rules and chooses the mode at once, for short runs.
#
# The generator is Park and Miller's, whose products stay exact in awk's doubles, so every awk
# writes the same script for the same seed.

function rnd(n) {
  state = (state * 16807) % 2147483647
  return state % n
}

function emit(frame, text) {
  if (frame <= frames) print frame " " text
}

# One left click at (x, y), the button held for three frames.
function click(x, y) {
  emit(f, "mouse-move " x " " y)
  emit(f, "mouse-down left")
  emit(f + 3, "mouse-up left")
  f += 20 + rnd(30)
}

# The title's buttons and the rules pages' arrows.
function rules_walk(   page, visited, step) {
  click(600 + rnd(120), 420 + rnd(35))  # RULES
  page = 1
  visited = 0
  while (page != 0 || visited == 0) {
    if (page == 10) visited = 1
    # Mostly forwards; backwards now and then, but never from page 1 before the end.
    if (page > 1 && rnd(4) == 0) {
      click(730 + rnd(15), 565 + rnd(15))
      page--
    } else {
      click(760 + rnd(15), 565 + rnd(15))
      page = page == 10 ? 0 : page + 1
    }
    # Idle input on the page: the pictures stay, nothing is clicked.
    if (rnd(3) == 0) emit(f, "char " substr(printable, 1 + rnd(length(printable)), 1))
  }
}

function wander(until,   x, y) {
  while (f < until) {
    # Away from the title's buttons: the left half of the screen.
    x = rnd(400); y = rnd(600)
    emit(f, "mouse-move " x " " y)
    if (rnd(2) == 0) emit(f, "char " substr(printable, 1 + rnd(length(printable)), 1))
    f += 1 + rnd(15)
  }
}

function play(   r, k, c, held, button) {
  while (f <= frames) {
    r = rnd(100)
    if (r < 35) {
      # A game key pressed or released; now and then any key but Escape.
      k = rnd(10) == 0 ? rnd(256) : keys[rnd(nkeys)]
      if (k == 27) k = 28
      emit(f, (down[k] ? "key-up " : "key-down ") k)
      down[k] = !down[k]
    } else if (r < 60) {
      c = rnd(8) == 0 ? substr(printable, 1 + rnd(length(printable)), 1) : substr(typed, 1 + rnd(length(typed)), 1)
      if (c == "p") c = "q"
      emit(f, "char " c)
    } else if (r < 80) {
      emit(f, "mouse-move " rnd(800) " " rnd(600))
    } else if (r < 99) {
      button = buttons[rnd(3)]
      emit(f, (pressed[button] ? "mouse-up " : "mouse-down ") button)
      pressed[button] = !pressed[button]
    } else if (rnd(3) == 0 && f >= pause_free) {
      # A pause, resumed within 290 frames; after a game over the first 'p' starts a new game
      # and the second falls in its 300-frame count-down, which ignores typed keys. The next
      # pair waits for the end of that count-down: a 'p' of it falling inside would be ignored
      # and leave the game paused between the pairs from then on.
      emit(f, "char p")
      emit(f + 30 + rnd(260), "char p")
      pause_free = f + 320
    }
    f += 1 + rnd(12)
  }
}

BEGIN {
  if (mode != 1 && mode != 2) { print "soak-input.awk: mode must be 1 or 2" > "/dev/stderr"; exit 2 }
  if (frames < 1000 && !quick) { print "soak-input.awk: frames must be at least 1000" > "/dev/stderr"; exit 2 }
  state = seed > 0 ? seed % 2147483646 + 1 : 20240601
  printable = "abcdefghijklmnopqrstuvwxyz0123456789 +-=.,;/#ABCXYZ"
  typed = "qrbs456+ qrbs"
  nkeys = split("37 39 49 50 51 78 77 103 104 105 32 38 40 107", list, " ")
  for (i = 1; i <= nkeys; i++) keys[i - 1] = list[i] + 0
  buttons[0] = "left"; buttons[1] = "right"; buttons[2] = "middle"

  f = 2
  if (!quick) {
    wander(120)
    rules_walk()
    wander(f + 100)
    rules_walk()
    wander(f + 60)
  }
  if (mode == 1) click(560 + rnd(160), 240 + rnd(30))  # ONE PLAYER
  else click(460 + rnd(160), 330 + rnd(30))           # TWO PLAYERS
  play()
}
