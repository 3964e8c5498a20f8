"""All the mutants of one file compiled at once, the test run choosing one.

A mutation point that clang's syntax tree shows as a built-in binary operator (not one
inside a type, a macro or a class's overloaded operator) is written as

    (kalvodrin_mutant_(K) ? (THE EXPRESSION WITH THAT ONE CHANGE) : (THE EXPRESSION))

and the environment variable KALVODRIN_MUTANT=K picks mutant K when the tests run: one
build for all of them instead of one build each. The expression is the operator's own,
or for `&&` and `||` the whole chain of them it stands in, so that each mutant reads as
the compiler reads the file with that one change. Mutants inside an expression are
written the same way in its unchanged copy.
"""

import json
import os
import subprocess

HELPER = """#include <cstdlib>
// A mutant may compare an unsigned number below 0 or mix signs: it runs all the same.
#pragma GCC diagnostic ignored "-Wtype-limits"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wparentheses"
#pragma GCC diagnostic ignored "-Wbool-compare"
#pragma GCC diagnostic ignored "-Wint-in-bool-context"
#pragma GCC diagnostic ignored "-Wtautological-compare"
namespace {
// Which mutant runs: KALVODRIN_MUTANT, read once (none when unset).
[[maybe_unused]] bool kalvodrin_mutant_(int k) {
  static const int active = [] {
    const char* e = std::getenv("KALVODRIN_MUTANT");
    return e != nullptr ? std::atoi(e) : -1;
  }();
  return active == k;
}
}  // namespace
"""

OPCODES = {"<", "<=", "==", "!=", "&&", "||", "+", "-"}


def _objects(text):
    """The JSON objects clang prints one after another for a filtered dump."""
    decoder = json.JSONDecoder()
    i = 0
    while True:
        i = text.find("{", i)
        if i < 0:
            return
        obj, i = decoder.raw_decode(text, i)
        yield obj


def _operators(dump, source):
    """Built-in binary operators written in `source` itself: (opcode, left begin, left
    end, right begin, right end) in bytes, ends exclusive."""
    found = set()
    state = {"file": None}

    def where(loc):
        # Clang writes a location's file only when it changes from the last one written
        # (a macro's location writes two, its spelling's and its expansion's).
        if "spellingLoc" in loc or "expansionLoc" in loc:
            for part in ("spellingLoc", "expansionLoc"):
                if "file" in loc.get(part, {}):
                    state["file"] = loc[part]["file"]
            return None, None
        if "file" in loc:
            state["file"] = loc["file"]
        return state["file"], loc.get("offset")

    def end_of(loc):
        f, off = where(loc)
        return f, None if off is None else off + loc.get("tokLen", 0)

    def visit(node):
        if "loc" in node:
            where(node["loc"])
        rng = node.get("range", {})
        begin = where(rng["begin"]) if "begin" in rng else (None, None)
        end = end_of(rng["end"]) if "end" in rng else (None, None)
        spans = []
        for child in node.get("inner", []):
            spans.append(visit(child))
        if node.get("kind") == "BinaryOperator" and node.get("opcode") in OPCODES and \
                len(spans) == 2 and begin[0] == end[0] == source:
            (lf, lb, le), (rf, rb, re_) = spans
            if lf == rf == source and None not in (lb, le, rb, re_):
                found.add((node["opcode"], lb, le, rb, re_))
        return (begin[0] if begin[0] == end[0] else None, begin[1], end[1])

    for obj in _objects(dump):
        state["file"] = None  # each declaration is written by a dumper of its own
        visit(obj)
    return found


def build(root, source, text, points, compile_command, left_out=(), niceness="19"):
    """(schemata source, {index into `points`: (first line, last line) of its
    operator}, lines the helper adds before the file's own) for the points it can
    take, none of `left_out`; None when clang cannot read the file."""
    flags = [f for f in compile_command if f.startswith(("-I", "-D", "-std="))]
    try:
        dump = subprocess.run(
            ["nice", "-n", niceness, "clang++", "-fsyntax-only", "-Xclang", "-ast-dump=json",
             "-Xclang", "-ast-dump-filter=kalvodrin"] + flags + [os.path.join(root, source)],
            cwd=root, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
            check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return None
    written = _operators(dump, os.path.join(root, source))
    # Clang counts offsets in bytes, the points in characters (the comments and texts
    # are Turkish).
    data = text.encode("utf-8")
    byte_at = [0] * (len(text) + 1)
    for i, c in enumerate(text):
        byte_at[i + 1] = byte_at[i] + len(c.encode("utf-8"))
    text = data.decode("latin-1")  # one character per byte from here on
    # Keyed by where the operator stands: between its operands, nothing but spaces
    # around it (an operand ending in a macro or a comment between is left out).
    ops = {}
    for opcode, lb, le, rb, re_ in written:
        between = text[le:rb]
        if between.strip() == opcode:
            ops[le + between.index(opcode)] = (opcode, lb, le, rb, re_)
    # A flipped `&&` or `||` is read again with its neighbours, as the compiler reads
    # the changed text (`a && b && c` with the first flipped is `a || (b && c)`): its
    # mutant is the whole chain of them with that one operator changed.
    logical = {(lb, re_): (lb, le, rb, re_) for opcode, lb, le, rb, re_ in ops.values()
               if opcode in ("&&", "||")}
    operands = {}
    for lb, le, rb, re_ in logical.values():
        operands[(lb, le)] = (lb, re_)
        operands[(rb, re_)] = (lb, re_)

    def chain(span):
        while span in operands and operands[span] in logical:
            span = operands[span]
        return span

    scopes = {}  # (begin, end) -> [(k, offset, length, replacement)]
    taken = {}
    for k, (offset, length, replacement, what) in enumerate(points):
        if k in left_out:
            continue
        drop = replacement == ""
        offset = byte_at[offset]
        at = offset + 1 if drop else offset  # a dropped ` + 1` starts at its space
        op = ops.get(at)
        if op is None:
            continue
        opcode, lb, le, rb, re_ = op
        if drop and (opcode not in "+-" or text[rb:re_].strip() != "1"):
            continue
        if not drop and opcode != text[offset:offset + length]:
            continue
        span = chain((lb, re_)) if opcode in ("&&", "||") else (lb, re_)
        scopes.setdefault(span, []).append((k, offset, length, replacement))
        taken[k] = (text.count("\n", 0, span[0]) + 1, text.count("\n", 0, span[1]) + 1)
    order = sorted(scopes, key=lambda sp: (sp[0], -sp[1]))

    def render(begin, end, outer=None):
        out, i = [], begin
        for sp in order:
            if sp != outer and sp[0] >= i and sp[1] <= end:
                out.append(text[i:sp[0]])
                out.append(render_scope(sp))
                i = sp[1]
        out.append(text[i:end])
        return "".join(out)

    def render_scope(sp):
        # Each mutant is the scope's own text with its one change; the unchanged one
        # keeps the mutants inside.
        result = f"({render(sp[0], sp[1], outer=sp)})"
        for k, offset, length, replacement in reversed(scopes[sp]):
            mutant = text[sp[0]:offset] + replacement + text[offset + length:sp[1]]
            result = f"(kalvodrin_mutant_({k}) ? ({mutant}) : {result})"
        return result

    return (HELPER + render(0, len(text)).encode("latin-1").decode("utf-8"), taken,
            HELPER.count("\n"))
