#!/usr/bin/python3
'''Wayland timings of the built program, in a session made by scripts/with-wayland:

  scripts/with-wayland -- bench/wayland_bench.py build/tessarin build/tests/show_scene [ROUNDS]

- action to overlay: from the D-Bus ActivateAction call (what a desktop shortcut sends where no
  GlobalShortcuts portal exists, as on sway) to the compositor mapping the overlay windows;
- mouse-up to text: from the pointer release to the recognised text on the clipboard.
Baselines from the same run: the Screenshot portal's round trip alone, and the clipboard
carrying a wl-copy of the same text to a watcher.'''
import json
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import time

import dbus

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'wayland'))
import vnc_pointer  # noqa: E402

APP_ID = 'org.tessarin.Tessarin'
TEXT = 'Tessarin measures Wayland'


class WindowEvents:
    '''Sway's window events, time-stamped as they arrive.'''

    def __init__(self):
        self.events = []
        self.process = subprocess.Popen(['swaymsg', '-m', '-r', '-t', 'subscribe', '["window"]'],
                                        stdout=subprocess.PIPE, text=True)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        decoder, buffer = json.JSONDecoder(), ''
        for line in self.process.stdout:
            buffer += line
            try:
                event, _ = decoder.raw_decode(buffer)
            except ValueError:
                continue
            buffer = ''
            self.events.append((time.monotonic(), event.get('change'), event.get('container', {}).get('name')))

    def wait(self, since, change, name, count, timeout=10):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            hits = [t for t, c, n in self.events if t >= since and c == change and n == name]
            if len(hits) >= count:
                return hits[count - 1]
            time.sleep(0.002)
        raise SystemExit('timed out waiting for %s %s' % (change, name))


class ClipboardWatch:
    '''Time stamps of clipboard changes, from wl-paste --watch.'''

    def __init__(self, folder):
        self.file = os.path.join(folder, 'changes')
        open(self.file, 'w').close()
        self.process = subprocess.Popen(['wl-paste', '--watch', 'sh', '-c',
                                         'echo "$(cat /proc/uptime | cut -d" " -f1) $(cat)" >> ' + self.file])

    def wait(self, text, after, timeout=15):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            with open(self.file) as f:
                for line in f:
                    stamp, _, content = line.strip().partition(' ')
                    if content == text and float(stamp) >= after - 0.01:
                        return float(stamp)
            time.sleep(0.005)
        raise SystemExit('timed out waiting for the clipboard (%s)' % text)


def uptime():
    with open('/proc/uptime') as f:
        return float(f.read().split()[0])


def portal_round_trip(bus):
    sender = bus.get_unique_name()[1:].replace('.', '_')
    token = 'bench%d' % time.monotonic_ns()
    path = '/org/freedesktop/portal/desktop/request/%s/%s' % (sender, token)
    answered = threading.Event()
    match = bus.add_signal_receiver(lambda code, results: answered.set(), 'Response',
                                    'org.freedesktop.portal.Request', None, path)
    portal = bus.get_object('org.freedesktop.portal.Desktop', '/org/freedesktop/portal/desktop')
    start = time.monotonic()
    portal.Screenshot('', dbus.Dictionary({'handle_token': token, 'interactive': False}, signature='sv'),
                      dbus_interface='org.freedesktop.portal.Screenshot')
    return start, answered, match


def p50(values):
    return statistics.median(values)


def p95(values):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(0.95 * (len(ordered) - 1))))]


def main():
    app, scene_program = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib
    DBusGMainLoop(set_as_default=True)
    loop_thread = threading.Thread(target=GLib.MainLoop().run, daemon=True)
    loop_thread.start()
    bus = dbus.SessionBus()
    folder = tempfile.mkdtemp()
    scene = subprocess.Popen([scene_program, 'text', '32', TEXT], stderr=subprocess.DEVNULL)
    program = subprocess.Popen([app], stderr=open(os.path.join(folder, 'app.log'), 'w'))
    while not bus.name_has_owner(APP_ID):
        time.sleep(0.05)
    time.sleep(2.5)  # start-up, warm-up of the recogniser, the first-launch hint
    windows, clipboard = WindowEvents(), ClipboardWatch(folder)
    application = dbus.Interface(bus.get_object(APP_ID, '/org/tessarin/Tessarin'), 'org.freedesktop.Application')
    vnc = os.environ['TESSARIN_VNC_HEADLESS_1']

    overlay, to_text, portal, clip = [], [], [], []
    for round_number in range(rounds + 1):
        pointer = vnc_pointer.connect(vnc)
        vnc_pointer.pointer(pointer, 0, 1279, 719)
        start = time.monotonic()
        application.ActivateAction('capture-text', [], {})
        shown = windows.wait(start, 'fullscreen_mode', 'Tessarin selection', 2)
        # A user's drag takes longer than the portal's picture; and a headless output would draw
        # a pointer that moved earlier into the picture.
        time.sleep(0.6)
        vnc_pointer.pointer(pointer, 0, 20, 20)
        vnc_pointer.pointer(pointer, 1, 20, 20)
        vnc_pointer.pointer(pointer, 1, 400, 80)
        vnc_pointer.pointer(pointer, 1, 700, 100)
        pointer.sendall(vnc_pointer.struct.pack('>BBHH', 5, 0, 700, 100))
        released = uptime()
        pasted = clipboard.wait(TEXT, released)
        windows.wait(shown, 'close', 'Tessarin selection', 2)
        pointer.close()
        if round_number:  # the first round pays for the portal's own start
            overlay.append((shown - start) * 1000)
            to_text.append((pasted - released) * 1000)

        begin, answered, match = portal_round_trip(bus)
        answered.wait(10)
        portal.append((time.monotonic() - begin) * 1000)
        match.remove()
        subprocess.run(['wl-copy', 'baseline %d' % round_number])
        copied = uptime()
        subprocess.run(['wl-copy', TEXT + ' %d' % round_number])
        clip.append((clipboard.wait(TEXT + ' %d' % round_number, copied) - copied) * 1000)
        time.sleep(0.3)

    print('%-36s %8s %8s' % ('Wayland, %d rounds' % rounds, 'p50 ms', 'p95 ms'))
    for name, values in (('action to overlay', overlay), ('  baseline: portal round trip', portal),
                         ('mouse-up to text on the clipboard', to_text),
                         ('  baseline: wl-copy to the clipboard', clip)):
        print('%-36s %8.1f %8.1f' % (name, p50(values), p95(values)))
    print('ratio overlay / portal round trip: %.2f' % (p50(overlay) / p50(portal)))
    print('ratio text / wl-copy: %.2f' % (p50(to_text) / p50(clip)))
    program.terminate()
    scene.terminate()
    windows.process.terminate()
    clipboard.process.terminate()


if __name__ == '__main__':
    main()
