#!/usr/bin/env python3
"""The plate simulator on ports of its own (--udp-port, --picture-port): a plate answers
discovery on that UDP port, back to the same port of the asker, and fetches its picture from
the given TCP port. The ports are free ones, so this runs beside the tests that use 8089."""

import os
import select
import socket
import subprocess
import sys
import tempfile
import time

SIM = sys.argv[1]
PLATE = "127.0.0.201"
DEADLINE = 20.0


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def read_line(sim, wanted, until):
    """Reads simulator lines until one starts with `wanted`."""
    seen = []
    while time.monotonic() < until:
        ready, _, _ = select.select([sim.stdout], [], [], until - time.monotonic())
        if not ready:
            break
        line = sim.stdout.readline()
        if not line:
            break
        seen.append(line.rstrip("\n"))
        if line.startswith(wanted):
            return line.rstrip("\n")
    fail("no line '%s' from the simulator; it wrote: %s" % (wanted, seen))


def main():
    until = time.monotonic() + DEADLINE
    # The asker's side: a UDP socket and a picture server, each on a free port.
    udp = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    udp.bind(("127.0.0.1", 0))
    udp_port = udp.getsockname()[1]
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.bind(("127.0.0.1", 0))
    server.listen(1)
    picture_port = server.getsockname()[1]

    with tempfile.TemporaryDirectory() as pictures:
        # Not a port: refused before any plate starts.
        bad = subprocess.run([SIM, "--udp-port", "70000", "1@" + PLATE], capture_output=True,
                             text=True, timeout=DEADLINE)
        if bad.returncode != 2 or "not a port" not in bad.stderr:
            fail("--udp-port 70000 gave %d: %s" % (bad.returncode, bad.stderr))

        sim = subprocess.Popen([SIM, "--udp-port", str(udp_port), "--picture-port",
                                str(picture_port), "--pictures", pictures, "--quit-on-eof",
                                "7@" + PLATE], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               text=True)
        try:
            read_line(sim, "ready plates=1", until)

            udp.sendto(b"hello", (PLATE, udp_port))
            udp.settimeout(max(until - time.monotonic(), 0.1))
            answer, sender = udp.recvfrom(64)
            if sender != (PLATE, udp_port) or answer != bytes([7, 0, 0, 0]):
                fail("discovery answered %r from %r" % (answer, sender))

            udp.sendto(b"connectpic5", (PLATE, udp_port))
            server.settimeout(max(until - time.monotonic(), 0.1))
            connection, peer = server.accept()
            if peer[0] != PLATE:
                fail("the picture was fetched from %s" % peer[0])
            connection.sendall(b"JPEG!")
            connection.close()
            line = read_line(sim, "picture ", until)
            if "id=7 size=5 received=5" not in line:
                fail("picture line: " + line)
            with open(os.path.join(pictures, "7.jpg"), "rb") as f:
                if f.read() != b"JPEG!":
                    fail("the stored picture differs")
            sim.stdin.write("quit\n")
            sim.stdin.flush()
            # Under the sanitizers a report at exit shows here.
            if sim.wait(timeout=max(until - time.monotonic(), 1)) != 0:
                fail("the simulator exited with %d" % sim.returncode)
        finally:
            if sim.poll() is None:
                sim.kill()
                sim.wait()
    print("plate simulator on UDP %d and TCP %d: ok" % (udp_port, picture_port))


main()
