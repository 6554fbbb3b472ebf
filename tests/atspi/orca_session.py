#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Lexora English developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives the program by keys while Orca listens, and checks what Orca says.

Run by session.sh inside run-orca-test: the display, the session bus, the accessibility bus
and Orca are up. Every check is a named assertion; a failed one is reported and the run goes
on where it can, so one run lists every fault. Exit status 0 only when every check passed.
"""

import argparse
import hashlib
import os
import re
import sqlite3
import subprocess
import sys
import time
import traceback

import pyatspi

# What the checks look for in each working language. Item texts come from the item file.
WORDS = {
    "en": {
        "button": "Command1",
        "item": r"Item {n}\b",
        "gap": "gap",
        "right": "Right",
        "wrong": "Wrong",
        "solution": "Solution",
        "score": "Score",
        "time_up": "Time is up",
        "explanation": "Explanation",
        "keys": {"start": "alt+s", "solution": "alt+o", "next": "alt+n", "evaluation": "alt+v",
                 "close": "alt+c"},
    },
    "hu": {
        "button": "Command6",
        "item": r"\b{n}\. mondat",
        "gap": "üres hely",
        "right": "Helyes",
        "wrong": "Hibás",
        "solution": "Megoldás",
        "score": "Eredmény",
        "time_up": "Lejárt az idő",
        "explanation": "Magyarázat",
        "keys": {"start": "alt+a", "solution": "alt+m", "next": "alt+v", "evaluation": "alt+l",
                 "close": "alt+b"},
    },
    "es": {
        "button": "Command5",
        "item": r"Oración {n}\b",
        "gap": "hueco",
        "right": "Correcto",
        "wrong": "Incorrecto",
        "solution": "Solución",
        "score": "Resultado",
        "time_up": "Se acabó el tiempo",
        "explanation": "Explicación",
        "keys": {"start": "alt+m", "solution": "alt+s", "next": "alt+g", "evaluation": "alt+e",
                 "close": "alt+a"},
    },
    "fr": {
        "button": "Command2",
        "item": r"Fiche {n}\b",
        "gap": "blanc",
        "right": "Juste",
        "wrong": "Faux",
        "solution": "Solution",
        "score": "Résultat",
        "time_up": "Le temps est écoulé",
        "explanation": "Explication",
        # "S&olution" shares its key with the "&Options" menu and "Éval&uation" with the "S&ujet"
        # menu, so a press may only move the focus: the scenario clicks those buttons instead (None).
        "keys": {"start": "alt+m", "solution": None, "next": "alt+s", "evaluation": None,
                 "close": "alt+f"},
        "evaluation_button": "Évaluation",
    },
}

# Practice with written answers: the Settings entry, what is said and the box and button with their access keys.
TYPED = {
    "en": {"entry": "Write the answer", "prompt": "Write the missing words", "nearly": "Nearly: check your spelling",
           "right_answer": "Right answer", "box": "Your answer", "check": "Check", "box_key": "alt+a",
           "check_key": "alt+e"},
    "hu": {"entry": "Válasz beírása", "prompt": "Írja be a hiányzó szavakat",
           "nearly": "Majdnem: ellenőrizze a helyesírást", "right_answer": "Helyes válasz", "box": "Válasz",
           "check": "Ellenőrzés", "box_key": "alt+l", "check_key": "alt+n"},
}

# Roles a learner acts on: each needs a name that says what it does.
ACTIONABLE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_LINK,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_MENU,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TOGGLE_BUTTON,
}

# Texts that only the learner's answer may bring out; hidden controls must not hold them.
ENDING_BUTTON = re.compile(r"^(Close|Bezár|Evaluation|Értékelés|END|Start|Indítás)\b", re.I)


class Failure(Exception):
    pass


class OrcaLog:
    """What Orca said, read from its debug file."""

    LINE = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{'established", re.S)

    def __init__(self, path):
        self.path = path

    def lines(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                text = f.read()
        except FileNotFoundError:
            return []
        return [m.group(1) for m in self.LINE.finditer(text)]

    def mark(self):
        return len(self.lines())

    def since(self, mark):
        return self.lines()[mark:]

    def ready(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                return "registering listener for: window:deactivate" in f.read()
        except FileNotFoundError:
            return False


def wait_until(predicate, timeout, step=0.1):
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            return value
        time.sleep(step)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def click_at(x, y):
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def states(acc):
    try:
        return acc.getState()
    except Exception:
        return None


def name_of(acc):
    """The object's name; empty for an object that has gone meanwhile (a window just closed)."""
    try:
        return acc.name or ""
    except Exception:
        return ""


def walk(acc, depth=0):
    yield acc
    if depth > 40:
        return
    try:
        count = acc.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = acc.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            yield from walk(child, depth + 1)


