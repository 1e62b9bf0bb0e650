#!/usr/bin/env python3
"""Static checks of the AutoLISP commands against vrn's type library.

  check_vrn_lsp.py LSP IDL [LISTING...]   check LSP; each LISTING must name every command
  check_vrn_lsp.py --self-test            the checker rejects each kind of fault it looks for

AutoCAD cannot run here, so these checks stand in for loading the file: it
reads as balanced forms, every call into the server names a real member with
the right number of arguments, every member is reached from a command or a
public helper, and the install text and README list every command.
"""
import re
import sys


class LispError(Exception):
    pass


class Symbol(str):
    """A symbol read from the file: AutoLISP symbols ignore case."""

    def __new__(cls, text):
        return super().__new__(cls, text.lower())


def read_forms(text):
    """The file's top-level forms as nested lists; 'x reads as (quote x)."""
    tokens = tokenize(text)
    forms = []
    position = 0
    while position < len(tokens):
        form, position = read_form(tokens, position)
        forms.append(form)
    return forms


def tokenize(text):
    tokens = []  # (kind, value, line)
    i, line = 0, 1
    while i < len(text):
        c = text[i]
        if c == "\n":
            line += 1
            i += 1
        elif c.isspace():
            i += 1
        elif text.startswith(";|", i):
            end = text.find("|;", i + 2)
            if end < 0:
                raise LispError(f"line {line}: block comment never ends")
            line += text.count("\n", i, end)
            i = end + 2
        elif c == ";":
            end = text.find("\n", i)
            i = len(text) if end < 0 else end
        elif c in "()'":
            tokens.append((c, c, line))
            i += 1
        elif c == '"':
            start_line = line
            j = i + 1
            value = []
            while j < len(text) and text[j] != '"':
                if text[j] == "\\" and j + 1 < len(text):
                    value.append(text[j : j + 2])
                    j += 2
                    continue
                line += text[j] == "\n"
                value.append(text[j])
                j += 1
            if j >= len(text):
                raise LispError(f"line {start_line}: string never ends")
            tokens.append(("string", "".join(value), start_line))
            i = j + 1
        else:
            match = re.compile(r"[^\s()';\"]+").match(text, i)
            tokens.append(("atom", match.group(0), line))
            i = match.end()
    return tokens


def read_form(tokens, position):
    kind, value, line = tokens[position]
    if kind == ")":
        raise LispError(f"line {line}: ')' closes nothing")
    if kind == "'":
        if position + 1 >= len(tokens):
            raise LispError(f"line {line}: quote of nothing")
        quoted, position = read_form(tokens, position + 1)
        return [Symbol("quote"), quoted], position
    if kind == "(":
        items = []
        position += 1
        while True:
            if position >= len(tokens):
                raise LispError(f"line {line}: '(' is never closed")
            if tokens[position][0] == ")":
                return items, position + 1
            item, position = read_form(tokens, position)
            items.append(item)
    if kind == "string":
        return value, position + 1
    return Symbol(value), position + 1


def read_members(idl):
    """name (lower case) -> (kind, number of arguments a caller passes)."""
    members = {}
    pattern = re.compile(r"\[id\(\d+\)(?:,\s*(propput|propget))?\]\s*HRESULT\s+(\w+)\(([^)]*)\)")
    for kind, name, params in pattern.findall(idl):
        passed = [p for p in params.split(",") if p.strip() not in ("", "void") and "retval" not in p]
        members[name.lower()] = (kind or "method", len(passed))
    if not members:
        raise LispError("the IDL declares no members")
    return members


CALLS = {
    # form -> (member kind it must name, arguments after the object and the name, or None for the member's own)
    "vlax-invoke-method": ("method", None),
    "vlax-put-property": ("propput", 1),
    "vlax-get-property": ("propget", 0),
}


def walk(form):
    yield form
    if isinstance(form, list):
        for item in form:
            yield from walk(item)


def member_calls(form, members, problems):
    """The members that FORM calls; wrong calls are added to PROBLEMS."""
    reached = set()
    for node in walk(form):
        if not (isinstance(node, list) and node and node[0] in CALLS):
            continue
        kind, fixed = CALLS[node[0]]
        if len(node) < 3 or not (isinstance(node[2], list) and node[2][:1] == ["quote"]):
            problems.append(f"({node[0]} ...) does not name its member with a quoted symbol")
            continue
        name = node[2][1]
        if name not in members or members[name][0] != kind:
            problems.append(f"({node[0]} ... '{name}) names no {kind} of the type library")
            continue
        expected = members[name][1] if fixed is None else fixed
        if len(node) - 3 != expected:
            problems.append(f"'{name} takes {expected} argument(s), the call passes {len(node) - 3}")
            continue
        reached.add(name)
    return reached


