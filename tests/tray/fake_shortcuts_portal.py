#!/usr/bin/env python3
"""A desktop's global-shortcuts back end for the end-to-end tests, behind the real
xdg-desktop-portal: it grants every shortcut with the trigger it is asked for, and a
control interface lets the test read what was bound, press a shortcut (Activated) and
rebind it as a desktop's own settings would (ShortcutsChanged).

Usage: fake_shortcuts_portal.py BUS_NAME; it prints "ready" once the name is owned."""

import json
import sys

from gi.repository import Gio, GLib

PATH = "/org/freedesktop/portal/desktop"
IMPL = "org.freedesktop.impl.portal.GlobalShortcuts"
CONTROL = "org.vostek.test.ShortcutsControl"
XML = f"""
<node>
  <interface name="{IMPL}">
    <method name="CreateSession">
      <arg type="o" direction="in"/><arg type="o" direction="in"/>
      <arg type="s" direction="in"/><arg type="a{{sv}}" direction="in"/>
      <arg type="u" direction="out"/><arg type="a{{sv}}" direction="out"/>
    </method>
    <method name="BindShortcuts">
      <arg type="o" direction="in"/><arg type="o" direction="in"/>
      <arg type="a(sa{{sv}})" direction="in"/><arg type="s" direction="in"/>
      <arg type="a{{sv}}" direction="in"/>
      <arg type="u" direction="out"/><arg type="a{{sv}}" direction="out"/>
    </method>
    <method name="ListShortcuts">
      <arg type="o" direction="in"/><arg type="o" direction="in"/>
      <arg type="u" direction="out"/><arg type="a{{sv}}" direction="out"/>
    </method>
    <signal name="Activated">
      <arg type="o"/><arg type="s"/><arg type="t"/><arg type="a{{sv}}"/>
    </signal>
    <signal name="Deactivated">
      <arg type="o"/><arg type="s"/><arg type="t"/><arg type="a{{sv}}"/>
    </signal>
    <signal name="ShortcutsChanged">
      <arg type="o"/><arg type="a(sa{{sv}})"/>
    </signal>
    <property name="version" type="u" access="read"/>
  </interface>
  <interface name="{CONTROL}">
    <method name="Bindings"><arg type="s" direction="out"/></method>
    <method name="Press"><arg type="s" direction="in"/></method>
    <method name="Rebind">
      <arg type="s" direction="in"/><arg type="s" direction="in"/>
    </method>
  </interface>
</node>
"""


class FakePortal:
    def __init__(self):
        self.connection = None
        self.session = None
        self.bindings = []  # [(id, description, trigger)], as last bound
        self.binds = 0

    def shortcuts_variant(self):
        return [(id_, {"description": GLib.Variant("s", description),
                       "trigger_description": GLib.Variant("s", trigger)})
                for id_, description, trigger in self.bindings]

    def emit(self, signal, signature, values):
        self.connection.emit_signal(None, PATH, IMPL, signal, GLib.Variant(signature, values))

    def call(self, connection, sender, path, interface, method, parameters, invocation):
        args = parameters.unpack()
        if method == "CreateSession":
            self.session = args[1]
            invocation.return_value(GLib.Variant("(ua{sv})", (0, {})))
        elif method == "BindShortcuts":
            self.session = args[1]
            self.binds += 1
            self.bindings = [(id_, options.get("description", ""),
                              options.get("preferred_trigger", ""))
                             for id_, options in args[2]]
            invocation.return_value(GLib.Variant(
                "(ua{sv})", (0, {"shortcuts": GLib.Variant("a(sa{sv})",
                                                           self.shortcuts_variant())})))
        elif method == "ListShortcuts":
            invocation.return_value(GLib.Variant(
                "(ua{sv})", (0, {"shortcuts": GLib.Variant("a(sa{sv})",
                                                           self.shortcuts_variant())})))
        elif method == "Bindings":
            invocation.return_value(GLib.Variant("(s)", (json.dumps(
                {"binds": self.binds, "shortcuts": self.bindings}),)))
        elif method == "Press":
            self.emit("Activated", "(osta{sv})", (self.session, args[0], 0, {}))
            self.emit("Deactivated", "(osta{sv})", (self.session, args[0], 0, {}))
            invocation.return_value(None)
        elif method == "Rebind":
            self.bindings = [(id_, description, args[1] if id_ == args[0] else trigger)
                             for id_, description, trigger in self.bindings]
            self.emit("ShortcutsChanged", "(oa(sa{sv}))",
                      (self.session, self.shortcuts_variant()))
            invocation.return_value(None)

    def property(self, connection, sender, path, interface, name):
        return GLib.Variant("u", 1)


def main():
    portal = FakePortal()
    loop = GLib.MainLoop()
    node = Gio.DBusNodeInfo.new_for_xml(XML)

    def acquired(connection, name):
        print("ready", flush=True)

    def bus_acquired(connection, name):
        portal.connection = connection
        for interface in node.interfaces:
            connection.register_object(PATH, interface, portal.call, portal.property, None)

    Gio.bus_own_name(Gio.BusType.SESSION, sys.argv[1], Gio.BusNameOwnerFlags.NONE,
                     bus_acquired, acquired, lambda *_: loop.quit())
    loop.run()


if __name__ == "__main__":
    main()