class Program:
    """The program under test, seen through AT-SPI."""

    def __init__(self, path, workdir):
        env = dict(os.environ)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        env["QT_QPA_PLATFORM"] = "xcb"
        env["QT_ACCESSIBILITY"] = "1"
        self.out = open(os.path.join(workdir, "program.log"), "a")
        self.proc = subprocess.Popen([path], env=env, stdout=self.out, stderr=self.out)
        self.app = None

    def find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            try:
                app = desktop.getChildAtIndex(i)
                if app is not None and "lexora" in (app.name or "").lower():
                    return app
            except Exception:
                continue
        return None

    def wait_app(self, timeout=30):
        self.app = wait_until(self.find_app, timeout, 0.2)
        if not self.app:
            raise Failure("the program did not appear on the accessibility bus")
        return self.app

    def frames(self):
        app = self.find_app()
        if not app:
            return []
        result = []
        try:
            count = app.childCount
        except Exception:  # the program's tree is being rebuilt: no windows this moment
            return []
        for i in range(count):
            # A window closing while it is looked at leaves an object path that no longer answers.
            try:
                child = app.getChildAtIndex(i)
                if child is not None and child.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG,
                                                             pyatspi.ROLE_WINDOW):
                    result.append(child)
            except Exception:
                continue
        return result

    def frame(self, pattern):
        for f in self.frames():
            s = states(f)
            if s and s.contains(pyatspi.STATE_SHOWING) and re.search(pattern, name_of(f)):
                return f
        return None

    def wait_frame(self, pattern, timeout=20):
        f = wait_until(lambda: self.frame(pattern), timeout, 0.2)
        if not f:
            names = [name_of(fr) for fr in self.frames()]
            raise Failure("no window /%s/ (windows: %s)" % (pattern, names))
        return f

    def focused(self):
        for f in self.frames():
            for acc in walk(f):
                s = states(acc)
                if s and s.contains(pyatspi.STATE_FOCUSED) and acc.getRole() != pyatspi.ROLE_FRAME:
                    return acc
        return None

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()


def describe(acc):
    if acc is None:
        return "nothing"
    try:
        return "%s '%s'" % (acc.getRoleName(), acc.name)
    except Exception:
        return "a gone object"


