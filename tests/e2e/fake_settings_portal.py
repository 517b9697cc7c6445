#!/usr/bin/python3
"""A desktop settings portal on the session bus that asks for high contrast (the freedesktop
appearance setting "contrast" = 1), and takes it back (0) on SIGUSR1, as a desktop does when
the user switches it off. Prints "ready" once it owns its name."""

import signal
import sys

from gi.repository import Gio, GLib

XML = """
<node>
  <interface name="org.freedesktop.portal.Settings">
    <method name="Read">
      <arg type="s" name="namespace" direction="in"/>
      <arg type="s" name="key" direction="in"/>
      <arg type="v" name="value" direction="out"/>
    </method>
    <signal name="SettingChanged">
      <arg type="s" name="namespace"/>
      <arg type="s" name="key"/>
      <arg type="v" name="value"/>
    </signal>
  </interface>
</node>
"""
PATH = "/org/freedesktop/portal/desktop"
contrast = 1
loop = GLib.MainLoop()


def call(connection, sender, path, interface, method, parameters, invocation):
    group, key = parameters.unpack()
    if (group, key) == ("org.freedesktop.appearance", "contrast"):
        value = GLib.Variant("v", GLib.Variant("u", contrast))
        invocation.return_value(GLib.Variant("(v)", (value,)))
    else:
        invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", "no such setting")


def switch_off(connection):
    global contrast
    contrast = 0
    connection.emit_signal(None, PATH, "org.freedesktop.portal.Settings", "SettingChanged",
                           GLib.Variant("(ssv)", ("org.freedesktop.appearance", "contrast",
                                                  GLib.Variant("u", 0))))
    return True


def acquired(connection, name):
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, switch_off, connection)
    print("ready", flush=True)


def bus_acquired(connection, name):
    info = Gio.DBusNodeInfo.new_for_xml(XML)
    connection.register_object(PATH, info.interfaces[0], call, None, None)


Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop",
                 Gio.BusNameOwnerFlags.NONE, bus_acquired, acquired, lambda *_: loop.quit())
GLib.timeout_add_seconds(60, loop.quit)
loop.run()
sys.exit(0)
