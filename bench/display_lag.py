#!/usr/bin/python3
"""The display lag, measured from outside: how long after each whole second of the boot-time
clock a program sends its new display to the X server. Used by bench/resource-use.

    display_lag.py offset [CLOCK]
        prints the offset CLOCK_REALTIME - CLOCK in ns, and how closely it is known (the
        tightest of several samples), as "OFFSET_NS WIDTH_NS"; CLOCK is boottime (the default)
        or monotonic_raw (the clock that Wine's tick count follows)

    display_lag.py now [CLOCK]
        prints CLOCK's time in seconds

    display_lag.py lag TRACE X_FDS SHM_OPCODE FIRST_SECOND SECONDS OFFSET_AT_START OFFSET_AT_END
        reads TRACE, the output of `strace -ttt -xx -e trace=writev,sendmsg,write,sendto -p PID`
        on the program, and prints the lag for each whole second of the clock that the offsets
        were taken for from FIRST_SECOND on, then a summary line:
            "lag MEDIAN_MS MAX_MS SECONDS_FOUND SECONDS_MISSED OTHER_WRITES AREA AREA_SECONDS
             WINDOW" (on one line)

The X requests written on the sockets X_FDS are decoded (descriptors separated by commas: a
program under Wine opens a connection to the X server for each thread that has windows). A
display update is a burst of writes to the X server that ends in an image request (ShmPutImage
of the MIT-SHM extension, whose major opcode is SHM_OPCODE, or the core PutImage): text is drawn
into an image on the client side, so the text itself never crosses the socket. For each second
S, the lag runs from S to the first write of the first update that starts at or after S (within
500 ms). AREA is the rectangle that update fills most often, WxH+X+Y in the window (each
second's line also names the window), so that a reader can check that it is the display box;
AREA_SECONDS says in how many seconds it was that rectangle, and WINDOW (the X window's id)
which window it filled then. OTHER_WRITES counts the writes to the X server between S and S +
500 ms that were no part of an update (a restack, a reply to the window manager), skipped over.

strace's times are CLOCK_REALTIME; they are mapped to the boot-time clock (or the clock named)
with the offsets sampled just before and just after the trace, interpolated in between.
"""

import re
import statistics
import struct
import sys
import time

PUT_IMAGE = 72
SHM_PUT_IMAGE = 3
WINDOW_NS = 500_000_000
# Writes closer together than this belong to one burst (one repaint).
BURST_GAP_NS = 10_000_000

LINE = re.compile(r"^(?:\d+\s+)?(\d+)\.(\d{6}) (writev|sendmsg|write|sendto)\((\d+), (.*)$")
STRING = re.compile(r'"((?:\\x[0-9a-f]{2})*)"')
RESULT = re.compile(r"\)\s+=\s+(-?\d+)")


CLOCKS = {"boottime": time.CLOCK_BOOTTIME, "monotonic_raw": time.CLOCK_MONOTONIC_RAW}


