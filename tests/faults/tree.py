# SPDX-License-Identifier: MIT
# StarquillFree's windows as a screen reader finds them over AT-SPI, a sorted line each: role,
# caption, shown or hidden; for a shown one, its links shown of all and its box named "Name"
# (or $BOX_NAME, in the language shown).
import os, pyatspi
shown = lambda node: node.getState().contains(pyatspi.STATE_SHOWING)
def inside(node):  # hidden controls too, but not what they hold; no list pop-up is built
    for child in filter(None, node):
        yield child
        if shown(child) and child.getRole() != pyatspi.ROLE_COMBO_BOX:
            yield from inside(child)
lines = []
for app in filter(lambda a: a and a.name == 'StarquillFree', pyatspi.Registry.getDesktop(0)):
    for window in filter(None, app):
        line = f"{window.getRoleName()} '{window.name}' " + ('shown' if shown(window) else 'hidden')
        nodes = list(inside(window)) if shown(window) else []
        links = [shown(n) for n in nodes if n.getRole() == pyatspi.ROLE_LINK]
        line += f" links {sum(links)}/{len(links)}" if nodes else ''
        for box in (n for n in nodes if n.getRole() == pyatspi.ROLE_TEXT and n.name == os.environ.get('BOX_NAME', 'Name')):
            line += f" name '{box.queryText().getText(0, -1)}'"
        lines.append(line)
print('\n'.join(sorted(lines)))
