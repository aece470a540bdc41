"""What the running game holds: its resident memory, its live GDI objects and
the frames it has drawn, read from outside the game.

- Resident memory: VmRSS of the Linux process that runs the game's exe copy,
  found by the file it has mapped, so a launcher in between (Wine's start)
  does not matter.
- Live GDI objects: Wine's GetGuiResources always answers 0, so the probe
  counts the used entries of the game's GDI handle table. The count matches
  the running count of Wine's gdi trace, but costs nothing while the game runs.
- Frames: each frame makes one top-down 32-bit DIB section the size of the
  client area, and Wine's bitmap trace channel reports every one in a line.
  Starting the game with FRAME_TRACE costs one line a frame; the gdi channel
  would cost about ninety and halve the frame rate.
"""

import os
import re

from .e2e import check, wait_until

# The bitmap channel, with the Windows process id in front of every line.
FRAME_TRACE = {"WINEDEBUG": "+pid,-all,trace+bitmap"}

_DIB_LINE = re.compile(rb"^([0-9a-f]{4}):[0-9a-f]{4}:trace:bitmap:NtGdiCreateDIBSection "
                       rb"format \((\d+),-(\d+)\), planes 1, bpp 32,", re.MULTILINE)


def linux_pid(game):
    """The Linux process that runs the game: the one that maps its exe copy."""
    suffix = " " + game.exe_copy + "\n"
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/maps" % entry) as maps:
                if any(line.endswith(suffix) for line in maps):
                    found.append(int(entry))
        except OSError:
            continue
    check(len(found) == 1, "%d Linux processes map %s" % (len(found), game.exe_copy))
    return found[0]


def resident_kib(pid):
    """VmRSS of a Linux process, in KiB."""
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise AssertionError("no VmRSS for process %d" % pid)


def windows_pid_and_gdi_objects(game):
    """The game's Windows process id and its live GDI objects, as the probe
    counts them in the game's handle table at one moment."""
    code, lines = game.probe.ask("gdi", game.main.hwnd)
    check(code == 0 and lines, "the probe could not count the game's GDI objects")
    fields = dict(part.partition("=")[::2] for part in lines[0].split("\t"))
    return int(fields["pid"]), int(fields["live"])


def settled_gdi_objects(game, samples=8):
    """The live GDI objects between frames: a frame holds a few of its own
    (context, buffer, fonts) while it is drawn, so the least of several counts
    is the number that outlives every frame."""
    return min(windows_pid_and_gdi_objects(game)[1] for _ in range(samples))


class FrameCounter:
    """Counts the frames the game has drawn at one client size, from the DIB
    sections its bitmap trace reports (the game must run with FRAME_TRACE)."""

    def __init__(self, game):
        self.game = game
        self.log_path = os.path.join(game.shots, "wine.log")
        self.prefix = b"%04x" % windows_pid_and_gdi_objects(game)[0]
        self.offset = 0
        self.counts = {}

    def frames(self, width, height):
        """Frames drawn so far with a client area of width by height."""
        with open(self.log_path, "rb") as log:
            log.seek(self.offset)
            data = log.read()
        complete = data.rfind(b"\n") + 1
        self.offset += complete
        for match in _DIB_LINE.finditer(data[:complete]):
            if match.group(1) == self.prefix:
                size = (int(match.group(2)), int(match.group(3)))
                self.counts[size] = self.counts.get(size, 0) + 1
        return self.counts.get((width, height), 0)

    def wait_for(self, count, width, height, timeout):
        """Waits until at least count frames of that size were drawn in all."""
        def enough():
            check(self.game.running(), "the game ended before %d frames of %dx%d"
                  % (count, width, height))
            return self.frames(width, height) >= count
        wait_until("%d frames of %dx%d" % (count, width, height), enough, timeout,
                   interval=0.2)
        return self.frames(width, height)
