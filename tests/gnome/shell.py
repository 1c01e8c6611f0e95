#!/usr/bin/python3
'''Looks at and drives a GNOME Shell session from outside, as a user would: through the
shell's own D-Bus interface (the session runs with --unsafe-mode so that it answers).

  shell.py eval JS                 run JavaScript in the shell, print its result
  shell.py windows                 one line per window: title, class, monitor, focused
  shell.py button LABEL            the centre "X Y" of the visible button with that label
  shell.py click X Y               a click of a virtual pointer
  shell.py drag X1 Y1 X2 Y2        press, move in steps, release
  shell.py key KEYSYM...           press and release keys together (e.g. Control_L Super_L 2)
  shell.py screenshot FILE         the whole screen as a PNG
  shell.py clipboard-text          the clipboard's text, as the shell reads it
  shell.py clipboard-types         the clipboard's MIME types, one per line
'''
import json
import sys
import time

from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(name, path, interface, method, args, reply):
    return bus.call_sync(name, path, interface, method, args, GLib.VariantType(reply),
                         Gio.DBusCallFlags.NONE, 30000, None).unpack()


def shell_eval(js):
    ok, result = call('org.gnome.Shell', '/org/gnome/Shell', 'org.gnome.Shell', 'Eval',
                      GLib.Variant('(s)', (js,)), '(bs)')
    if not ok:
        sys.exit('shell.py: the shell refused: %s' % result)
    return json.loads(result) if result else None


# Virtual devices live as long as the shell: made once, kept on the global object.
DEVICES = '''
if (!global._testPointer) {
    const seat = imports.gi.Clutter.get_default_backend().get_default_seat();
    global._testPointer = seat.create_virtual_device(imports.gi.Clutter.InputDeviceType.POINTER_DEVICE);
    global._testKeyboard = seat.create_virtual_device(imports.gi.Clutter.InputDeviceType.KEYBOARD_DEVICE);
}
const now = () => imports.gi.GLib.get_monotonic_time();
'''


def move(x, y):
    shell_eval(DEVICES + 'global._testPointer.notify_absolute_motion(now(), %f, %f); true' % (x, y))


def button(pressed):
    state = 'PRESSED' if pressed else 'RELEASED'
    shell_eval(DEVICES + 'global._testPointer.notify_button(now(), imports.gi.Clutter.BUTTON_PRIMARY, '
               'imports.gi.Clutter.ButtonState.%s); true' % state)


def keys(codes):
    press = ''.join('global._testKeyboard.notify_keyval(now(), imports.gi.Clutter.KEY_%s, '
                    'imports.gi.Clutter.KeyState.PRESSED);' % n for n in codes)
    release = ''.join('global._testKeyboard.notify_keyval(now(), imports.gi.Clutter.KEY_%s, '
                      'imports.gi.Clutter.KeyState.RELEASED);' % n for n in reversed(codes))
    shell_eval(DEVICES + press + release + 'true')


WINDOWS = '''global.get_window_actors().map(a => a.meta_window).map(w =>
    [w.get_title(), w.get_wm_class(), w.get_monitor(), w.has_focus(), w.is_fullscreen()].join("\\t")).join("\\n")'''

BUTTON = '''
(function find(actor) {
    if (actor instanceof imports.gi.St.Button && actor.visible && actor.mapped && actor.label === %s) {
        const [x, y] = actor.get_transformed_position();
        const [w, h] = actor.get_transformed_size();
        // A dialog's buttons have no place until it is first laid out.
        if (![x, y, w, h].every(Number.isFinite))
            return "";
        return Math.round(x + w / 2) + " " + Math.round(y + h / 2);
    }
    for (const child of actor.get_children()) {
        const found = find(child);
        if (found) return found;
    }
    return "";
})(global.stage)'''


def main(argv):
    command, args = argv[1], argv[2:]
    if command == 'eval':
        print(shell_eval(args[0]))
    elif command == 'windows':
        print(shell_eval(WINDOWS))
    elif command == 'button':
        found = shell_eval(BUTTON % json.dumps(args[0]))
        if not found:
            sys.exit(1)
        print(found)
    elif command == 'click':
        move(float(args[0]), float(args[1]))
        button(True)
        button(False)
    elif command == 'drag':
        x1, y1, x2, y2 = map(float, args)
        move(x1, y1)
        button(True)
        for step in range(1, 9):
            move(x1 + (x2 - x1) * step / 8, y1 + (y2 - y1) * step / 8)
            time.sleep(0.02)  # paces the drag as a hand would
        button(False)
    elif command == 'key':
        keys(args)
    elif command == 'screenshot':
        ok, _ = call('org.gnome.Shell.Screenshot', '/org/gnome/Shell/Screenshot', 'org.gnome.Shell.Screenshot',
                     'Screenshot', GLib.Variant('(bbs)', (False, False, args[0])), '(bs)')
        sys.exit(0 if ok else 1)
    elif command in ('clipboard-text', 'clipboard-types'):
        js = ('const c = imports.gi.St.Clipboard.get_default(); global._testClip = null; '
              'c.get_text(imports.gi.St.ClipboardType.CLIPBOARD, (_, text) => { global._testClip = text; }); true'
              if command == 'clipboard-text' else
              'imports.gi.St.Clipboard.get_default().get_mimetypes(imports.gi.St.ClipboardType.CLIPBOARD).join("\\n")')
        result = shell_eval(js)
        if command == 'clipboard-text':
            for _ in range(100):
                result = shell_eval('global._testClip')
                if result is not None:
                    break
                time.sleep(0.02)
        print(result if result is not None else '')
    else:
        sys.exit(__doc__)


if __name__ == '__main__':
    main(sys.argv)
