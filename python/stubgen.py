#!/usr/bin/env python3
"""Writes planara_core.pyi, the type stub of the module, from the built module itself.

pybind11 functions carry no __text_signature__, so neither inspect.signature() nor
mypy's stubtest can see their parameter lists. The complete record is the signature
text pybind11 puts at the head of every docstring, one line per overload:

    name(self: planara_core.Circle2, p: planara_core.Point2, orientation: ... = 1) -> None

This script reads those texts in registration order and writes them out as a stub:
module prefixes dropped, parameters without a name (pybind11 calls them arg0, arg1,
...) made positional-only with "/", overloads marked with typing.overload, read-only
properties, static methods and the unhashability that __eq__ brings. Anything it does
not understand (an unknown type name, a default that is not a plain literal, a new
kind of attribute) stops it with an error instead of being guessed.

The module carries no documentation of its own (only `orientation` has a docstring,
and that stays as it is). The stub's docstrings come from python/planara_core_docs.py,
which maps every name the stub declares ("Circle2", "Circle2.__init__", "orientation")
to numpydoc text; a name without text, or text for a name the module does not have,
stops the script too.

    python python/stubgen.py            print the stub
    python python/stubgen.py --write    rewrite python/planara_core.pyi
    python python/stubgen.py --check    exit with status 1 and a diff if it is stale
"""

import argparse
import ast
import difflib
import importlib
import importlib.util
import pathlib
import re
import sys

MODULE = "planara_core"
STUB_FILE = pathlib.Path(__file__).with_name(MODULE + ".pyi")
DOCS_FILE = pathlib.Path(__file__).with_name(MODULE + "_docs.py")
HEADER = (
    f"# Type stub of {MODULE}, generated from the built module by python/stubgen.py.\n"
    "# Do not edit by hand: run `make stubs` after changing a registration.\n"
)
BUILTIN_TYPES = {"bool", "float", "int", "str", "None"}
QUALIFIED_MODULES = ("typing", "collections.abc")
# Added to every class by pybind11 itself; not part of this module's interface.
BINDING_LAYER_NAMES = {"_pybind11_conduit_v1_"}
# object declares these with an `object` operand; ours accept one class only.
NARROWED_OBJECT_METHODS = {"__eq__", "__ne__"}
UNNAMED = re.compile(r"arg\d+")
LINE_LENGTH = 100


class StubError(Exception):
    pass


class Overload:
    """One signature text: its parameters as (name, type, default) and its result."""

    def __init__(self, params, result, doc):
        self.params, self.result, self.doc = params, result, doc


def split_top_level(text, sep=", "):
    """Splits at `sep` outside brackets: 'a: X[b, c], d: Y' -> ['a: X[b, c]', 'd: Y']."""
    parts, depth, start, i = [], 0, 0, 0
    while i < len(text):
        ch = text[i]
        depth += (ch == "[") - (ch == "]")
        if depth == 0 and text.startswith(sep, i):
            parts.append(text[start:i])
            i += len(sep)
            start = i
            continue
        i += 1
    parts.append(text[start:])
    return [p for p in parts if p]


def parse_signature(line, name):
    m = re.fullmatch(re.escape(name) + r"\((.*)\) -> (.+)", line)
    if not m:
        raise StubError(f"cannot read the signature {line!r} of {name!r}")
    params = []
    for text in split_top_level(m.group(1)):
        if text in ("/", "*"):
            params.append((text, None, None))
            continue
        pname, colon, rest = text.partition(": ")
        if not colon or not pname.isidentifier():
            raise StubError(f"cannot read the parameter {text!r} in {line!r}")
        ptype, _, default = rest.partition(" = ")
        params.append((pname, ptype, default or None))
    return params, m.group(2)


