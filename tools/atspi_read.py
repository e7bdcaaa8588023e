#!/usr/bin/python3
"""Reads the running french-test window over AT-SPI, as a screen reader would: the pages'
names, what every focusable control is called (for a combo box also the label it is labelled
by), then the same after an answer in every edit, and the verdict of every result
label after Finish. Run by tools/atspi_check.sh inside its D-Bus session and virtual display."""

import sys
import time

import pyatspi

TIME_LIMIT = 30  # seconds to wait for the window, or for a change to reach the tree


def wait_for(what, probe, limit=TIME_LIMIT, required=True):
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    if required:
        sys.exit(f"gave up after {limit} s waiting for {what}")
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "french-test":
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def spoken(node):
    """The name a screen reader announces: a combo box's labelling label comes first."""
    if node.getRole() == pyatspi.ROLE_COMBO_BOX and labelled_by(node):
        return labelled_by(node)[0]
    return node.name


def focusable(app):
    return [n for n in walk(app) if n.getState().contains(pyatspi.STATE_FOCUSABLE)
            and n.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_RADIO_BUTTON,
                                pyatspi.ROLE_PUSH_BUTTON)]


def report(title, app):
    controls = focusable(app)
    named = [c for c in controls if spoken(c) and "<" not in spoken(c)]
    print(f"== {title}: {len(named)} of {len(controls)} answer controls and buttons named")
    for c in controls:
        value = ""
        if c.getRole() == pyatspi.ROLE_COMBO_BOX:
            value = f"  own name {c.name!r}, labelled by {labelled_by(c)}"
        print(f"  {c.getRoleName():12} {spoken(c)!r}{value}")
    return controls


def press(app, name):
    for node in walk(app):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == name:
            node.queryAction().doAction(0)
            return
    sys.exit(f"no button {name}")


def main():
    app = wait_for("french-test on the accessibility bus", application)
    pages = [n for n in walk(app) if n.name.startswith(("LECTURE", "VOCABULAIRE", "GRAMMAIRE", "RÉSULTAT"))
             and n.getRole() not in (pyatspi.ROLE_LABEL,)]
    print("== pages:", [f"{p.getRoleName()} {p.name!r}" for p in pages])

    controls = report("nothing answered", app)

    # An answer in every edit, written through the tree. The boxes keep none: clicks and keys
    # sent through the registry did not reach the window under a bare virtual display.
    for c in controls:
        if c.getRole() == pyatspi.ROLE_TEXT:
            c.queryEditableText().setTextContents("x")
            wait_for("typed text", lambda c=c: c.queryText().getText(0, -1) == "x")
    report("an answer in every edit", app)

    for _ in range(7):
        press(app, "Далі")
    press(app, "Завершити")
    results = wait_for("the verdicts", lambda: [n for n in walk(app) if n.getRole() == pyatspi.ROLE_LABEL
                                               and n.description in ("правильно", "неправильно")])
    print(f"== result labels with a verdict: {len(results)}")
    for label in results[:3] + results[-3:]:
        print(f"  {label.name!r}: {label.description!r}")
    press(app, "Закрити")


if __name__ == "__main__":
    main()