def defuns(forms):
    return {f[1]: f for f in forms if isinstance(f, list) and len(f) > 2 and f[0] == "defun"}


def reachable_functions(functions):
    """Every function that a command (c:...) or a public helper (vrn-...) reaches."""
    pending = [n for n in functions if n.startswith("c:") or n.startswith("vrn-")]
    seen = set(pending)
    while pending:
        for node in walk(functions[pending.pop()]):
            if isinstance(node, Symbol) and node in functions and node not in seen:
                seen.add(node)
                pending.append(node)
    return seen


def check(lisp, idl, listings):
    """The problems found, as messages; an empty list when all holds."""
    try:
        forms = read_forms(lisp)
        members = read_members(idl)
    except LispError as error:
        return [str(error)]
    problems = []
    for form in forms:
        member_calls(form, members, problems)
    functions = defuns(forms)
    reached = set()
    for name in reachable_functions(functions):
        reached |= member_calls(functions[name], members, [])
    for name in sorted(set(members) - reached):
        problems.append(f"no command reaches the member '{name}'")
    commands = sorted(n[2:].upper() for n in functions if n.startswith("c:"))
    for listing_name, listing in listings:
        for command in commands:
            if not re.search(rf"\b{re.escape(command)}\b", listing):
                problems.append(f"{listing_name} does not list the command {command}")
    return problems


SELF_TEST_IDL = """
  [id(201)] HRESULT go([in] BSTR ent);
  [id(213), propget] HRESULT Result([out, retval] BSTR* Value);
"""
GOOD = """;| a block comment with ) |;
(defun c:GO (/ h) ; a comment with (
  (vlax-invoke-method o 'go "a \\" ) string")
  (vrn:read))
(defun vrn:read () (vlax-get-property o 'Result))
"""
SELF_TEST_CASES = [
    # (what, lisp, listing, a word of the expected message; None: no problem)
    ("a sound file", GOOD, "GO", None),
    ("an open parenthesis", GOOD + "(defun c:X ()", "GO X", "never closed"),
    ("a parenthesis too many", GOOD + ")", "GO", "closes nothing"),
    ("a string that never ends", GOOD + '(princ "x)', "GO", "string never ends"),
    ("an unknown member", GOOD + "(defun c:X () (vlax-invoke-method o 'gone 1))", "GO X", "names no method"),
    ("a property called as a method", GOOD + "(defun c:X () (vlax-invoke-method o 'Result))", "GO X", "names no method"),
    ("too many arguments", GOOD.replace("'go \"", "'go 1 \""), "GO", "takes 1 argument"),
    ("too few arguments", GOOD.replace("'go \"a \\\" ) string\"", "'go"), "GO", "takes 1 argument"),
    ("a member only an unused function calls", GOOD.replace("(vrn:read)", ""), "GO", "reaches the member 'result'"),
    ("a command the listing leaves out", GOOD + "(defun c:OTHER () (princ))", "GO", "the command OTHER"),
    ("a member named by a variable", GOOD + "(defun c:X () (vlax-invoke-method o name))", "GO X", "quoted symbol"),
]


def self_test():
    failures = 0
    for what, lisp, listing, expected in SELF_TEST_CASES:
        problems = check(lisp, SELF_TEST_IDL, [("listing", listing)])
        ok = not problems if expected is None else any(expected in p for p in problems)
        if not ok:
            failures += 1
            print(f"FAIL: {what}: {problems or 'no problem found'}")
    print(f"{len(SELF_TEST_CASES) - failures} passed, {failures} failed")
    return failures == 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return 0 if self_test() else 1
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[1], encoding="utf-8") as f:
        lisp = f.read()
    with open(argv[2], encoding="utf-8") as f:
        idl = f.read()
    listings = []
    for name in argv[3:]:
        with open(name, encoding="utf-8") as f:
            listings.append((name, f.read()))
    problems = check(lisp, idl, listings)
    for problem in problems:
        print(f"{argv[1]}: {problem}")
    if not problems:
        print(f"{argv[1]}: every member is reached and every call matches the type library")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
