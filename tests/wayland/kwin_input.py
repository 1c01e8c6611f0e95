#!/usr/bin/env python3
"""Pointer and keys in a KWin session, through KWin's fake-input protocol (org_kde_kwin_fake_input),
spoken directly on the compositor's socket: no Wayland library is needed for a handful of requests.

  kwin_input.py move X Y                    the pointer to (X, Y), in the desktop's logical pixels
  kwin_input.py drag X1 Y1 X2 Y2            the left button pressed at one corner, released at the other
  kwin_input.py key CODE [CODE...]          key codes (Linux input codes) pressed in order, released in reverse

Returns once KWin has handled every request (a display sync answered after them)."""
import os
import socket
import struct
import sys

BTN_LEFT = 0x110
# org_kde_kwin_fake_input requests, in the protocol's order.
AUTHENTICATE, BUTTON, POINTER_MOTION_ABSOLUTE, KEYBOARD_KEY = 0, 2, 9, 10


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)


def fixed(value):
    return struct.pack("<i", round(value * 256))


class Connection:
    def __init__(self):
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ.get("WAYLAND_DISPLAY", "wayland-0"))
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.next_id = 2  # 1 is the display
        self.buffer = b""

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    def send(self, obj, opcode, payload=b""):
        self.sock.sendall(struct.pack("<II", obj, (8 + len(payload)) << 16 | opcode) + payload)

    def events(self):
        while True:
            while len(self.buffer) >= 8:
                obj, word = struct.unpack_from("<II", self.buffer)
                size = word >> 16
                if len(self.buffer) < size:
                    break
                body, self.buffer = self.buffer[8:size], self.buffer[size:]
                if obj == 1 and word & 0xFFFF == 0:  # wl_display.error
                    raise SystemExit("kwin_input: protocol error: %r" % body)
                yield obj, word & 0xFFFF, body
            chunk = self.sock.recv(65536)
            if not chunk:
                raise SystemExit("kwin_input: the compositor closed the connection")
            self.buffer += chunk

    def roundtrip(self, on_event=lambda obj, opcode, body: None):
        callback = self.new_id()
        self.send(1, 0, struct.pack("<I", callback))  # wl_display.sync
        for obj, opcode, body in self.events():
            if obj == callback:
                return
            on_event(obj, opcode, body)


def fake_input(connection):
    registry = connection.new_id()
    connection.send(1, 1, struct.pack("<I", registry))  # wl_display.get_registry
    found = {}

    def on_global(obj, opcode, body):
        if obj == registry and opcode == 0:
            name, length = struct.unpack_from("<II", body)
            interface = body[8:8 + length - 1].decode()
            version = struct.unpack_from("<I", body, 8 + length + (-length % 4))[0]
            found[interface] = (name, version)

    connection.roundtrip(on_global)
    if "org_kde_kwin_fake_input" not in found:
        raise SystemExit("kwin_input: KWin offers no fake input to this client (KWIN_WAYLAND_NO_PERMISSION_CHECKS unset?)")
    name, version = found["org_kde_kwin_fake_input"]
    if version < 4:
        raise SystemExit("kwin_input: fake input version %d has no keys" % version)
    device = connection.new_id()
    connection.send(registry, 0, struct.pack("<I", name) + string("org_kde_kwin_fake_input") + struct.pack("<II", 4, device))
    connection.send(device, AUTHENTICATE, string("Tessarin tests") + string("drives the tests' session"))
    return device


def main(args):
    connection = Connection()
    device = fake_input(connection)
    move = lambda x, y: connection.send(device, POINTER_MOTION_ABSOLUTE, fixed(x) + fixed(y))
    button = lambda state: connection.send(device, BUTTON, struct.pack("<II", BTN_LEFT, state))
    key = lambda code, state: connection.send(device, KEYBOARD_KEY, struct.pack("<II", code, state))
    command, numbers = args[0], [float(a) for a in args[1:]]
    if command == "move" and len(numbers) == 2:
        move(*numbers)
    elif command == "drag" and len(numbers) == 4:
        x1, y1, x2, y2 = numbers
        move(x1, y1)
        connection.roundtrip()
        button(1)
        connection.roundtrip()
        steps = 8
        for i in range(1, steps + 1):
            move(x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps)
            connection.roundtrip()
        button(0)
    elif command == "key" and numbers:
        for code in numbers:
            key(int(code), 1)
        for code in reversed(numbers):
            key(int(code), 0)
    else:
        raise SystemExit(__doc__)
    connection.roundtrip()


if __name__ == "__main__":
    main(sys.argv[1:])
