"""A stand-in for a desktop's clipboard manager (the freedesktop.org ClipboardManager convention),
for the desktop tests: it owns CLIPBOARD_MANAGER; when a program that owns the clipboard quits and
asks it to SAVE_TARGETS, it copies every format of the clipboard and then serves them itself, as
the clipboard managers of desktop environments do. Prints "ready" once it owns CLIPBOARD_MANAGER.

Run with the display in DISPLAY/XAUTHORITY; it ends when the display goes away."""
import sys
import time

from Xlib import X, Xatom, display
from Xlib.protocol import event as xevent

SKIPPED = {"TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS", "DELETE", "INSERT_SELECTION", "INSERT_PROPERTY"}


def main():
    d = display.Display()
    window = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent, event_mask=X.PropertyChangeMask)
    atom = d.intern_atom
    manager, clipboard, targets_atom = atom("CLIPBOARD_MANAGER"), atom("CLIPBOARD"), atom("TARGETS")
    save_targets, incoming = atom("SAVE_TARGETS"), atom("LW_CLIPBOARD_MANAGER_DATA")
    window.set_selection_owner(manager, X.CurrentTime)
    d.flush()
    if d.get_selection_owner(manager) != window:
        sys.exit("could not own CLIPBOARD_MANAGER")
    print("ready", flush=True)
    saved = {}  # target atom -> (type atom, format, data)

    def convert(target):
        window.convert_selection(clipboard, target, incoming, X.CurrentTime)
        d.flush()
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            while d.pending_events():
                e = d.next_event()
                if e.type == X.SelectionNotify and e.selection == clipboard and e.target == target:
                    if e.property == X.NONE:
                        return None
                    prop = window.get_full_property(incoming, X.AnyPropertyType)
                    window.delete_property(incoming)
                    return prop
            time.sleep(0.01)
        return None

    def reply(request, prop):
        notify = xevent.SelectionNotify(time=request.time, requestor=request.requestor, selection=request.selection,
                                        target=request.target, property=prop)
        request.requestor.send_event(notify)
        d.flush()

    while True:
        e = d.next_event()
        if e.type != X.SelectionRequest:
            continue
        if e.selection == manager and e.target == save_targets:
            offered = convert(targets_atom)
            saved = {}
            for target in (offered.value if offered else []):
                if d.get_atom_name(target) in SKIPPED:
                    continue
                prop = convert(target)
                if prop is not None and d.get_atom_name(prop.property_type) != "INCR":
                    saved[target] = (prop.property_type, prop.format, prop.value)
            window.set_selection_owner(clipboard, X.CurrentTime)
            e.requestor.change_property(e.property, Xatom.ATOM, 32, [])
            reply(e, e.property)
        elif e.selection == clipboard and e.target == targets_atom:
            e.requestor.change_property(e.property, Xatom.ATOM, 32, [targets_atom, *saved])
            reply(e, e.property)
        elif e.selection == clipboard and e.target in saved:
            kind, fmt, value = saved[e.target]
            e.requestor.change_property(e.property, kind, fmt, value)
            reply(e, e.property)
        else:
            reply(e, X.NONE)


if __name__ == "__main__":
    main()
