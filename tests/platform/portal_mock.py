'''python-dbusmock template: a scriptable xdg-desktop-portal (Screenshot and GlobalShortcuts).

Tests steer it through org.freedesktop.portal.Test:
  Configure(a{sv})  screenshot_response (u), screenshot_file (s), session_response (u),
                    bind_response (u), bind_only (as: ids to bind; empty = all), kde (b: bind
                    what CreateSession names and answer BindShortcuts with an empty list)
  Calls() -> s      JSON list of the calls received, with their arguments
  Fire(o, s)        emits Activated and Deactivated for a session and shortcut id
'''
import json
import time

import dbus
import dbus.service
import dbusmock
from gi.repository import GLib

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.Screenshot'
SYSTEM_BUS = False

SHORTCUTS = 'org.freedesktop.portal.GlobalShortcuts'
TEST = 'org.freedesktop.portal.Test'


def load(mock, parameters):
    mock.settings = {'screenshot_response': 0, 'screenshot_file': '', 'session_response': 0,
                     'bind_response': 0, 'bind_only': [], 'kde': False}
    mock.calls = []
    mock.AddProperties(MAIN_IFACE, {'version': dbus.UInt32(2)})
    mock.AddProperties(SHORTCUTS, {'version': dbus.UInt32(1)})


def plain(value):
    if isinstance(value, (dbus.Array, list)):
        return [plain(v) for v in value]
    if isinstance(value, (dbus.Dictionary, dict)):
        return {str(k): plain(v) for k, v in value.items()}
    if isinstance(value, dbus.Struct):
        return [plain(v) for v in value]
    if isinstance(value, (dbus.Boolean, bool)):
        return bool(value)
    if isinstance(value, (int, dbus.UInt32, dbus.Int32, dbus.UInt64)):
        return int(value)
    return str(value)


def answer(mock, sender, options, code, results):
    '''Creates the Request object and sends its Response after the method has returned.'''
    token = str(options.get('handle_token', 'none'))
    path = '/org/freedesktop/portal/desktop/request/%s/%s' % (sender[1:].replace('.', '_'), token)
    mock.AddObject(path, 'org.freedesktop.portal.Request', {}, [('Close', '', '', '')])

    def emit():
        dbusmock.get_object(path).EmitSignal('org.freedesktop.portal.Request', 'Response', 'ua{sv}',
                                             [dbus.UInt32(code), dbus.Dictionary(results, signature='sv')])
        return False
    GLib.timeout_add(10, emit)
    return dbus.ObjectPath(path)


def shortcut_list(items):
    return dbus.Array([dbus.Struct((sid, dbus.Dictionary(opts, signature='sv'))) for sid, opts in items],
                      signature='(sa{sv})')


@dbus.service.method(MAIN_IFACE, in_signature='sa{sv}', out_signature='o', sender_keyword='sender')
def Screenshot(self, parent_window, options, sender):
    self.calls.append(['Screenshot', plain(parent_window), plain(options)])
    code = self.settings['screenshot_response']
    results = {'uri': 'file://' + self.settings['screenshot_file']} if code == 0 else {}
    return answer(self, sender, options, code, results)


@dbus.service.method(SHORTCUTS, in_signature='a{sv}', out_signature='o', sender_keyword='sender')
def CreateSession(self, options, sender):
    self.calls.append(['CreateSession', plain(options)])
    session = '/org/freedesktop/portal/desktop/session/%s/%s' % (
        sender[1:].replace('.', '_'), options.get('session_handle_token', 'session'))
    try:
        self.AddObject(session, 'org.freedesktop.portal.Session', {}, [('Close', '', '', '')])
    except dbus.exceptions.DBusException:
        pass  # the same token again: the object is still there
    code = self.settings['session_response']
    return answer(self, sender, options, code, {'session_handle': dbus.String(session)} if code == 0 else {})


@dbus.service.method(SHORTCUTS, in_signature='oa(sa{sv})sa{sv}', out_signature='o', sender_keyword='sender')
def BindShortcuts(self, session, shortcuts, parent_window, options, sender):
    self.calls.append(['BindShortcuts', plain(session), plain(shortcuts), plain(options)])
    if self.settings['kde']:
        return answer(self, sender, options, 0, {'shortcuts': shortcut_list([])})
    only = [str(i) for i in self.settings['bind_only']]
    bound = [(sid, {'description': opts.get('description', ''),
                    'trigger_description': opts.get('preferred_trigger', '')})
             for sid, opts in shortcuts if not only or str(sid) in only]
    code = self.settings['bind_response']
    return answer(self, sender, options, code, {'shortcuts': shortcut_list(bound)} if code == 0 else {})


@dbus.service.method(TEST, in_signature='a{sv}', out_signature='')
def Configure(self, settings):
    for key, value in settings.items():
        self.settings[str(key)] = plain(value)


@dbus.service.method(TEST, in_signature='', out_signature='s')
def Calls(self):
    return json.dumps(self.calls)


@dbus.service.method(TEST, in_signature='os', out_signature='')
def Fire(self, session, shortcut_id):
    stamp = dbus.UInt64(int(time.monotonic() * 1000))
    for signal in ('Activated', 'Deactivated'):
        self.EmitSignal(SHORTCUTS, signal, 'osta{sv}',
                        [session, shortcut_id, stamp, dbus.Dictionary({}, signature='sv')])
