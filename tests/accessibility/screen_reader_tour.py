#!/usr/bin/python3
"""What a screen reader user hears of Zelmora, end to end over the accessibility bus.

Starts the real program on a virtual X display with a window manager, in a D-Bus session of its
own with the AT-SPI bus, opens every window from the menu with the keyboard alone, tours it with
Tab and listens to the bus as a screen reader does: every control that gets the focus is
announced by its label, its name, its role and its description, and a dialog that takes the
focus is read with its texts. Prints each window's tour, then checks it.

Usage: screen_reader_tour.py PROGRAM
Exit status 0 when every check holds, 1 when one fails, 77 when a tool it needs is missing.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
SESSION_MARK = "ZELMORA_TOUR_IN_SESSION"
WHOLE_RUN_SECONDS = 150
EVENT_SECONDS = 5
TAB_NOWHERE_SECONDS = 1.5
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
WINDOW_ROLES = ("frame", "window")
DIALOG_ROLES = ("dialog", "alert")


def skip(why):
    print(f"SKIP: {why}")
    sys.exit(SKIP)


def check_tools():
    for tool in ("Xvfb", "dbus-run-session", "xdotool", "openbox"):
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed")
    if not os.path.exists(BUS_LAUNCHER):
        skip("at-spi2-core's bus launcher is not installed")
    try:
        import gi

        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi  # noqa: F401
    except (ImportError, ValueError):
        skip("the AT-SPI bindings for Python (gir1.2-atspi-2.0, python3-gi) are not installed")


class Failures:
    def __init__(self):
        self.items = []

    def check(self, holds, what):
        if not holds:
            self.items.append(what)


class Announcement:
    """One control as a screen reader speaks it when it gets the focus."""

    def __init__(self, source, window, Atspi):
        self.role = source.get_role_name()
        self.name = source.get_name() or ""
        self.description = source.get_description() or ""
        states = source.get_state_set()
        # A toggle is heard as pressed or checked while it is on.
        self.on = (states.contains(Atspi.StateType.CHECKED) or
                   states.contains(Atspi.StateType.PRESSED))
        self.labels = []
        for relation in source.get_relation_set() or []:
            if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
                for i in range(relation.get_n_targets()):
                    self.labels.append(relation.get_target(i).get_name() or "")
        self.window_name = (window.get_name() or "") if window else ""
        self.window_role = window.get_role_name() if window else ""
        # A dialog that takes the focus is read whole: its texts, then its focused button.
        self.window_texts = ([label.get_name() for label in find_all(window, "label")]
                             if self.window_role in DIALOG_ROLES else [])

    def spoken(self):
        words = [label for label in self.labels if label]
        if self.name and self.name not in words:
            words.append(self.name)
        words.append(self.role)
        if self.on:
            words.append("on")
        if self.description and self.description not in words:
            words.append(self.description)
        return ", ".join(words)

    def key(self):
        return (self.window_name, self.role, self.name, tuple(self.labels))


def find_all(accessible, role, depth=0):
    found = []
    if accessible is None or depth > 8:
        return found
    for i in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(i)
        if child is None:
            continue
        if child.get_role_name() == role:
            found.append(child)
        found += find_all(child, role, depth + 1)
    return found


class Tour:
    def __init__(self, program):
        import gi

        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib

        self.Atspi = Atspi
        self.context = GLib.MainContext.default()
        self.children = []
        self.heard = []
        self.program = program
        self.app = None

    def start(self):
        Atspi = self.Atspi
        self.display = self.spawn_display()
        env = dict(os.environ, DISPLAY=self.display)
        self.env = env
        # A window manager gives each new window the focus, as on a desktop.
        self.children.append(subprocess.Popen(["openbox", "--sm-disable"], env=env,
                                              stdout=subprocess.DEVNULL,
                                              stderr=subprocess.DEVNULL))
        Atspi.init()
        self.listener = Atspi.EventListener.new(self.on_focus)
        self.listener.register("object:state-changed:focused")
        # A screen reader listens for checked and pressed states as well, and Qt sends their
        # changes only to a listener: without one the states read stay those first read.
        self.state_listener = Atspi.EventListener.new(lambda event: None)
        for state in ("checked", "pressed"):
            self.state_listener.register(f"object:state-changed:{state}")
        program_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.app = subprocess.Popen([self.program], env=program_env)
        self.children.append(self.app)

    def spawn_display(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                 "1280x1024x24", "-nolisten", "tcp"], pass_fds=(write_end,),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.children.append(xvfb)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read_end)
        return ":" + number.decode().strip()

    def stop(self):
        for child in reversed(self.children):
            if child.poll() is None:
                child.kill()
                child.wait()

    def on_focus(self, event):
        if event.detail1 != 1:
            return
        try:
            source = event.source
            window = source
            while window is not None:
                parent = window.get_parent()
                if parent is None or parent.get_role_name() == "application":
                    break
                window = parent
            self.heard.append(Announcement(source, window, self.Atspi))
        except Exception as error:
            # A control may be gone before it is read, above all as the program ends.
            if self.app is not None and self.app.poll() is None:
                print(f"(could not read a focus event: {error})")

    def pump(self):
        while self.context.iteration(False):
            pass

    def wait_for(self, condition, what, seconds=EVENT_SECONDS):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.pump()
            if condition():
                return True
            time.sleep(0.02)
        raise TimeoutError(f"waited {seconds} s for {what}")

    def press(self, key, expect_focus=True, seconds=EVENT_SECONDS):
        """Presses a key as the user does and returns what the reader announces next."""
        before = len(self.heard)
        subprocess.run(["xdotool", "key", "--clearmodifiers", key], env=self.env, check=True)
        if not expect_focus:
            time.sleep(0.3)
            self.pump()
            return None
        try:
            self.wait_for(lambda: len(self.heard) > before, f"the focus after {key}", seconds)
        except TimeoutError:
            return None
        # Settle: one key may move the focus through several controls.
        time.sleep(0.1)
        self.pump()
        return self.heard[-1]

    def focused(self):
        return self.heard[-1] if self.heard else None

    def tab_tour(self, limit=30):
        """Tab until the focus comes back to where it started; what each control announced."""
        start = self.focused()
        tour = [start]
        for _ in range(limit):
            # Where Tab has nowhere else to go (a box with one button) no focus event comes.
            heard = self.press("Tab", seconds=TAB_NOWHERE_SECONDS)
            if heard is None or heard.key() == start.key():
                return tour
            tour.append(heard)
        raise AssertionError(f"Tab never came back to {start.spoken()}")

    def tab_to(self, name, limit=20):
        for _ in range(limit):
            if self.focused() is not None and self.focused().name == name:
                return self.focused()
            self.press("Tab")
        raise AssertionError(f"Tab never reached {name}")

    def tree_labels(self, role="label"):
        desktop = self.Atspi.get_desktop(0)
        names = []
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "Zelmora":
                names += [label.get_name() for label in find_all(app, role)]
        return names


def show(title, tour):
    print(f"\n== {title}: window \"{tour[0].window_name}\" ({tour[0].window_role})")
    if tour[0].window_texts:
        print("   reads: " + " / ".join(tour[0].window_texts))
    for heard in tour:
        print("   " + heard.spoken())


def run(program):
    failures = Failures()
    tour = Tour(program)
    try:
        tour.start()
        tour.wait_for(lambda: tour.focused() is not None, "the menu", seconds=15)

        menu = tour.tab_tour()
        show("Main menu", menu)
        tour.tab_to("Opciones")
        tour.press("space", expect_focus=False)
        panel = tour.tab_tour()
        show("Main menu with the options panel", panel)
        windows = {"menu": menu}
        failures.check(any("Pi = 3.14159265358979" == t for t in tour.tree_labels()),
                       "the options panel's value is not heard as 'Pi = 3.14159265358979'")
        failures.check("Pi =" not in tour.tree_labels(),
                       "the caption 'Pi =' is heard again on its own")
        # The tour ends where it began, on "Opciones", heard again now that the panel is open.
        failures.check(tour.focused().name == "Opciones" and tour.focused().on and
                       not [h for h in menu if h.name == "Opciones"][0].on,
                       "'Opciones' is not heard as on while the panel is open, and off before")
        decimals = [h for h in panel if h.name == "Cantidad de decimales en Pi:"]
        failures.check(decimals and decimals[0].description == "Pi = 3.14159265358979",
                       "the decimals box is not described by the value of Pi")
        tour.tab_to("Menos decimales")
        tour.press("space", expect_focus=False)
        print("\n   after \"Menos decimales\": " + ", ".join(
            t for t in tour.tree_labels() if t.startswith("Pi")))
        failures.check("Pi = 3.1415926535898" in tour.tree_labels(),
                       "the value of Pi heard does not follow a change of decimals")

        tour.tab_to("Acerca de Zelmora")
        tour.press("space")
        about = tour.tab_tour()
        show("About box", about)
        windows["about"] = about
        failures.check(tour.press("Escape") is not None and
                       tour.focused().window_name == "ZELMORA", "Escape does not close About")

        tour.tab_to("Calcular figuras")
        tour.press("Return", expect_focus=False)
        popup = [tour.press("Down") for _ in range(4)]
        print("\n== Figures pop-up, with the arrow keys: " +
              " / ".join(h.spoken() if h else "(nothing)" for h in popup))
        failures.check([(h.name, h.role) if h else None for h in popup] ==
                       [(item, "menu item") for item in ("Perímetro", "Área", "Volumen",
                                                        "Cancelar")],
                       "the figures pop-up's items are not announced as they get the focus")
        tour.press("Escape", expect_focus=False)

        for item in ("Perímetro", "Área", "Volumen"):
            tour.tab_to("Calcular figuras")
            tour.press("Return", expect_focus=False)
            for _ in range(4):
                heard = tour.press("Down")
                if heard is not None and heard.name == item:
                    break
            tour.press("Return")
            opened = tour.tab_tour()
            show(f"Calculator \"{item}\" from the figures pop-up", opened)
            windows[item] = opened
            tour.press("alt+F4")

        def open_from_menu(picture, label):
            tour.tab_to(picture)
            tour.press("Return")
            heard = tour.tab_tour()
            show(label, heard)
            return heard

        solver = windows["solver"] = open_from_menu("Teorema de Pitágoras", "Solver")
        # The proportion's button, the last "Resolver" of the tour: every box reads 0.
        buttons = [i for i, h in enumerate(solver) if h.name == "Resolver"]
        for _ in range(buttons[-1] if buttons else 0):
            tour.press("Tab")
        error = tour.press("space")
        message = tour.tab_tour()
        show("The solver's message box", message)
        failures.check(error is not None and error.window_role in DIALOG_ROLES and
                       "No se puede dividir entre cero." in error.window_texts and
                       error.name == "Aceptar",
                       "the solver's message box is not read with its text and its button")
        tour.press("Return")
        tour.press("alt+F4")

        windows["converter"] = open_from_menu("Convertidor de unidades", "Converter")
        tour.press("alt+F4")

        tour.press("alt+F4")
        question = tour.tab_tour()
        show("Close question", question)
        failures.check(question[0].window_role in DIALOG_ROLES and
                       "¿Seguro de querer cerrar el programa?" in question[0].window_texts and
                       {h.name for h in question} == {"Sí", "No"},
                       "the close question is not read with its text and its Sí and No buttons")
        tour.tab_to("Sí")
        tour.press("space", expect_focus=False)
        try:
            tour.app.wait(timeout=EVENT_SECONDS)
        except subprocess.TimeoutExpired:
            failures.check(False, "Sí to the close question did not end the program")

        for title, heard in windows.items():
            roles = DIALOG_ROLES if title == "about" else WINDOW_ROLES
            failures.check(heard[0].window_role in roles,
                           f"the {title} window is exposed as {heard[0].window_role}")
            for control in heard:
                failures.check(bool(control.name or any(control.labels)),
                               f"{title}: a {control.role} is announced without a name")
        def part(heard):
            if heard.role == "combo box":
                return heard.labels[0] if heard.labels else "an unnamed list"
            if heard.role == "radio button":
                return "the figure"
            # Debian 12's AT-SPI names the role "push button", Debian 13's "button".
            return heard.name if heard.role in ("push button", "button") else heard.role
        for item in ("Perímetro", "Área", "Volumen"):
            # Each calculator opens on a figure of one measure.
            order = [part(h) for h in windows[item]]
            figure = [h for h in windows[item] if h.role == "radio button"]
            failures.check(figure and figure[0].on and figure[0].description == "",
                           f"{item}: the chosen figure is not heard as checked, once")
            failures.check(order == ["text", "Unidad de medida", "Ver Resultado", "text",
                                     "Unidad del resultado", "the figure"],
                           f"{item}: Tab does not follow the window's reading order: {order}")
            by_purpose = {tuple(h.labels): h for h in windows[item] if h.role == "combo box"}
            for purpose, unit in (("Unidad de medida", "cm"),
                                  ("Unidad del resultado",
                                   {"Perímetro": "cm", "Área": "cm²", "Volumen": "cm³"}[item])):
                heard = by_purpose.get((purpose,))
                failures.check(heard is not None and heard.name == unit,
                               f"{item}: the unit box \"{purpose}\" is not heard with its "
                               f"purpose and its unit {unit}")
    except (TimeoutError, AssertionError, IndexError) as error:
        failures.check(False, f"the tour stopped: {error}")
    finally:
        tour.stop()

    print()
    for failure in failures.items:
        print(f"FAIL: {failure}")
    if failures.items:
        return 1
    print("PASS: every window toured and heard as it should be")
    return 0


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    check_tools()
    if os.environ.get(SESSION_MARK) is None:
        # A D-Bus session of its own, which starts the accessibility bus when first asked for it
        # and ends with the tour. A home and run-time folder of its own keep the bus's socket and
        # the window manager's files apart from any other tour running at the same time.
        home = tempfile.mkdtemp(prefix="zelmora-tour-")
        env = {k: v for k, v in os.environ.items() if k != "AT_SPI_BUS_ADDRESS"}
        env.update({SESSION_MARK: "1", "HOME": home, "XDG_RUNTIME_DIR": home,
                    "XDG_CONFIG_HOME": home, "XDG_CACHE_HOME": home})
        session = subprocess.Popen(["dbus-run-session", "--", sys.executable, __file__,
                                    sys.argv[1]], env=env, start_new_session=True)
        try:
            return session.wait(timeout=WHOLE_RUN_SECONDS)
        except subprocess.TimeoutExpired:
            os.killpg(session.pid, signal.SIGKILL)
            print(f"FAIL: the tour took more than {WHOLE_RUN_SECONDS} s")
            return 1
        finally:
            shutil.rmtree(home, ignore_errors=True)
    return run(sys.argv[1])


if __name__ == "__main__":
    sys.exit(main())