def offset(clock):
    """The tightest of 50 samples of CLOCK_REALTIME - CLOCK."""
    best = None
    for _ in range(50):
        before = time.clock_gettime_ns(time.CLOCK_REALTIME)
        boot = time.clock_gettime_ns(clock)
        after = time.clock_gettime_ns(time.CLOCK_REALTIME)
        if best is None or after - before < best[1]:
            best = ((before + after) // 2 - boot, after - before)
    print(best[0], best[1])


def writes(trace, x_fds):
    """(realtime ns, descriptor, bytes, short) of each write to an X socket, in the order made;
    short when the system took only part of it, so that the rest comes with the next write."""
    for line in trace:
        match = LINE.match(line)
        if not match or int(match.group(4)) not in x_fds:
            continue
        data = b"".join(bytes.fromhex(s.replace("\\x", "")) for s in STRING.findall(line))
        result = RESULT.search(line)
        written = int(result.group(1)) if result else len(data)
        when = int(match.group(1)) * 1_000_000_000 + int(match.group(2)) * 1000
        yield when, int(match.group(4)), data[: max(written, 0)], 0 <= written < len(data)


def requests(stream, shm_opcode):
    """(realtime ns, image area or None, window or None) for each write, the area of the last
    image request in it and the window it fills. A write holds whole requests, unless the one
    before it on the same connection was short."""
    pending = {}
    for when, fd, data, short in stream:
        pending[fd] = pending.get(fd, b"") + data
        area = window = None
        while len(pending[fd]) >= 4:
            request = pending[fd]
            major = request[0]
            length = struct.unpack_from("<H", request, 2)[0] * 4
            if length == 0 and len(request) >= 8:
                length = struct.unpack_from("<I", request, 4)[0] * 4
            if length < 4:
                break
            if major == shm_opcode and request[1] == SHM_PUT_IMAGE and len(request) >= 28:
                width, height, x, y = struct.unpack_from("<HHhh", request, 20)
            elif major == PUT_IMAGE and len(request) >= 20:
                width, height, x, y = struct.unpack_from("<HHhh", request, 12)
            else:
                width = None
            if width is not None:
                area = f"{width}x{height}+{x}+{y}"
                window = struct.unpack_from("<I", request, 4)[0]
            if len(request) < length:
                break
            pending[fd] = request[length:]
        if not short:
            # Anything left is no whole request (strace cut the string short, or the trace
            # began with the connection's set-up): the next write starts afresh.
            pending[fd] = b""
        yield when, area, window


def lag(path, x_fds, shm_opcode, first, seconds, start_offset, end_offset):
    with open(path, encoding="ascii", errors="replace") as trace:
        events = list(requests(writes(trace, x_fds), shm_opcode))
    if not events:
        print("lag - - 0", seconds, "0 - 0 -")
        return
    start_real, end_real = events[0][0], events[-1][0]

    def boot(real):
        # The offset at REAL, interpolated between the samples before and after the trace.
        share = (real - start_real) / max(end_real - start_real, 1)
        return real - round(start_offset + share * (end_offset - start_offset))

    # Each burst: [first write, last write, area of its image request or None, its window].
    bursts = []
    for when, area, window in events:
        when = boot(when)
        if bursts and when - bursts[-1][1] < BURST_GAP_NS and bursts[-1][2] is None:
            bursts[-1][1:] = [when, area, window]
        else:
            bursts.append([when, when, area, window])
    lags, areas, missed, other = [], {}, 0, 0
    for second in range(first, first + seconds):
        start_ns = second * 1_000_000_000
        found = None
        for begin, _, area, window in bursts:
            if begin < start_ns or begin >= start_ns + WINDOW_NS:
                continue
            if area is None:
                other += 1
                continue
            found = (begin - start_ns, area, window)
            break
        if found is None:
            missed += 1
            print(f"{second} none")
            continue
        lags.append(found[0] / 1e6)
        areas[found[1:]] = areas.get(found[1:], 0) + 1
        print(f"{second} {found[0] / 1e6:.3f} ms {found[1]} {found[2]:#x}")
    if not lags:
        print("lag - - 0", missed, other, "- 0 -")
        return
    area, window = max(areas, key=areas.get)
    print(f"lag {statistics.median(lags):.3f} {max(lags):.3f} {len(lags)} {missed} {other} "
          f"{area} {areas[area, window]} {window:#x}")


def main(argv):
    command, args = argv[1] if len(argv) > 1 else "", argv[2:]
    if command in ("offset", "now") and len(args) <= 1 and (args or ["boottime"])[0] in CLOCKS:
        clock = CLOCKS[(args or ["boottime"])[0]]
        if command == "offset":
            offset(clock)
        else:
            print(f"{time.clock_gettime(clock):.6f}")
    elif command == "lag" and len(args) == 7:
        x_fds = {int(fd) for fd in args[1].split(",")}
        lag(args[0], x_fds, *(int(a) for a in args[2:]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