def overloads_of(func, name):
    """The overloads of a pybind11 function, in the order they are tried."""
    lines = (func.__doc__ or "").splitlines()
    if len(lines) > 1 and lines[1] == "Overloaded function.":
        lines = lines[2:]
        start = re.compile(r"\d+\. " + re.escape(name) + r"\(")
    else:
        start = re.compile(re.escape(name) + r"\(")
    found = []
    for line in lines:
        if start.match(line):
            found.append([line.split(". ", 1)[1] if line[0].isdigit() else line, []])
        elif found:
            found[-1][1].append(line)
        elif line:
            raise StubError(f"{name}: no signature at the head of its docstring")
    result = []
    for sig, doc in found:
        params, ret = parse_signature(sig, name)
        result.append(Overload(params, ret, "\n".join(doc).strip()))
    if not result:
        raise StubError(f"{name}: no signature at the head of its docstring")
    return result


def load_docs(path=DOCS_FILE):
    """The DOCS mapping of the documentation source: qualified name -> text."""
    spec = importlib.util.spec_from_file_location(path.stem, path)
    source = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(source)
    return source.DOCS


class Writer:
    def __init__(self, module, docs):
        self.module = module
        self.docs = docs
        self.documented = set()
        self.classes = {n for n, v in vars(module).items() if isinstance(v, type)}
        self.imports = set()
        self.lines = []

    def doc(self, qualname):
        """The documentation text of a declared name; every declared name has one."""
        if qualname not in self.docs:
            raise StubError(f"{qualname} has no documentation text in {DOCS_FILE.name}")
        self.documented.add(qualname)
        return self.docs[qualname]

    def type_text(self, text):
        """A signature type in stub spelling: this module's names bare, others qualified."""
        if not re.fullmatch(r"[\w.\[\]|, ]+", text):
            raise StubError(f"type {text!r} has no Python spelling")

        def one(m):
            word = m.group(0)
            if word.startswith(MODULE + "."):
                word = word[len(MODULE) + 1:]
            owner = word.rpartition(".")[0]
            if owner in QUALIFIED_MODULES:
                self.imports.add(owner)
            elif word not in BUILTIN_TYPES | self.classes:
                raise StubError(f"unknown type {word!r} in {text!r}")
            return word

        return re.sub(r"[A-Za-z_][\w.]*", one, text)

    def parameters(self, overload, kind):
        """The parameters; unnamed ones are followed by "/" as they are positional-only."""
        params = list(overload.params)
        if kind in ("method", "property"):
            if not params or params[0][0] not in ("self", "arg0"):
                raise StubError("a method without its instance parameter")
            params = params[1:]
        out = ["self"] if kind in ("method", "property") else []
        unnamed = [i for i, (n, _, _) in enumerate(params) if UNNAMED.fullmatch(n)]
        if unnamed and unnamed != list(range(len(unnamed))):
            raise StubError("unnamed parameters after named ones")
        for i, (name, ptype, default) in enumerate(params):
            if ptype is None:
                out.append(name)
                continue
            text = f"{name}: {self.type_text(ptype)}"
            if default is not None:
                try:
                    ast.literal_eval(default)
                except (ValueError, SyntaxError):
                    raise StubError(f"default {default!r} is not a plain literal") from None
                text += f" = {default}"
            out.append(text)
            if unnamed and i == unnamed[-1] and "/" not in (n for n, _, _ in params):
                out.append("/")
        return out

    def function(self, name, func, kind, indent, owner=None):
        # A property's getter is an anonymous function: its signature text has no name.
        overloads = overloads_of(func, "" if kind == "property" else name)
        # The text describes all overloads; it stands under the first, where
        # documentation tools look.
        text = self.doc(f"{owner}.{name}" if owner else name)
        for number, overload in enumerate(overloads):
            doc = text if number == 0 else ""
            decorators = []
            if len(overloads) > 1:
                decorators.append("@typing.overload")
                self.imports.add("typing")
            if kind == "static":
                decorators.append("@staticmethod")
            params = self.parameters(overload, kind)
            result = self.type_text(overload.result)
            body = "" if doc else " ..."
            # mypy reports a narrowed override on the line of the name, the first one.
            ignore = "  # type: ignore[override]" if name in NARROWED_OBJECT_METHODS else ""
            self.lines += [indent + d for d in decorators]
            head = f"{indent}def {name}({', '.join(params)}) -> {result}:{body}"
            if len(head) <= LINE_LENGTH:
                self.lines.append(head + ignore)
            else:
                self.lines.append(f"{indent}def {name}({ignore}")
                self.lines += [f"{indent}    {p}," for p in params]
                self.lines.append(f"{indent}) -> {result}:{body}")
            if doc:
                self.docstring(doc, indent + "    ")

    def docstring(self, text, indent):
        if '"""' in text or "\\" in text:
            raise StubError(f"docstring {text!r} needs escaping")
        lines = text.strip().splitlines()
        if len(lines) == 1:
            self.lines.append(f'{indent}"""{lines[0]}"""')
            return
        self.lines.append(f'{indent}"""{lines[0]}')
        self.lines += [indent + line if line.strip() else "" for line in lines[1:]]
        self.lines.append(f'{indent}"""')

    def cls(self, name, cls):
        self.lines.append(f"class {name}:")
        start = len(self.lines)
        if cls.__doc__:
            raise StubError(f"{name} has a runtime docstring; its text belongs in {DOCS_FILE.name}")
        self.docstring(self.doc(name), "    ")
        for attr, value in vars(cls).items():
            # __slotnames__: copyreg's cache, written into any class it is asked about.
            if attr in ("__module__", "__doc__", "__slotnames__") or attr in BINDING_LAYER_NAMES:
                continue
            kind = type(value).__name__
            if attr == "__init__" and kind == "wrapper_descriptor":
                continue  # no constructor registered: pybind11's refusing default
            if attr == "__hash__" and value is None:
                self.imports.add("typing")
                self.lines.append("    __hash__: typing.ClassVar[None]  # type: ignore[assignment]")
            elif isinstance(value, property):
                if value.fset is not None or value.fdel is not None:
                    raise StubError(f"{name}.{attr} is not read-only")
                self.lines.append("    @property")
                self.function(attr, value.fget, "property", "    ", name)
            elif isinstance(value, staticmethod):
                self.function(attr, value.__func__, "static", "    ", name)
            elif kind == "instancemethod":
                self.function(attr, value.__func__, "method", "    ", name)
            else:
                raise StubError(f"{name}.{attr}: no stub form for a {kind}")
        if len(self.lines) == start:
            self.lines.append("    ...")

    def render(self):
        items = []
        for name, value in vars(self.module).items():
            if name.startswith("__") and name.endswith("__"):
                continue
            self.lines = []
            if isinstance(value, type):
                self.cls(name, value)
            elif type(value).__name__ == "builtin_function_or_method":
                self.function(name, value, "function", "")
            else:
                raise StubError(f"{name}: no stub form for a {type(value).__name__}")
            items.append("\n".join(self.lines))
        unknown = sorted(set(self.docs) - self.documented - {MODULE})
        if unknown:
            raise StubError(f"{DOCS_FILE.name} documents names the module does not declare: "
                            + ", ".join(unknown))
        self.lines = []
        self.docstring(self.doc(MODULE), "")
        head = HEADER + "\n".join(self.lines) + "\n"
        imports = "".join(f"import {m}\n" for m in sorted(self.imports))
        return "\n".join([head, imports] + [item + "\n" for item in items])


def generate(module=None, docs=None):
    """The stub text of the module (by default the installed planara_core), with the
    documentation text of docs (by default that of planara_core_docs.py)."""
    return Writer(module or importlib.import_module(MODULE),
                  load_docs() if docs is None else docs).render()


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    action = parser.add_mutually_exclusive_group()
    action.add_argument("--write", action="store_true", help=f"rewrite {STUB_FILE.name}")
    action.add_argument("--check", action="store_true", help="fail if the stub is stale")
    args = parser.parse_args(argv)
    text = generate()
    if args.write:
        STUB_FILE.write_text(text)
    elif args.check:
        old = STUB_FILE.read_text() if STUB_FILE.exists() else ""
        diff = list(difflib.unified_diff(old.splitlines(True), text.splitlines(True),
                                         f"{STUB_FILE.name} (committed)", "from the module"))
        sys.stdout.writelines(diff)
        return 1 if diff else 0
    else:
        sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