class Session:
    def __init__(self, args):
        self.args = args
        self.log = OrcaLog(args.orca_log)
        self.failures = []
        self.passed = 0
        self.report = open(os.path.join(args.work, "session.log"), "a")
        self.db = os.path.join(os.path.dirname(args.program), "en_data1.mdb")

    def note(self, text):
        print(text, flush=True)
        self.report.write(text + "\n")
        self.report.flush()

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
            self.note("  ok    %s" % name)
        else:
            self.failures.append(name)
            self.note("  FAIL  %s%s" % (name, (": " + detail) if detail else ""))
        return ok

    # ---------------------------------------------------------------- speech

    def said(self, mark):
        return " | ".join(self.log.since(mark))

    def expect_speech(self, name, mark, patterns, timeout=6.0):
        """Waits until everything in `patterns` (regular expressions) has been said since `mark`."""
        regexes = [re.compile(p, re.I) for p in patterns]

        nudged = [time.monotonic()]

        def all_said():
            text = self.said(mark)
            if all(r.search(text) for r in regexes):
                return True
            # Orca's debug file is written in blocks: a key it echoes makes it write out
            # what it has said so far.
            if time.monotonic() - nudged[0] > 1.0:
                key("shift")
                nudged[0] = time.monotonic()
            return False

        ok = wait_until(all_said, timeout, 0.1)
        text = self.said(mark)
        missing = [r.pattern for r in regexes if not r.search(text)]
        return self.check(name, ok, "missing %s; Orca said: %s" % (missing, text[-700:]))

    @staticmethod
    def after(first, then):
        """A pattern for `then` said after `first`, with some text after it (the reason)."""
        return r"%s\W.*\b%s\s*:\s*\S" % (first, then)

    def settle(self, quiet=0.6, timeout=6.0):
        """Waits until Orca has said nothing new for `quiet` seconds."""
        end = time.monotonic() + timeout
        last = self.log.mark()
        still_since = time.monotonic()
        while time.monotonic() < end:
            time.sleep(0.1)
            now = self.log.mark()
            if now != last:
                last = now
                still_since = time.monotonic()
            elif time.monotonic() - still_since >= quiet:
                return

    # ---------------------------------------------------------------- the item on show

    def item_for(self, spoken):
        """The item whose sentence Orca read, from the item file: (answers, right letter, solution)."""
        con = sqlite3.connect("file:%s?mode=ro" % self.db, uri=True)
        try:
            rows = con.execute("select mondat, a, b, c, d, felelet2, felelet1 from test1").fetchall()
        finally:
            con.close()
        best = None
        for row in rows:
            words = [w for w in re.split(r"\.{2,}", row[0]) if w.strip()]
            if words and all(w.strip() in spoken for w in words):
                if best is None or len(row[0]) > len(best[0]):
                    best = row
        return best

    def item_on_screen(self, prog):
        """The item on show, found from what the window's objects hold (when speech did not tell it)."""
        texts = []
        for f in prog.frames():
            for acc in walk(f):
                st = states(acc)
                if st and st.contains(pyatspi.STATE_SHOWING):
                    texts += [acc.name or "", acc.description or ""]
                    try:
                        texts.append(acc.queryText().getText(0, -1))
                    except Exception:
                        pass
        return self.item_for(" ".join(texts))

    def current_item(self, prog, mark, name):
        item = self.item_for(self.said(mark))
        self.check(name, item is not None, self.said(mark)[-400:])
        return item or self.item_on_screen(prog)

    def trigger_entry(self, prog, frame_pattern, name):
        """Triggers the menu entry `name` of the window matching `frame_pattern` by its action."""
        frame = prog.frame(frame_pattern)
        for acc in walk(frame) if frame is not None else []:
            try:
                if acc.getRole() == pyatspi.ROLE_MENU_ITEM and name_of(acc) == name:
                    acc.queryAction().doAction(0)
                    return True
            except Exception:
                continue
        return False

    def menu_entry(self, prog, name):
        """Triggers a menu entry through its accessible action, as a screen reader's user can."""
        frame = prog.frame(r"----")
        for acc in walk(frame):
            if acc.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
                                 pyatspi.ROLE_RADIO_MENU_ITEM) and (acc.name or "") == name:
                acc.queryAction().doAction(0)
                return True
        raise Failure("no menu entry '%s'" % name)

    def focus_check(self, prog, name):
        focused = wait_until(prog.focused, 3.0, 0.1)
        text = describe(focused)
        bad = focused is None or (focused.getRole() == pyatspi.ROLE_PUSH_BUTTON and
                                  ENDING_BUTTON.search(focused.name or ""))
        self.check(name, not bad, "focus on " + text)
        return focused

    # ---------------------------------------------------------------- the walk

    def nameless(self, prog, screen):
        """Every showing control a learner acts on must have a name; lists those without."""
        found = []
        for f in prog.frames():
            s = states(f)
            if not s or not s.contains(pyatspi.STATE_SHOWING):
                continue
            for acc in walk(f):
                st = states(acc)
                if not st or not st.contains(pyatspi.STATE_SHOWING):
                    continue
                role = acc.getRole()
                actionable = role in ACTIONABLE
                if not actionable:
                    try:
                        actionable = acc.queryAction().nActions > 0
                    except Exception:
                        actionable = False
                if actionable and not (acc.name or "").strip():
                    found.append(describe(acc))
        self.note("  walk  %s: %d nameless %s" % (screen, len(found), found if found else ""))
        self.check("walk: every actionable object on %s has a name" % screen, not found, str(found))
        return found

    def hidden_leaks(self, prog, screen, secrets):
        """No control that is not showing may hold the right letter, the solution or the key."""
        leaks = []
        for f in prog.frames():
            for acc in walk(f):
                st = states(acc)
                if not st or st.contains(pyatspi.STATE_SHOWING) or acc.getRole() == pyatspi.ROLE_FRAME:
                    continue
                texts = [acc.name or "", acc.description or ""]
                try:
                    t = acc.queryText()
                    texts.append(t.getText(0, -1))
                except Exception:
                    pass
                for s in secrets:
                    # A caption of a letter (named "B", saying "B") tells no more than the
                    # other three letters beside it; the right letter held by anything else does.
                    if not s or (len(s) == 1 and (acc.name or "").strip() == s):
                        continue
                    if any(s == x.strip() or (len(s) > 3 and s in x) for x in texts):
                        leaks.append("%s holds '%s'" % (describe(acc), s))
        self.check("nothing given away on %s while hidden" % screen, not leaks, str(leaks[:5]))

    # ---------------------------------------------------------------- scenarios

    def start_program(self, lang):
        prog = Program(self.args.program, self.args.work)
        prog.wait_app()
        w = WORDS[lang]
        chooser = prog.wait_frame(r".")
        self.note("language window: %s" % chooser.name)
        wait_until(lambda: states(chooser) and states(chooser).contains(pyatspi.STATE_ACTIVE), 10, 0.1)
        # The language buttons: the one of the working language is pressed by its access key.
        key({"en": "alt+e", "hu": "alt+m", "es": "alt+s", "fr": "alt+f"}[lang])
        prog.wait_frame(r"^LEXORA ENGLISH$", 30)
        self.settle()
        return prog, w

    def practice(self, lang):
        self.note("== Practice (%s)" % lang)
        prog, w = self.start_program(lang)
        try:
            self.nameless(prog, "the hub (%s)" % lang)
            mark = self.log.mark()
            key("Return")  # the hub opens Practice, its first task
            prog.wait_frame(r"----", 20)
            self.settle()
            self.nameless(prog, "Practice before Start (%s)" % lang)
            mark = self.log.mark()
            key(w["keys"]["start"])
            self.expect_speech("Practice %s: after Start the item number is said" % lang, mark,
                               [w["item"].format(n=1)])
            self.expect_speech("Practice %s: after Start the sentence is said with the gap" % lang, mark,
                               [w["gap"]])
            self.settle()
            item = self.current_item(prog, mark, "Practice %s: the sentence said is an item of the file" % lang)
            if item is None:
                raise Failure("no item on show")
            answers = item[1:5]
            self.expect_speech("Practice %s: the four answers are said with their letters" % lang, mark,
                               [re.escape("%s: %s" % (l, a.strip())) for l, a in zip("ABCD", answers)])
            self.focus_check(prog, "Practice %s: after Start the focus is on Next or the answers" % lang)
            right = item[5]
            self.hidden_leaks(prog, "Practice (%s)" % lang, [item[6], right])
            self.nameless(prog, "Practice after Start (%s)" % lang)

            wrong = "A" if right != "A" else "B"
            mark = self.log.mark()
            key(wrong.lower())
            self.expect_speech("Practice %s: a wrong choice is said" % lang, mark, [r"\b%s\b" % w["wrong"]])
            self.expect_speech("Practice %s: the explanation follows the wrong choice" % lang, mark,
                               [self.after(w["wrong"], w["explanation"])])
            self.note_follows_wrong(mark, item, wrong, lang)
            self.settle()
            mark = self.log.mark()
            key(right.lower())
            self.expect_speech("Practice %s: a right choice is said" % lang, mark, [r"\b%s\b" % w["right"]])
            self.expect_speech("Practice %s: the explanation follows the right choice" % lang, mark,
                               [self.after(w["right"], w["explanation"])])
            self.settle()
            mark = self.log.mark()
            self.press(prog, w["keys"]["solution"], w["solution"])
            self.expect_speech("Practice %s: the solution is said" % lang, mark,
                               [w["solution"], re.escape(item[6].strip())])
            self.expect_speech("Practice %s: the explanation follows the solution" % lang, mark,
                               [self.after(re.escape(item[6].strip()), w["explanation"])])
            self.settle()
            mark = self.log.mark()
            key("F5")
            self.expect_speech("Practice %s: F5 reads the item again" % lang, mark,
                               [w["item"].format(n=1), w["gap"]])
            self.settle()
            mark = self.log.mark()
            key(w["keys"]["next"])
            self.expect_speech("Practice %s: Next says the new item" % lang, mark,
                               [w["item"].format(n=2), w["gap"]])
            self.settle()
            self.focus_check(prog, "Practice %s: after Next the focus is on Next or the answers" % lang)
            self.option_names(prog, lang)
        finally:
            prog.stop()

    def note_on(self, item, answer, lang):
        """The note the item file holds on `answer` of `item`, in the language's texts, or None."""
        sentence, answers, key = item[0], item[1:5], item[5]
        joined = "\x1f".join([sentence.strip()] + [x.strip() for x in answers] + [key.strip().upper()])
        fingerprint = hashlib.sha256(joined.encode("utf-8")).hexdigest()[:16]
        con = sqlite3.connect("file:%s?mode=ro" % self.db, uri=True)
        try:
            row = con.execute("select en, hu from answer_notes where fingerprint = ? and answer = ?",
                              (fingerprint, answer.strip())).fetchone()
        except sqlite3.Error:
            row = None
        finally:
            con.close()
        text = row and row[1 if lang == "hu" else 0]
        return text or None

    def note_follows_wrong(self, mark, item, wrong, lang):
        """After the wrong choice `wrong` (said since `mark`), the note on that answer comes right
        after the verdict and before the reason."""
        w = WORDS[lang]
        note = self.note_on(item, item[1 + "ABCD".index(wrong)], lang)
        if not self.check("Practice %s: the item file has a note on the wrong answer" % lang, note is not None):
            return
        words = re.findall(r"\w+", note)[:4]
        self.expect_speech("Practice %s: the note is said after the verdict, then the reason" % lang, mark,
                           [r"\b%s\W.*%s.*\b%s\s*:\s*\S" % (w["wrong"], r"\W+".join(words), w["explanation"])])

    def option_names(self, prog, lang):
        """Each option says its letter and its answer; Tab and the arrows reach all four without choosing."""
        frame = prog.frame(r"----")
        options = [a for a in walk(frame) if a.getRole() == pyatspi.ROLE_RADIO_BUTTON
                   and states(a).contains(pyatspi.STATE_SHOWING)]
        names = [a.name for a in options]
        self.check("Practice %s: each option is named with its letter and answer" % lang,
                   len(options) == 4 and all(re.match(r"^[ABCD]: \S", n or "") for n in names), str(names))
        # Reach the options from the focus by Tab, then walk them with the arrows. A menu bar the
        # desktop left active (an Alt seen on its own) is closed first; a walk the desktop broke
        # off is tried once more.
        for attempt in range(2):
            key("Escape")
            reached = self.walk_options(prog, lang)
            if reached is None or len(reached) == 4:
                break
        if reached is None:
            return
        self.check("Practice %s: every option is reached by Tab and the arrows" % lang, len(reached) == 4,
                   "%s; focus at the end on %s" % (sorted(reached), describe(prog.focused())))

    def walk_options(self, prog, lang):
        """The names of the options reached by Tab and the arrows; None when one got chosen."""
        reached = set()

        # The focus is asked of the whole program, as the focus check after Next does: the frame's
        # own walk can miss it while the window is still being read.
        def option_focused():
            f = prog.focused()
            return f if f is not None and f.getRole() == pyatspi.ROLE_RADIO_BUTTON else None

        for _ in range(12):
            if wait_until(option_focused, 1.0, 0.05):
                break
            key("Tab")
        for _ in range(4):
            f = wait_until(option_focused, 3.0, 0.05)
            if f is not None:
                reached.add(f.name)
                if states(f).contains(pyatspi.STATE_CHECKED):
                    self.check("Practice %s: moving over the options chooses none" % lang, False, f.name)
                    return None
            key("Down")
            wait_until(lambda: (lambda g: g if g is not None and (f is None or not self.same(g, f)) else None)(
                option_focused()), 3.0, 0.05)
        return reached

    def test_run(self, lang):
        self.note("== Test and review (%s)" % lang)
        prog, w = self.start_program(lang)
        try:
            self.open_task(prog, 1)  # the hub's second task: Test
            prog.wait_frame(r"----", 20)
            self.settle()
            mark = self.log.mark()
            key(w["keys"]["start"])
            self.expect_speech("Test %s: after Start the item is said" % lang, mark, [w["item"].format(n=1), w["gap"]])
            self.settle()
            item = self.current_item(prog, mark, "Test %s: the sentence said is an item of the file" % lang)
            self.focus_check(prog, "Test %s: after Start the focus is on Next or the answers" % lang)
            self.nameless(prog, "Test after Start (%s)" % lang)
            if item is None:
                raise Failure("no item on show")
            wrong = "A" if item[5] != "A" else "B"
            key(wrong.lower())
            self.settle()
            mark = self.log.mark()
            key(w["keys"]["next"])
            self.expect_speech("Test %s: Next says the new item" % lang, mark, [w["item"].format(n=2), w["gap"]])
            self.settle()
            self.focus_check(prog, "Test %s: after Next the focus is on Next or the answers" % lang)
            mark = self.log.mark()
            key(w["keys"]["evaluation"])
            # The first item was failed, the second left unanswered: 0 of 2 right.
            self.expect_speech("Test %s: Evaluation says the score" % lang, mark,
                               [w["score"], r"0\s*/\s*2", r"0\s*%"])
            self.settle()
            self.nameless(prog, "Test after Evaluation (%s)" % lang)
            self.review(prog, w, lang)
        finally:
            prog.stop()

    def press(self, prog, keys, button):
        """Presses a button by its access key, or where it has none of its own, by a click on it."""
        if keys:
            key(keys)
            return
        for acc in walk(prog.frame(r"----")):
            st = states(acc)
            if acc.getRole() == pyatspi.ROLE_PUSH_BUTTON and acc.name == button and st and st.contains(pyatspi.STATE_SHOWING):
                ext = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                click_at(ext.x + ext.width // 2, ext.y + ext.height // 2)
                return
        raise Failure("no %s button on show" % button)

    def test_score(self, lang):
        """A Test of two items, the first failed and the second left unanswered, scored in the working language."""
        self.note("== Test score (%s)" % lang)
        prog, w = self.start_program(lang)
        try:
            self.open_task(prog, 1)  # the hub's second task: Test
            prog.wait_frame(r"----", 20)
            self.settle()
            mark = self.log.mark()
            key(w["keys"]["start"])
            self.expect_speech("Test %s: after Start the item is said" % lang, mark, [w["item"].format(n=1), w["gap"]])
            self.settle()
            item = self.current_item(prog, mark, "Test %s: the sentence said is an item of the file" % lang)
            if item is None:
                raise Failure("no item on show")
            key(("A" if item[5] != "A" else "B").lower())
            self.settle()
            mark = self.log.mark()
            key(w["keys"]["next"])
            self.expect_speech("Test %s: Next says the new item" % lang, mark, [w["item"].format(n=2), w["gap"]])
            self.settle()
            mark = self.log.mark()
            self.press(prog, w["keys"]["evaluation"], w.get("evaluation_button"))
            self.expect_speech("Test %s: Evaluation says the score" % lang, mark,
                               [w["score"], r"0\s*/\s*2", r"0\s*%"])
        finally:
            prog.stop()

    def review(self, prog, w, lang):
        test = prog.frame(r"----")
        link = None
        for acc in walk(test):
            st = states(acc)
            if st and st.contains(pyatspi.STATE_SHOWING) and re.search(r"click|kattint", acc.name or acc.description or "", re.I):
                link = acc
        if not self.check("Test %s: the review link is there" % lang, link is not None):
            return
        self.check("Test %s: the review link is a link or button with a press action" % lang,
                   link.getRole() in (pyatspi.ROLE_LINK, pyatspi.ROLE_PUSH_BUTTON) and self.has_action(link),
                   describe(link))
        ext = link.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        click_at(ext.x + ext.width // 2, ext.y + ext.height // 2)
        prog.wait_frame(r"----.*(Failed|Hibás)", 20)
        self.settle()
        mark = self.log.mark()
        key(w["keys"]["start"])
        self.expect_speech("Review %s: Start says the failed item" % lang, mark, [w["item"].format(n=1), w["gap"]])
        self.settle()
        item = self.current_item(prog, mark, "Review %s: the sentence said is an item of the file" % lang)
        self.nameless(prog, "the review (%s)" % lang)
        review = prog.frame(r"----.*(Failed|Hibás)")
        nexts = [a.name for a in walk(review) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON
                 and states(a).contains(pyatspi.STATE_SHOWING)]
        self.check("Review %s: the buttons have names that tell them apart" % lang,
                   len(nexts) == len(set(nexts)), str(nexts))
        if item is None:
            raise Failure("no item on show")
        self.hidden_leaks(prog, "the review (%s)" % lang, [item[6], item[5]])
        wrong = "A" if item[5] != "A" else "B"
        mark = self.log.mark()
        key(wrong.lower())
        self.expect_speech("Review %s: a wrong retry is said" % lang, mark, [r"\b%s\b" % w["wrong"]])
        self.expect_speech("Review %s: the explanation follows the wrong retry" % lang, mark,
                           [self.after(w["wrong"], w["explanation"])])
        self.settle()
        mark = self.log.mark()
        key(item[5].lower())
        self.expect_speech("Review %s: a right retry is said" % lang, mark, [r"\b%s\b" % w["right"]])
        self.expect_speech("Review %s: the explanation follows the right retry" % lang, mark,
                           [self.after(w["right"], w["explanation"])])
        self.settle()

    def has_action(self, acc):
        try:
            return acc.queryAction().nActions > 0
        except Exception:
            return False

    def timed_item(self):
        """A timed Test: the gauge's name agrees with its value, and the end of the time is said."""
        self.note("== Timed Test (en)")
        prog, w = self.start_program("en")
        try:
            self.open_task(prog, 1)
            prog.wait_frame(r"----", 20)
            self.settle()
            self.menu_entry(prog, "10sec")
            self.settle(0.4)
            mark = self.log.mark()
            key(w["keys"]["start"])
            self.expect_speech("Timed Test: after Start the item is said", mark, [w["item"].format(n=1)])
            gauge = None
            for acc in walk(prog.frame(r"----")):
                if acc.getRole() == pyatspi.ROLE_PROGRESS_BAR and states(acc).contains(pyatspi.STATE_SHOWING):
                    gauge = acc
            if self.check("Timed Test: the gauge is shown", gauge is not None):
                v1 = gauge.queryValue().currentValue
                wait_until(lambda: gauge.queryValue().currentValue != v1, 5.0, 0.1)
                v2 = gauge.queryValue().currentValue
                name = gauge.name or ""
                agrees = (re.search(r"left", name, re.I) and v2 < v1) or (re.search(r"used", name, re.I) and v2 > v1)
                self.check("Timed Test: the gauge's name agrees with its value", bool(agrees),
                           "%s: %s then %s" % (name, v1, v2))
            mark = self.log.mark()
            self.expect_speech("Timed Test: the end of the time is said", mark, [w["time_up"]], timeout=14)
            self.settle(1.0)
            said = self.log.since(mark)
            gauge_lines = [s for s in said if re.search(r"percent|%", s)]
            self.check("Timed Test: the gauge does not chatter", len(gauge_lines) <= 2, str(gauge_lines))
            self.focus_check(prog, "Timed Test: after a timed-out item the focus is on Next or the answers")
        finally:
            prog.stop()

    # ---------------------------------------------------------------- written answers

    def typed_entry(self, prog, name):
        """Switches a check entry of Practice's menus by its accessible action."""
        for acc in walk(prog.frame(r"----")):
            if acc.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM) and \
                    (acc.name or "").replace("&", "") == name:
                acc.queryAction().doAction(0)
                return True
        raise Failure("no menu entry '%s'" % name)

    @staticmethod
    def slip_of(text):
        """The text with one letter left out of a word of four or more letters, or None."""
        words = text.split()
        for i, word in enumerate(words):
            if sum(c.isalpha() for c in word) >= 4:
                words[i] = word[:1] + word[2:]
                return " ".join(words)
        return None

    def write_and_check(self, prog, lang, label, text, verdict, right_text):
        """Writes `text` into the box, presses Enter and waits for the verdict, the right answer and
        the explanation, in that order."""
        t, w = TYPED[lang], WORDS[lang]
        focused = wait_until(prog.focused, 3.0, 0.1)
        self.check("Typed %s: the box has the focus before the %s answer" % (lang, label),
                   focused is not None and (focused.name or "") == t["box"], describe(focused) if focused else "none")
        subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
        self.settle(0.4)
        mark = self.log.mark()
        key("Return")
        self.expect_speech("Typed %s: a %s answer: the verdict, the right answer, the explanation" % (lang, label),
                           mark, [r"%s\W.*%s\s*:\s*%s\W.*\b%s\s*:\s*\S" % (
                               re.escape(verdict), re.escape(t["right_answer"]), re.escape(right_text),
                               w["explanation"])])
        self.settle()

    def typed_practice(self, lang):
        self.note("== Practice with written answers (%s)" % lang)
        t = TYPED[lang]
        prog, w = self.start_program(lang)
        try:
            key("Return")  # the hub opens Practice, its first task
            prog.wait_frame(r"----", 20)
            self.settle()
            self.typed_entry(prog, t["entry"])
            self.settle(0.4)
            verdicts = [("right", w["right"]), ("nearly", t["nearly"]), ("wrong", w["wrong"])]
            for n, (label, verdict) in enumerate(verdicts, start=1):
                mark = self.log.mark()
                key(w["keys"]["start"] if n == 1 else w["keys"]["next"])
                self.expect_speech("Typed %s: item %d is said with its gap and what to do" % (lang, n), mark,
                                   [w["item"].format(n=n), w["gap"], re.escape(t["prompt"])])
                self.settle()
                item = self.current_item(prog, mark, "Typed %s: the sentence said is an item of the file" % lang)
                if item is None:
                    raise Failure("no item on show")
                said = self.said(mark)
                self.check("Typed %s: the answers are not said" % lang,
                           not any("%s: %s" % (l, a.strip()) in said for l, a in zip("ABCD", item[1:5])), said[-300:])
                right_text = item[1 + "ABCD".index(item[5])].strip()
                if n == 1:
                    self.nameless(prog, "Practice with written answers (%s)" % lang)
                    self.hidden_leaks(prog, "Practice with written answers (%s)" % lang, [right_text])
                    # The box's access key reaches it, and Tab goes on from the box to the button.
                    key(t["box_key"])
                    focused = wait_until(prog.focused, 3.0, 0.1)
                    self.check("Typed %s: the box's access key reaches the box" % lang,
                               focused is not None and (focused.name or "") == t["box"],
                               describe(focused) if focused else "none")
                    focused = self.press_and_wait_focus(prog.frame(r"----"), "Tab")
                    self.check("Typed %s: Tab goes from the box to %s" % (lang, t["check"]),
                               focused is not None and (focused.name or "").replace("&", "") == t["check"],
                               describe(focused) if focused else "none")
                    key(t["box_key"])
                    self.settle(0.3)
                if label == "right":
                    text = right_text.upper()
                elif label == "nearly":
                    text = self.slip_of(right_text)
                    if text is None:  # no word long enough for a slip: a wrong answer instead
                        label, verdict, text = "wrong", w["wrong"], "zzz"
                else:
                    text = next(a.strip() for l, a in zip("ABCD", item[1:5]) if l != item[5])
                self.write_and_check(prog, lang, label, text, verdict, right_text)
        finally:
            prog.stop()

    def walk_other_screens(self):
        """The screens not visited above: Database (with the reason dialog), and the hub's Help
        menu: How to, the Grammar window and About."""
        self.note("== Other screens (en)")
        prog, w = self.start_program("en")
        try:
            self.nameless(prog, "the hub (en)")
            hub = prog.frame(r"^LEXORA ENGLISH$")
            for keys, screen, entry in ((["alt+h", "h"], "Help 'How to'", "How to..."),
                                        (["alt+h", "g"], "the Grammar window", "Grammar notes..."),
                                        (["alt+h", "a"], "About", "About...")):
                window = self.open_window(prog, keys, screen, entry, r"^LEXORA ENGLISH$")
                if window is not None:
                    self.nameless(prog, screen)
                    self.close_window(prog, window, hub, screen)
            self.open_task(prog, 2)  # the hub's third task: Database
            db = prog.wait_frame(r"----|Database|Adatbázis", 20)
            self.settle()
            self.nameless(prog, "the Database screen before Start")
            # Start (the focus is on it) enables the boxes and shows the first item.
            key("Return")
            wait_until(lambda: len(self.tab_stops(db)) > 10, 10, 0.2)
            self.nameless(prog, "the Database screen")
            self.tab_order(prog, db)
            dialog = self.open_window(prog, ["alt+o", "e"], "the Explanations dialog", "Explanations...",
                                      r"----|Database", known_problem="an open question in docs/DESIGN.md")
            if dialog is not None:
                self.nameless(prog, "the Explanations dialog")
                key("Escape")
                wait_until(lambda: not states(dialog) or not states(dialog).contains(pyatspi.STATE_SHOWING), 10)
        finally:
            prog.stop()

    def open_task(self, prog, index):
        """Opens the hub's task `index` (0 is Practice): the arrows move the focus to it, Enter opens it."""
        hub = prog.wait_frame(r"^LEXORA ENGLISH$")
        for _ in range(index):
            self.press_and_wait_focus(hub, "Down")
        key("Return")

    def open_window(self, prog, keys, screen, entry=None, frame_pattern=r"----", known_problem=None):
        """Presses `keys` (a menu and its entry) and waits for a window that was not on show before.
        Keys go through the screen reader's key listener, which a busy desktop answers late, so
        the menu entry `entry` is then triggered through its accessible action, as a screen
        reader's user can."""
        before = {name_of(f) for f in prog.frames() if states(f) and states(f).contains(pyatspi.STATE_SHOWING)}

        def new_window():
            for f in prog.frames():
                st = states(f)
                if st and st.contains(pyatspi.STATE_SHOWING) and name_of(f) not in before:
                    return f
            return None

        window = None
        # On a loaded machine the entry's key can come before the menu is up: the menu is
        # closed and the keys tried again.
        for _ in range(2):
            for k in keys:
                key(k)
                time.sleep(0.3)
            window = wait_until(new_window, 20, 0.2)
            if window is not None:
                break
            key("Escape")
            time.sleep(0.3)
            if entry is not None:
                self.trigger_entry(prog, frame_pattern, entry)
                window = wait_until(new_window, 20, 0.2)
                if window is not None:
                    break
        if window is None and known_problem:
            # A window this run is known not to bring up every time: said, not counted (the
            # in-process tests open it every time).
            self.note("  known problem: %s did not open (%s)" % (screen, known_problem))
            return None
        if not self.check("%s opens" % screen, window is not None, "windows: %s" % [name_of(f) for f in prog.frames()]):
            return None
        # Keys go to the window once the window manager has made it the active one.
        wait_until(lambda: states(window) and states(window).contains(pyatspi.STATE_ACTIVE), 10, 0.1)
        self.settle(0.4)
        return window

    def close_window(self, prog, window, hub, screen):
        """Closes a window through the window manager (Alt+F4) and waits for the hub to lead again."""
        def gone():
            st = states(window)
            return not st or not st.contains(pyatspi.STATE_SHOWING)

        # Alt+F4 goes to the active window: a window the window manager has not made active yet
        # is raised first, as a user would click it.
        if not wait_until(lambda: states(window) and states(window).contains(pyatspi.STATE_ACTIVE), 5, 0.1):
            subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(name_of(window)),
                            "windowactivate", "--sync"], check=False, timeout=15)
            self.settle(0.4)
        key("alt+F4")
        self.check("%s closes with Alt+F4" % screen, bool(wait_until(gone, 10)))
        if not gone():
            raise Failure("%s stays open" % screen)
        wait_until(lambda: states(hub) and states(hub).contains(pyatspi.STATE_ACTIVE), 10)
        self.settle(0.4)

    def focused_in(self, frame):
        for acc in walk(frame):
            s = states(acc)
            if s and s.contains(pyatspi.STATE_FOCUSED) and acc.getRole() != pyatspi.ROLE_FRAME:
                return acc
        return None

    def tab_stops(self, frame):
        """The showing, enabled controls of `frame` that take the focus."""
        stops = []
        for acc in walk(frame):
            s = states(acc)
            if (s and acc.getRole() != pyatspi.ROLE_FRAME and s.contains(pyatspi.STATE_FOCUSABLE) and
                    s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_ENABLED) and
                    acc.getRole() not in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU_BAR)):
                stops.append(acc)
        return stops

    def press_and_wait_focus(self, frame, k, timeout=3.0):
        """Presses `k` and waits until the focus in `frame` has moved; the newly focused object."""
        before = self.focused_in(frame)
        key(k)
        return wait_until(lambda: (lambda now: now if now is not None and not self.same(now, before) else None)(
            self.focused_in(frame)), timeout, 0.05)

    def tab_order(self, prog, frame):
        """Tab walks every box and button of the Database screen in its order and comes back to
        where it began."""
        expected = len(self.tab_stops(frame))
        seen = []
        closed = False
        for _ in range(expected + 6):
            f = self.press_and_wait_focus(frame, "Tab")
            if f is None:
                break
            try:
                ext = f.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            except Exception:
                continue
            entry = (ext.y, ext.x, describe(f))
            if seen and entry == seen[0]:
                closed = True
                break
            seen.append(entry)
        self.note("  tab order: %s" % [e[2] for e in seen])
        self.check("Database: Tab reaches every control (%d) and comes round" % expected,
                   closed and len(seen) == expected and expected >= 15, "%d of %d, %s" %
                   (len(seen), expected, "round" if closed else "not round"))
        self.database_tab_sequence(seen)

    # The Database screen's Tab order once Start has gone: the boxes in the order of the item's
    # fields, then the buttons, each named by its place on the window (left, top, in twips).
    DATABASE_TAB_SEQUENCE = [
        ("record number", 120, 960), ("level", 1560, 240), ("sentence", 1080, 960), ("answer A", 600, 1920),
        ("answer B", 600, 2400), ("answer C", 5280, 1920), ("answer D", 5280, 2400), ("right letter", 3000, 3000),
        ("solution", 3600, 3000), ("New", 3840, 3720), ("Delete", 7080, 4680), ("Find first", 7080, 3720),
        ("Next", 480, 4560), ("Close", 7080, 5160), ("Previous", 480, 4080), ("First", 480, 3600),
        ("Last", 480, 5040), ("Find next", 7080, 4200)]

    def database_tab_sequence(self, seen):
        """The controls Tab met (top, left, description) come in the Database screen's order. Their
        places are laid onto the window's twips by the span the controls cover, so the check holds
        wherever the window stands and whatever the screen's scale."""
        expected = self.DATABASE_TAB_SEQUENCE
        if len(seen) != len(expected):
            self.check("Database: Tab follows the fields' order, then the buttons", False,
                       "%d stops, %d expected" % (len(seen), len(expected)))
            return
        ys = [e[0] for e in seen]
        xs = [e[1] for e in seen]
        tx = [e[1] for e in expected]
        ty = [e[2] for e in expected]
        scale_x = (max(tx) - min(tx)) / max(1, max(xs) - min(xs))
        scale_y = (max(ty) - min(ty)) / max(1, max(ys) - min(ys))
        places = [((x - min(xs)) * scale_x + min(tx), (y - min(ys)) * scale_y + min(ty)) for y, x, _ in seen]

        def near(place, want):
            return abs(place[0] - want[1]) < 200 and abs(place[1] - want[2]) < 200

        # The walk may start anywhere in the cycle: it is read from the record number.
        start = next((i for i, p in enumerate(places) if near(p, expected[0])), 0)
        places = places[start:] + places[:start]
        names = [e[2] for e in seen[start:] + seen[:start]]
        wrong = ["%d: %s where %s belongs" % (i + 1, names[i], want[0])
                 for i, (place, want) in enumerate(zip(places, expected)) if not near(place, want)]
        self.check("Database: Tab follows the fields' order, then the buttons", not wrong, str(wrong[:6]))

    @staticmethod
    def same(a, b):
        if a is None or b is None:
            return a is b
        try:
            return a.path == b.path
        except Exception:
            try:
                return (a.getRole(), a.name, a.getIndexInParent()) == (b.getRole(), b.name, b.getIndexInParent())
            except Exception:
                return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--orca-log", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--only", default="")
    args = parser.parse_args()
    session = Session(args)
    if not wait_until(session.log.ready, 40, 0.2):
        print("Orca did not start", file=sys.stderr)
        return 1
    time.sleep(1.0)
    scenarios = [
        ("practice-en", lambda: session.practice("en")),
        ("practice-hu", lambda: session.practice("hu")),
        ("test-en", lambda: session.test_run("en")),
        ("test-hu", lambda: session.test_run("hu")),
        ("timed", session.timed_item),
        ("typed-en", lambda: session.typed_practice("en")),
        ("typed-hu", lambda: session.typed_practice("hu")),
        ("others", session.walk_other_screens),
        ("practice-es", lambda: session.practice("es")),
        ("practice-fr", lambda: session.practice("fr")),
        ("test-score-es", lambda: session.test_score("es")),
        ("test-score-fr", lambda: session.test_score("fr")),
    ]
    for name, run in scenarios:
        if args.only and name not in args.only.split(","):
            continue
        # A scenario whose checks fail is run again, up to three times, and only its last run
        # counts: the desktop's speech and window manager answer late on a loaded machine (an
        # utterance lost, a window not yet active), while a fault of the program fails every run.
        tries = 3
        for attempt in range(1, tries + 1):
            passed, failed = session.passed, len(session.failures)
            try:
                run()
            except Failure as e:
                session.check("%s could go on" % name, False, str(e))
            except Exception as e:  # a broken step stops its scenario, not the run
                where = traceback.extract_tb(e.__traceback__)[-1]
                session.check("%s could go on" % name, False, "%r at line %d" % (e, where.lineno))
            if len(session.failures) == failed or attempt == tries:
                break
            session.note("  (%s: %d check(s) failed on try %d of %d; running it again: %s)"
                         % (name, len(session.failures) - failed, attempt, tries, "; ".join(session.failures[failed:])))
            session.passed, session.failures = passed, session.failures[:failed]
    session.note("%d checks passed, %d failed" % (session.passed, len(session.failures)))
    for f in session.failures:
        session.note("  failed: %s" % f)
    return 0 if not session.failures else 1


if __name__ == "__main__":
    sys.exit(main())
