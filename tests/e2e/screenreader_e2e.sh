# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind pupil hears: the game under Xvfb and openbox on a real accessibility bus, Orca
# speaking through speech-dispatcher (espeak-ng, sound into libao's null driver), played from the
# keyboard with xdotool. What reached the speech server is read from its own log: each text
# queued for speech is on a line with "Queueing message".
#
# What Orca 43 speaks of a Qt 6.4 program, and so what the game relies on:
# - focus changes: the focused control's name, role and description, as long as the control's
#   window is one frame (a plain QFrame is a frame on the bus too, and focus inside such an
#   inner "window" is dropped as inactive: the game's boxes are panels);
# - a notification object that becomes showing ("notification" and its name), wherever the
#   focus is: the game's announcements (ui/announce.cpp);
# - not name or description changes: Qt 6.4 sends the object instead of the new text with them,
#   Orca cannot speak it; nor text changes of a label, nor QAccessible::Alert (not sent at all).
#
# Case 1 plays with Orca: the question after Begin, the focused answer after Tab, the outcome,
# the region under the map's pointer, the next question after a placement, a wrong answer and the
# question again, a held Return acting once, the end with its score and the high-score outcome,
# the review's summary. Case 2 plays without a screen reader, with Read Questions Aloud on:
# the game's own speech reaches speech-dispatcher.
set -u
BUILD=${1:?usage: screenreader_e2e.sh BUILD_DIR SOURCE_DIR}
GAME=$BUILD/quillora
fail() { echo "FAIL: $*" >&2; [ -n "${LOG:-}" ] && [ -f "$LOG" ] && { echo "--- spoken:" >&2; spoken >&2; }; exit 1; }
for tool in Xvfb openbox dbus-launch xdotool orca speech-dispatcher gdbus /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/run-tests.sh installs the e2e packages)"
done
[ -x "$GAME" ] || fail "no game at $GAME"
[ -e /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] || fail "speech-dispatcher-espeak-ng is missing"

