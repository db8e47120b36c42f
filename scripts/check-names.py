#!/usr/bin/env python3
"""Checks the naming rule of CONTRIBUTING.md on the tracked C++ sources.

Classes Cl + CamelCase; records (struct) St + upper case; enums En + CamelCase
with CamelCase values; constants k + CamelCase; data members lowerCamel, the
private ones ending in "_". Test fixtures and test tables are gtest's and stay
as they are; test doubles (tests/doubles/, and any test class that stands in
for one of the program's Cl interfaces) follow the rule.
Usage: scripts/check-names.py [SOURCE_DIR]; exit status 1 on a violation.
"""
import re
import subprocess
import sys
from pathlib import Path

# The engine's own names, kept as the engine spells them.
ENGINE_NAMES = {"_AppType", "_RuleAoSumType", "_RuleSiroSumType", "VK_OK", "VK_END_OF_WALK"}
# Names that break the rule for now, each until the change named beside it.
TOLERATED: set[str] = set()
# Names of the C library and the operating system a file declares for itself.
SYSTEM_NAMES = {"stat", "statvfs", "sigaction", "tm", "timespec", "dirent", "flock"}

CLASS = re.compile(r"^Cl[A-Z][A-Za-z0-9]*$")
RECORD = re.compile(r"^St[A-Z][A-Z0-9_]*$")
ENUM = re.compile(r"^En[A-Z][A-Za-z0-9]*$")
CAMEL = re.compile(r"^[A-Z][A-Za-z0-9]*$")
CONSTANT = re.compile(r"^k[A-Z][A-Za-z0-9]*$")
LOWER_CAMEL = re.compile(r"^[a-z][A-Za-z0-9]*$")
PRIVATE = re.compile(r"^[a-z][A-Za-z0-9]*_$")

TYPE_DEF = re.compile(r"^\s*(class|struct)\s+([A-Za-z_]\w*)\s*(final\s*)?(:[^{;]*)?(\{.*)?$")
ENUM_DEF = re.compile(r"^\s*enum\s+(class\s+)?([A-Za-z_]\w*)\s*(:\s*[\w:]+\s*)?\{([^}]*)\}?")
CONSTEXPR = re.compile(r"\b(?:static\s+)?(?:inline\s+)?constexpr\s+[\w:<>,\s\*&]+?[\s\*&]([A-Za-z_]\w*)\s*(?:\[[^\]]*\])*\s*(?:=|\{)")
MEMBER = re.compile(
    r"^\s*(?:mutable\s+)?(?:const\s+)?[A-Za-z_][\w:]*(?:<[^;()]*>)?[\s\*&]+(?:const\s+)?([A-Za-z_]\w*)"
    r"\s*(?:\[[^\]]*\])*\s*(?:=[^;]*|\{[^;]*\})?;\s*(?://.*)?$")


def tracked_sources(root):
    out = subprocess.run(["git", "ls-files", "*.h", "*.cpp"], cwd=root, capture_output=True, text=True, check=True)
    return [Path(root, name) for name in out.stdout.split()]


def is_test_double(path, line, kind):
    if "/tests/" not in str(path):
        return True
    if "/tests/doubles/" in str(path):
        return kind == "class"
    # A test class that stands in for one of the program's interfaces.
    return kind == "class" and re.search(r":\s*(public\s+)?Cl\w+", line) is not None


def check_file(path, problems):
    in_tests = "/tests/" in str(path)
    stack = []  # [name, access, depth at which its body opens, checked]
    depth = 0
    for number, raw in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
        line = re.sub(r"//.*", "", raw)
        line = re.sub(r'"(\\.|[^"\\])*"', '""', line)
        where = f"{path}:{number}"
        type_def = TYPE_DEF.match(line)
        if type_def and not re.match(r"^\s*(class|struct)\s+\w+\s*;", line):
            kind, name = type_def.group(1), type_def.group(2)
            checked = is_test_double(path, line, kind) and name not in SYSTEM_NAMES | ENGINE_NAMES
            if checked and kind == "class" and not CLASS.match(name):
                problems.append(f"{where}: class {name}: classes are Cl + CamelCase")
            if checked and kind == "struct" and not RECORD.match(name) and not CLASS.match(name):
                problems.append(f"{where}: record {name}: records are St + upper case")
            stack.append([name, "private" if kind == "class" else "public", depth + 1, checked])
        enum_def = ENUM_DEF.match(line)
        if enum_def and not in_tests and enum_def.group(2) not in ENGINE_NAMES | TOLERATED:
            name = enum_def.group(2)
            if not ENUM.match(name):
                problems.append(f"{where}: enum {name}: enums are En + CamelCase")
            for value in re.findall(r"([A-Za-z_]\w*)\s*(?:=[^,]*)?(?:,|$)", enum_def.group(4)):
                if not CAMEL.match(value):
                    problems.append(f"{where}: enum value {name}::{value}: values are CamelCase")
        if not in_tests or "/tests/doubles/" in str(path):
            for name in CONSTEXPR.findall(line):
                if "(" in line.split(name)[0] or name in ENGINE_NAMES:
                    continue  # a function's result, not a constant
                if not CONSTANT.match(name):
                    problems.append(f"{where}: constant {name}: constants are k + CamelCase")
        access = re.match(r"^\s*(public|private|protected)\s*:", line)
        if stack and access and depth == stack[-1][2]:
            stack[-1][1] = access.group(1)
        member = MEMBER.match(line)
        if (stack and member and depth == stack[-1][2] and stack[-1][3] and "constexpr" not in line
                and not re.match(r"^\s*(using|typedef|friend|return|static|class|struct|enum)\b", line)):
            name = member.group(1)
            if stack[-1][1] == "public" and not LOWER_CAMEL.match(name):
                problems.append(f"{where}: member {stack[-1][0]}::{name}: members are lowerCamel")
            if stack[-1][1] != "public" and not PRIVATE.match(name):
                problems.append(f"{where}: member {stack[-1][0]}::{name}: private members are lowerCamel ending in _")
        depth += line.count("{") - line.count("}")
        while stack and depth < stack[-1][2]:
            stack.pop()


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else str(Path(__file__).resolve().parent.parent)
    problems = []
    for path in tracked_sources(root):
        check_file(path, problems)
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
