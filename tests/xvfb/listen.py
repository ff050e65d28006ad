#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Velmora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints, one a line, what a screen reader speaks of: the object that takes
# the focus, with its description ("focus: top left, empty | your turn"), and
# each change of the name or description of the object in focus
# ("description: croix, centre ; au tour du joueur 2"). Changes of unfocused
# objects are silent and not printed.
import pyatspi


def heard(event):
    try:
        if event.type.endswith("focused"):
            if event.detail1: print("focus:", event.source.name, "|", event.source.description, flush=True)
        elif event.source.getState().contains(pyatspi.STATE_FOCUSED):
            kind = event.type.rsplit("-", 1)[1]
            print(f"{kind}:", getattr(event.source, kind), flush=True)
    except Exception:  # an object gone meanwhile says nothing, nor does an error
        pass


pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused", "object:property-change:accessible-name",
                                       "object:property-change:accessible-description")
print("listening", flush=True)
pyatspi.Registry.start()
