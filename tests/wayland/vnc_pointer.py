#!/usr/bin/env python3
'''Moves the pointer of a headless Wayland output through its VNC server.

  vnc_pointer.py SOCKET drag X1 Y1 X2 Y2    press at (X1, Y1), move in steps, release at (X2, Y2)
  vnc_pointer.py SOCKET move X Y            move without pressing

Coordinates are the output's pixels.'''
import socket
import struct
import sys
import time


def connect(address):
    sock = socket.socket(socket.AF_UNIX)
    sock.settimeout(5)
    sock.connect(address)
    sock.recv(12)
    sock.sendall(b'RFB 003.008\n')
    count = sock.recv(1)[0]
    if 1 not in sock.recv(count):
        sys.exit('the VNC server wants a password')
    sock.sendall(b'\x01')
    if struct.unpack('>I', sock.recv(4))[0] != 0:
        sys.exit('the VNC server refused us')
    sock.sendall(b'\x01')  # shared session
    header = sock.recv(24)
    sock.recv(struct.unpack('>I', header[20:24])[0])
    return sock


def pointer(sock, buttons, x, y):
    sock.sendall(struct.pack('>BBHH', 5, buttons, x, y))
    time.sleep(0.03)


def drag(sock, x1, y1, x2, y2, steps=8):
    pointer(sock, 0, x1, y1)
    pointer(sock, 1, x1, y1)
    for i in range(1, steps + 1):
        pointer(sock, 1, x1 + (x2 - x1) * i // steps, y1 + (y2 - y1) * i // steps)
    pointer(sock, 0, x2, y2)


if __name__ == '__main__':
    command = sys.argv[2:3]
    if not (command == ['drag'] and len(sys.argv) == 7 or command == ['move'] and len(sys.argv) == 5):
        sys.exit(__doc__)
    connection = connect(sys.argv[1])
    if command == ['drag']:
        drag(connection, *map(int, sys.argv[3:7]))
    else:
        pointer(connection, 0, *map(int, sys.argv[3:5]))
    time.sleep(0.1)
    connection.close()
