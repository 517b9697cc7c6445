#!/usr/bin/python3
"""A desktop settings portal on the session bus that asks for high contrast (the freedesktop
appearance "contrast" = 1) and takes it back (0) on SIGUSR1, as a desktop does when the user
switches it off. Prints "ready" once it owns its name."""

import signal

from gi.repository import Gio, GLib

XML = """<node><interface name="org.freedesktop.portal.Settings">
  <method name="Read"><arg type="s" direction="in"/><arg type="s" direction="in"/>
    <arg type="v" direction="out"/></method>
  <signal name="SettingChanged"><arg type="s"/><arg type="s"/><arg type="v"/></signal>
</interface></node>"""
PATH, SETTINGS = "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Settings"
KEY = ("org.freedesktop.appearance", "contrast")
contrast = [1]


def call(connection, sender, path, interface, method, parameters, invocation):
    if parameters.unpack() == KEY:
        invocation.return_value(GLib.Variant("(v)", (GLib.Variant("v", GLib.Variant(
            "u", contrast[0])),)))
    else:
        invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", "no such key")


def switch_off(connection):
    contrast[0] = 0
    connection.emit_signal(None, PATH, SETTINGS, "SettingChanged",
                           GLib.Variant("(ssv)", KEY + (GLib.Variant("u", 0),)))
    return True


def bus_acquired(connection, name):
    connection.register_object(PATH, Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0], call,
                               None, None)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, switch_off, connection)


loop = GLib.MainLoop()
Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop",
                 Gio.BusNameOwnerFlags.NONE, bus_acquired,
                 lambda *_: print("ready", flush=True), lambda *_: loop.quit())
GLib.timeout_add_seconds(60, loop.quit)
loop.run()