WORK=$(mktemp -d /tmp/quillora-sr.XXXXXX)
PIDS=()
cleanup() {
  local pid
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
    pid=${PIDS[i]}
    # Each service runs in a process group of its own (setsid): its helpers go with it.
    kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null
  done
  sleep 0.5
  for pid in "${PIDS[@]}"; do kill -KILL -- "-$pid" 2>/dev/null; done
  [ -f "$WORK/speechd.pid" ] && kill -TERM "$(cat "$WORK/speechd.pid")" 2>/dev/null
  [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill -TERM "$DBUS_SESSION_BUS_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 3' INT TERM

start() { setsid "$@" & PIDS+=($!); }

# Waits up to $1 seconds for the command after it to succeed.
waitFor() {
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@"; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

# Everything queued for speech so far, one text a line, without SSML marks.
spoken() {
  grep -h 'Queueing message' "$LOG" 2>/dev/null \
    | sed -e 's/.*Queueing message |//' -e 's/| with priority.*//' -e 's/<[^>]*>//g'
}
# Lines queued after mark $1 (a line count of spoken).
spokenSince() { spoken | tail -n +$(($1 + 1)); }
mark() { spoken | wc -l; }
heardSince() { spokenSince "$1" | grep -q -- "$2"; }
# Waits up to $3 seconds for a line matching $2 queued after mark $1.
expectSince() {
  local m=$1 pattern=$2 limit=${3:-15} what=${4:-$2}
  waitFor "$limit" heardSince "$m" "$pattern" || fail "not spoken: $what"
  echo "heard: $(spokenSince "$m" | grep -- "$pattern" | head -1)"
}
key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }
# Presses keys until a line matching $2 is queued after mark $1, at most three times: under a
# loaded machine Qt's key round trip through Orca can time out and a key may be lost ($3 what,
# then the keys; a menu left open by a lost key is closed before the next try).
pressUntil() {
  local m=$1 pattern=$2 what=$3; shift 3
  for try in 1 2 3; do
    [ -n "${WINDOW:-}" ] && [ "$try" -gt 1 ] && { xdotool windowactivate --sync "$WINDOW" 2>/dev/null || true; sleep 0.5; }
    # One key at a time with a pause: a menu's letter must not come before the menu is open.
    for k in "$@"; do key "$k"; sleep 1; done
    if waitFor 10 heardSince "$m" "$pattern"; then
      echo "heard: $(spokenSince "$m" | grep -- "$pattern" | head -1)"
      return 0
    fi
    echo "($what not heard after try $try)"
    [ "$try" -lt 3 ] && [ "$1" = alt+o ] && key Escape
  done
  fail "not spoken: $what"
}

export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data XDG_CACHE_HOME=$WORK/cache
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" "$WORK/log"
chmod 700 "$XDG_RUNTIME_DIR"
unset SPEECHD_ADDRESS AT_SPI_BUS_ADDRESS DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
LOG=$WORK/log/speech-dispatcher.log

# Xvfb picks a free display itself and writes its number.
start Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1
waitFor 20 test -s "$WORK/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -1 "$WORK/display")
eval "$(dbus-launch --sh-syntax)" || fail "no session bus"
start openbox
start /usr/libexec/at-spi-bus-launcher --launch-immediately
waitFor 20 gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress >/dev/null 2>&1 \
  || fail "the accessibility bus did not start"

# The espeak-ng module plays into libao's null driver: no sound card needed.
echo "default_driver=null" >"$HOME/.libao"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<EOF
LogLevel 5
LogDir "$WORK/log"
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
EOF
speech-dispatcher -d -t 0 -C "$XDG_CONFIG_HOME/speech-dispatcher" -L "$WORK/log" -P "$WORK/speechd.pid" \
  >"$WORK/speechd.out" 2>&1 || fail "speech-dispatcher did not start"
waitFor 20 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" || fail "speech-dispatcher has no socket"

# The fixed question file: twelve questions whose right answer begins with "Right", in a
# one-minute game.
PLAY=$WORK/play
mkdir -p "$PLAY"
for i in $(seq 1 12); do
  printf 'Question number %s?\r\nRight %s\r\nWrong A%s\r\nWrong B%s\r\nWrong C%s\r\n' "$i" "$i" "$i" "$i" "$i"
done >"$PLAY/Valdra.qtn"
printf 'TIMEOPTION: 1\r\nDOOROPTION: 6\r\n' >"$PLAY/valdra.ini"

startGame() {
  QUILLORA_PLAY=$PLAY start "$GAME" --lang en "$PLAY"
  GAMEPID=${PIDS[-1]}
  # Windows that close meanwhile (another program's) can fail a search: it is tried again.
  waitFor 30 findWindow || fail "the game's window did not show"
  xdotool windowactivate --sync "$WINDOW" 2>/dev/null || xdotool windowfocus "$WINDOW"
  sleep 1
}
findWindow() {
  WINDOW=$(xdotool search --onlyvisible --name '^Quillora$' 2>/dev/null | head -1)
  [ -n "$WINDOW" ]
}
stopGame() { kill -TERM -- "-$GAMEPID" 2>/dev/null; waitFor 10 bash -c "! kill -0 $GAMEPID 2>/dev/null"; }

# The number (1 to 4) of the right answer in the last question spoken after mark $1.
rightAnswer() {
  spokenSince "$1" | grep 'Question: ' | tail -1 | grep -o '[1-4]\. Right [0-9]*' | head -1 | cut -c1
}

# Case 1: with Orca.
echo "== with Orca"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start orca --replace
ORCAPID=${PIDS[-1]}
expectSince 0 'Screen reader on' 60 "Orca's start"
# As the desktop does when it turns the screen reader on.
gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.freedesktop.DBus.Properties.Set \
  org.a11y.Status ScreenReaderEnabled '<true>' >/dev/null
m=$(mark)
startGame
expectSince "$m" 'BEGIN NEW GAME' 30 "the Begin button's focus"

m=$(mark)
key Return
expectSince "$m" 'Question: Question number [0-9]*? Answers: 1\. ' 15 "the question after Begin"
n=$(rightAnswer "$m")
[ -n "$n" ] || fail "the answers were not numbered"

m=$(mark)
key Tab
expectSince "$m" 'push button' 10 "the focused answer after Tab"

m=$(mark)
key "$n"
expectSince "$m" 'Right\. Place the symbol of' 10 "the outcome of a right answer"
expectSince "$m" 'Map of Canada\. Place the symbol of' 10 "the map's focus"

m=$(mark)
key shift+Right
expectSince "$m" 'notification \(Sea\|Border\|Outside Canada\|[A-Z][a-z]*\)' 10 "the region under the pointer"
for k in shift+Left shift+Up; do key "$k"; done
m=$(mark)
key Return
expectSince "$m" 'notification \(Found: \|You went to \)' 10 "the placement's outcome"
expectSince "$m" 'Question: Question number' 10 "the next question after a placement"

# A wrong answer: the outcome, the box, and once it is closed the question again.
n=$(rightAnswer "$m")
[ -n "$n" ] || fail "the next question's answers were not numbered"
wrong=$((n % 4 + 1))
m=$(mark)
key "$wrong"
expectSince "$m" 'Wrong\. The correct answer is' 10 "the outcome of a wrong answer"
m=$(mark)
key Return
expectSince "$m" 'Question: Question number' 10 "the question again after the WRONG box"

# A held key must not answer, place and answer again: the next question stays unanswered.
m=$(mark)
xdotool keydown Return; sleep 1.5; xdotool keyup Return
sleep 1
spokenSince "$m" | grep -q 'Place the symbol of' && spokenSince "$m" | grep -q 'Found: \|You went to' \
  && fail "a held key answered and placed"
echo "held Return heard:"; spokenSince "$m" | grep -v '^return' | sed 's/^/  /'
# A wrong answer's box stays open for its own press; close it, so the menus answer later.
spokenSince "$m" | grep -q 'WRONG' && key Return

# The one-minute game ends by itself: its score is said, then the review opens.
m=$(mark)
expectSince "$m" 'Game over\. Score: [0-9]*\.' 75 "the final score"
expectSince "$m" 'high score list' 10 "the high-score outcome"
expectSince "$m" 'Your score: [0-9]* = ' 20 "the review's summary"
key Escape
sleep 1
key Escape
sleep 1

# Explore the Map is not walked here: in about half the runs on this machine, a menu key
# pressed after the review is lost in Qt 6.4's key round trip through Orca (keyEventError
# NoReply) and the menu never opens. What Explore says is checked by the widget tests; by hand
# on this bus Orca said "Quillora--Explore the Map frame.", "notification Yukon." and the facts.
stopGame
kill -TERM -- "-$ORCAPID" 2>/dev/null
waitFor 15 bash -c "! kill -0 $ORCAPID 2>/dev/null" || fail "Orca did not stop"

echo "== Read Questions Aloud without a screen reader"
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON
for property in ScreenReaderEnabled IsEnabled; do
  gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.freedesktop.DBus.Properties.Set \
    org.a11y.Status $property '<false>' >/dev/null
done
m=$(mark)
startGame
key alt+o
key q
key Return
expectSince "$m" 'Question: Question number [0-9]*? Answers: 1\. ' 20 "the game's own reading of the question"
echo "PASS"
