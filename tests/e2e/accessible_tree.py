#!/usr/bin/python3
"""Reads the program's windows over AT-SPI, as a screen reader does: prints both trees and
checks names and relations from captions, the status bar, the windows' roles, reading order
and the author line's description and action. Presses About itself. Status 0: all held."""

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
    return [(r.get_relation_type().value_nick, r.get_target(i).get_name())
            for r in node.get_relation_set() for i in range(r.get_n_targets())]


def actions(node):
    action = node.get_action_iface()
    return [action.get_action_name(i) for i in range(action.get_n_actions())] if action else []


def dump(node, depth=0):
    text = "%s%s '%s'" % ("  " * depth, node.get_role_name(), node.get_name())
    text += " description '%s'" % node.get_description() if node.get_description() else ""
    text += "".join(" %s '%s'" % relation for relation in relations(node))
    text += " modal" if node.get_state_set().contains(Atspi.StateType.MODAL) else ""
    print(text + (" actions %s" % actions(node) if actions(node) else ""))
    for child in children(node):
        dump(child, depth + 1)


def window(role):
    return wait_for(lambda: next(
        (top for app in children(Atspi.get_desktop(0)) if app and app.get_name() == PROGRAM
         for top in children(app)
         if top and top.get_role() == role and top.get_state_set().contains(
             Atspi.StateType.SHOWING)), None))


def child(parent, role, name=None):
    return next((c for c in children(parent)
                 if c.get_role_name() == role and name in (None, c.get_name())), None)


def names(parent, roles):
    return [c.get_name() for c in children(parent) if c.get_role_name() in roles]


main = window(Atspi.Role.FRAME)
if main is None:
    sys.exit("FAIL: no frame of %s on the accessibility bus" % PROGRAM)
dump(main)
display = child(main, "text", "UPTIME")
check(display and ("labelled-by", "UPTIME:") in relations(display),
      "the uptime display is a text named 'UPTIME', labelled by 'UPTIME:'")
status = child(main, "status bar", "Status")
check(status and ("labelled-by", "STATUS:") in relations(status),
      "a status bar 'Status', labelled by 'STATUS:'")
check(status and names(status, ["label"]) == ["READY..."], "the status bar's item is the phase")
labels = names(main, ["label", "status bar"])[:5]
check(labels == ["LARK-WEAVER", "LW-DODOZU-ZIDADA", "STATUS:", "Status", "UPTIME:"],
      "the labels in reading order, got %s" % labels)
child(main, "push button", "About").get_action_iface().do_action(0)

dialog = window(Atspi.Role.DIALOG)
if dialog is None:
    sys.exit("FAIL: About does not open as a dialog")
dump(dialog)
check(dialog.get_state_set().contains(Atspi.StateType.MODAL), "the About window is modal")
log = child(dialog, "text", "Output Log")
check(log and ("labelled-by", "Output Log") in relations(log),
      "the log box is named and labelled by 'Output Log'")
labels = names(dialog, ["label"])[:4]
check(labels == ["LARK-WEAVER", "LW-DODOZU-ZIDADA", "LW-VIZ", "Created By Quarn208"],
      "the About window's labels in reading order, got %s" % labels)
author = child(dialog, "label", "Created By Quarn208")
check(author and author.get_description() == "Quarn208@example.com",
      "the author line's description is the contact address")
if author and "Show contact" in actions(author):
    author.get_action_iface().do_action(actions(author).index("Show contact"))
check(wait_for(lambda: author if author and author.get_name() == "Quarn208@example.com"
               else None, 5), "the author line's 'Show contact' shows the contact address")
sys.exit(1 if failures else 0)
