#!/usr/bin/python3
"""A real screen reader listening to the program, with what it says written to a file.

Everything is private to one session: an Xvfb display, a window manager, a session bus with
the accessibility bus, speech-dispatcher whose only voice is a small script writing each
utterance as a line of text, and Orca with a fresh profile. Nothing of the user's desktop,
speech or settings is touched.

As a program, it starts the session and the game, and waits until the game is closed:

    /usr/bin/python3 tests/control/access/screen_reader.py build/bin/circumvia [--lang fr_FR.UTF-8]

The speech is in `speech.txt` of the folder it names; DISPLAY is printed for xdotool.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
GENERIC_MODULE = "/usr/lib/speech-dispatcher-modules/sd_generic"
TOOLS = ["Xvfb", "openbox", "dbus-launch", "speech-dispatcher", "orca", "xdotool"]

# Each utterance: one line, "language<TAB>text".
CAPTURE_SCRIPT = """#!/bin/sh
printf '%s\\t%s\\n' "$1" "$2" | tr -s '\\n' '\\n' >> "{speech}"
"""

CAPTURE_MODULE = """GenericExecuteSynth "{script} '$LANGUAGE' '$DATA'"
GenericMaxChunkLength 100000
GenericDelimiters ""
GenericPunctNone ""
GenericPunctSome ""
GenericPunctMost ""
GenericPunctAll ""
GenericLanguage "en" "en" "utf-8"
GenericLanguage "fr" "fr" "utf-8"
GenericLanguage "es" "es" "utf-8"
GenericLanguage "de" "de" "utf-8"
AddVoice "en" "MALE1" "en"
AddVoice "fr" "MALE1" "fr"
AddVoice "es" "MALE1" "es"
AddVoice "de" "MALE1" "de"
"""

ORCA_ALONGSIDE_OTHERS = """import runpy, sys
sys.argv[0] = "orca"
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
launcher["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())
"""

SPEECHD_CONF = """CommunicationMethod "unix_socket"
SocketPath "{socket}"
LogLevel 3
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "capture" "sd_generic" "{module}"
DefaultModule capture
LanguageDefaultModule "en" "capture"
"""


def missing_parts():
    """What this machine lacks to listen; empty when everything is there."""
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    missing += [path for path in (BUS_LAUNCHER, GENERIC_MODULE) if not os.path.exists(path)]
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        missing.append("python3-pyatspi")
    return missing


def wait_for(what, probe, seconds=60, step=0.1):
    """Polls `probe` until it gives something true; generous, as the machine may be loaded."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(step)
    raise AssertionError(f"timed out after {seconds} s waiting for {what}")


class Session:
    """The display, buses, speech and screen reader; `start(program)` adds the game."""

    def __init__(self, keep=False):
        self.keep = keep  # the folder with the speech stays after the close
        self.folder = tempfile.mkdtemp(prefix="circumvia-listen-")
        self.speech_file = os.path.join(self.folder, "speech.txt")
        self._groups = []
        self.env = None

    def __enter__(self, attempts=3):
        # Now and then the screen reader starts mute (seen on a loaded machine, the speech
        # service or the buses not answering it in time); a session started afresh speaks.
        for attempt in range(attempts):
            try:
                self._start_session()
                return self
            except AssertionError:
                self.close()
                if attempt + 1 == attempts:
                    raise
                self.folder = tempfile.mkdtemp(prefix="circumvia-listen-")
                self.speech_file = os.path.join(self.folder, "speech.txt")
            except BaseException:
                self.close()
                raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _spawn(self, args, env=None, **kwargs):
        # Each in a process group of its own, ended by its id at the close.
        process = subprocess.Popen(args, env=env or self.env, start_new_session=True,
                                   stdout=kwargs.pop("stdout", subprocess.DEVNULL),
                                   stderr=kwargs.pop("stderr", subprocess.DEVNULL), **kwargs)
        self._groups.append(process.pid)
        return process

    def _start_session(self):
        home = os.path.join(self.folder, "home")
        runtime = os.path.join(self.folder, "runtime")
        for path in (home, runtime):
            os.makedirs(path, mode=0o700)
        with open(os.path.join(home, ".asoundrc"), "w") as asoundrc:
            asoundrc.write("pcm.!default { type null }\n")
        self.env = {key: value for key, value in os.environ.items()
                    if not key.startswith(("DBUS_", "XDG_", "LC_", "SPEECHD_", "QT_"))
                    and key not in ("DISPLAY", "LANGUAGE", "HOME", "WAYLAND_DISPLAY")}
        # The services run in the one locale every system has; the program gets its own.
        self.env.update(HOME=home, XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8", LC_ALL="C.UTF-8",
                        XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_DATA_HOME=os.path.join(home, ".local", "share"))

        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number

        bus = subprocess.run(["dbus-launch", "--sh-syntax"], capture_output=True, text=True,
                             env=self.env, check=True)
        for line in bus.stdout.splitlines():
            if line.startswith(("DBUS_SESSION_BUS_ADDRESS=", "DBUS_SESSION_BUS_PID=")):
                key, value = line.rstrip(";").split("=", 1)
                self.env[key] = value.strip("'")
        self._groups.append(-int(self.env["DBUS_SESSION_BUS_PID"]))  # a single process
        self._spawn(["openbox", "--sm-disable"])
        self._spawn([BUS_LAUNCHER, "--launch-immediately"])
        self._start_speech()
        self._start_orca()

    def _start_orca(self):
        # Orca refuses to start while any other Orca of the same user runs anywhere on the
        # machine (another session of this script, someone's desktop): this one has its own
        # display and buses, so that check is skipped.
        self._spawn(["/usr/bin/python3", "-c", ORCA_ALONGSIDE_OTHERS,
                     "--debug-file=" + os.path.join(self.folder, "orca-debug.txt")])
        # Orca greets once it listens: its first words mean it is ready.
        wait_for("the screen reader's first words", self.lines, seconds=60)

    def _start_speech(self):
        script = os.path.join(self.folder, "capture.sh")
        with open(script, "w") as out:
            out.write(CAPTURE_SCRIPT.format(speech=self.speech_file))
        os.chmod(script, 0o755)
        conf_dir = os.path.join(self.folder, "speechd")
        os.makedirs(os.path.join(conf_dir, "modules"))
        module = os.path.join(conf_dir, "modules", "capture.conf")
        with open(module, "w") as out:
            out.write(CAPTURE_MODULE.format(script=script))
        socket = os.path.join(self.folder, "speechd.sock")
        with open(os.path.join(conf_dir, "speechd.conf"), "w") as out:
            out.write(SPEECHD_CONF.format(socket=socket, module=module))
        logs = os.path.join(self.folder, "speechd-logs")
        os.makedirs(logs)
        self.env["SPEECHD_ADDRESS"] = "unix_socket:" + socket
        self._spawn(["speech-dispatcher", "-s", "-t", "0", "-C", conf_dir, "-L", logs])
        wait_for("speech-dispatcher's socket", lambda: os.path.exists(socket), seconds=30)

    def start(self, program, *args, lang="en_US.UTF-8"):
        """The program, in the language of `lang` (Qt reads it without a generated locale)."""
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   LANG=lang)
        env.pop("LC_ALL")
        return self._spawn([program, *args], env=env, stdout=None, stderr=None)

    def lines(self):
        """Everything said so far, one utterance a line, without the language."""
        try:
            with open(self.speech_file, encoding="utf-8", errors="replace") as speech:
                return [line.rstrip("\n").split("\t", 1)[-1] for line in speech]
        except FileNotFoundError:
            return []

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True,
                       stdout=subprocess.DEVNULL)

    def close(self):
        for group in reversed(self._groups):
            try:
                if group < 0:
                    os.kill(-group, signal.SIGTERM)
                else:
                    os.killpg(group, signal.SIGTERM)
            except ProcessLookupError:
                pass
        self._groups.clear()
        if not self.keep:
            shutil.rmtree(self.folder, ignore_errors=True)


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: screen_reader.py PROGRAM [--lang LANG]")
    missing = missing_parts()
    if missing:
        sys.exit("missing: " + ", ".join(missing))
    lang = sys.argv[sys.argv.index("--lang") + 1] if "--lang" in sys.argv else "en_US.UTF-8"
    with Session(keep=True) as session:
        print(f"DISPLAY={session.env['DISPLAY']}  speech: {session.speech_file}", flush=True)
        session.start(sys.argv[1], lang=lang).wait()
        print("\n".join(session.lines()))


if __name__ == "__main__":
    main()
