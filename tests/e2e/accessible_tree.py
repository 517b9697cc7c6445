#!/usr/bin/python3
"""Reads the program's accessible tree over AT-SPI, as a screen reader does, prints both
windows' trees and checks what a screen reader needs: names from captions and their
relations, the status bar, the windows' roles, reading order and the author line's
description and action. Presses About itself. Exit status 0: every check held."""

import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

warnings.filterwarnings("ignore", category=DeprecationWarning)
PROGRAM = sys.argv[1]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL: " + what, file=sys.stderr)


def wait_for(find, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    return None


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def relations(node):
    said = []
    for relation in node.get_relation_set():
        kind = relation.get_relation_type().value_nick
        for i in range(relation.get_n_targets()):
            said.append((kind, relation.get_target(i).get_name()))
    return said


def describe(node):
    role = node.get_role_name()
    text = "%s '%s'" % (role, node.get_name())
    if node.get_description():
        text += " description '%s'" % node.get_description()
    for kind, target in relations(node):
        text += " %s '%s'" % (kind, target)
    if node.get_state_set().contains(Atspi.StateType.MODAL):
        text += " modal"
    action = node.get_action_iface()
    if action is not None:
        names = [action.get_action_name(i) for i in range(action.get_n_actions())]
        if names:
            text += " actions %s" % names
    return text


def dump(node, depth=0):
    print("  " * depth + describe(node))
    for child in children(node):
        dump(child, depth + 1)


def window(role):
    def find():
        for app in children(Atspi.get_desktop(0)):
            if app is not None and app.get_name() == PROGRAM:
                for top in children(app):
                    if top is not None and top.get_role() == role and top.get_state_set().contains(
                        Atspi.StateType.SHOWING
                    ):
                        return top
        return None

    return wait_for(find)


def named(parent, role_name, name):
    for child in children(parent):
        if child.get_role_name() == role_name and child.get_name() == name:
            return child
    return None


main = window(Atspi.Role.FRAME)
if main is None:
    print("FAIL: no frame of %s on the accessibility bus" % PROGRAM, file=sys.stderr)
    sys.exit(1)
print("The main window:")
dump(main)
display = named(main, "text", "UPTIME")
check(display is not None, "the uptime display is a text named 'UPTIME'")
check(display is not None and ("labelled-by", "UPTIME:") in relations(display),
      "the uptime display is labelled by 'UPTIME:'")
status = next((c for c in children(main) if c.get_role() == Atspi.Role.STATUS_BAR), None)
check(status is not None and status.get_name() == "Status", "a status bar named 'Status'")
check(status is not None and ("labelled-by", "STATUS:") in relations(status),
      "the status bar is labelled by 'STATUS:'")
check(status is not None and [c.get_name() for c in children(status)] == ["READY..."],
      "the status bar's item is the phase")
labels = [c.get_name() for c in children(main) if c.get_role_name() in ("label", "status bar")]
check(labels[:5] == ["LARK-WEAVER", "LW-DODOZU-ZIDADA", "STATUS:", "Status", "UPTIME:"],
      "the labels in reading order, got %s" % labels[:5])

about = named(main, "push button", "About")
check(about is not None, "an About button")
if about is not None:
    about.get_action_iface().do_action(0)
dialog = window(Atspi.Role.DIALOG)
check(dialog is not None, "About opens as a dialog")
if dialog is not None:
    print("The About window:")
    dump(dialog)
    check(dialog.get_state_set().contains(Atspi.StateType.MODAL), "the About window is modal")
    log = named(dialog, "text", "Output Log")
    check(log is not None and ("labelled-by", "Output Log") in relations(log),
          "the log box is named and labelled by 'Output Log'")
    author = named(dialog, "label", "Created By Quarn208")
    check(author is not None and author.get_description() == "Quarn208@example.com",
          "the author line's description is the contact address")
    titles = [c.get_name() for c in children(dialog) if c.get_role_name() == "label"]
    check(titles[:4] == ["LARK-WEAVER", "LW-DODOZU-ZIDADA", "LW-VIZ", "Created By Quarn208"],
          "the About window's labels in reading order, got %s" % titles[:4])
    if author is not None:
        action = author.get_action_iface()
        names = [action.get_action_name(i) for i in range(action.get_n_actions())]
        check("Show contact" in names, "the author line offers 'Show contact', got %s" % names)
        if "Show contact" in names:
            action.do_action(names.index("Show contact"))
            shown = wait_for(lambda: author if author.get_name() == "Quarn208@example.com"
                             else None, 5)
            check(shown is not None, "'Show contact' shows the contact address")

sys.exit(1 if failures else 0)
