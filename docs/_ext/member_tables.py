"""The ``member-table`` directive: a class's constructors and members as a table.

    ```{member-table} Circle2
    ```

reads the class from planara_core's stub (python/planara_core.pyi, generated
with its documentation text) and writes its constructor calls, then one row per
member: how it is called and the first line of its text, linked to the API
reference. So the guide's tables name exactly what the module has.
"""

import ast
import pathlib

from sphinx.util.docutils import SphinxDirective

STUB = pathlib.Path(__file__).resolve().parents[2] / "python" / "planara_core.pyi"

# How a special method is written where it is used.
OPERATORS = {
    "__add__": "a + b", "__iadd__": "a += b", "__sub__": "a - b", "__mul__": "v * s",
    "__rmul__": "s * v", "__neg__": "-d", "__eq__": "a == b", "__ne__": "a != b",
    "__lt__": "a < b", "__gt__": "a > b", "__le__": "a <= b", "__ge__": "a >= b",
    "__getitem__": "obj[i]", "__iter__": "iter(obj)", "__repr__": "repr(obj)",
}


def _classes():
    tree = ast.parse(STUB.read_text())
    return {node.name: node for node in tree.body if isinstance(node, ast.ClassDef)}


def _parameters(function):
    args = function.args
    names = [a.arg for a in args.posonlyargs + args.args if a.arg != "self"]
    defaults = [None] * (len(names) - len(args.defaults)) + [ast.unparse(d) for d in args.defaults]
    return ", ".join(n if d is None else f"{n}={d}" for n, d in zip(names, defaults))


def _summary(function):
    """The first sentence line of a docstring (of the first overload)."""
    return (ast.get_docstring(function) or "").split("\n\n")[0].replace("\n", " ")


def rows(name):
    """(constructor calls, [(call, summary, target)]) of the class name."""
    cls = _classes()[name]
    functions = [node for node in cls.body if isinstance(node, ast.FunctionDef)]
    calls = [f"{name}({_parameters(f)})" for f in functions if f.name == "__init__"]
    members, seen = [], set()
    for function in functions:
        if function.name in seen or function.name == "__init__":
            continue
        seen.add(function.name)
        decorators = {ast.unparse(d) for d in function.decorator_list}
        if function.name in OPERATORS:
            call = OPERATORS[function.name]
        elif "property" in decorators:
            call = f".{function.name}"
        elif "staticmethod" in decorators:
            call = f"{name}.{function.name}({_parameters(function)})"
        else:
            call = f".{function.name}({_parameters(function)})"
        members.append((call, _summary(function), f"planara_core.{name}.{function.name}"))
    return calls, members


def _link(call, target):
    """The call, linked to the member's entry; an operator (whose text may hold
    the angle brackets of an explicit link title) is followed by its link."""
    if call in OPERATORS.values():
        return f"``{call}`` ({{py:obj}}`~{target}`)"
    return f"{{py:obj}}`{call} <{target}>`"


class MemberTable(SphinxDirective):
    required_arguments = 1

    def run(self):
        name = self.arguments[0]
        calls, members = rows(name)
        # The pages are MyST Markdown, and so is what the directive writes.
        lines = []
        if calls:
            lines += ["Constructors: " + "; ".join(f"``{call}``" for call in calls) + ".", ""]
        lines += ["| member | what it gives |", "|---|---|"]
        lines += [f"| {_link(call, target)} | {summary} |" for call, summary, target in members]
        return self.parse_text_to_nodes("\n".join(lines))


def setup(app):
    app.add_directive("member-table", MemberTable)
    return {"parallel_read_safe": True, "parallel_write_safe": True}
