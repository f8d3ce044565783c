#!/usr/bin/python3
# Prints what the program's main window shows, read as a screen reader reads
# it, one to a line: the rows of its two lists, the text of its two boxes and
# of any message box; line breaks in a box are shown as "⏎".
import sys

import pyatspi


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount).replace("\n", "⏎")


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [a for a in desktop if a is not None and a.name == sys.argv[1]]
    if not apps:
        sys.exit("no such program on the accessibility bus")
    boxes, lists, messages = [], [], []
    for node in walk(apps[0]):
        role = node.getRole()
        if role == pyatspi.ROLE_TEXT:
            boxes.append(text_of(node))
        elif role == pyatspi.ROLE_LIST:
            lists.append([row.name for row in node])
        elif role in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
            messages.append(" ".join(
                n.name for n in walk(node) if n.getRole() == pyatspi.ROLE_LABEL))
    # In tab-index order: the input list, the output list (sorted, as the
    # draw order is random), the entry box, the count box.
    if len(lists) == 2:
        lists[1].sort()
    # With the count first, a list of one blank row is not an empty one.
    rows = ["%d: %s" % (len(names), " / ".join(names)) for names in lists]
    for line in rows + boxes + ["message: " + m for m in messages]:
        print(line)


main()
