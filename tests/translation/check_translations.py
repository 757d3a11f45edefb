#!/usr/bin/env python3
"""Checks that the desktop program's Chinese texts all reach Qt's translation and that the English
catalogue is complete and current.

  check_translations.py wrapped SOURCE_DIR
      every string literal holding Chinese in the translated sources is the text of tr(),
      QCoreApplication::translate(), QT_TR_NOOP() or QT_TRANSLATE_(N_)NOOP(), or is allowed below.
  check_translations.py catalogue SOURCE_DIR LUPDATE
      translations/kvt_en.ts has no unfinished or obsolete entry, and lupdate run over the sources
      into a copy of it finds nothing new.
  check_translations.py update SOURCE_DIR LUPDATE
      brings translations/kvt_en.ts up to date with the sources (new texts come in unfinished).
"""

import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# What the desktop program shows: its widgets, the section's drawing, and the core texts it displays.
SOURCE_FOLDERS = ["src/gui", "src/render"]
SOURCE_FILES = [
    "src/document/Messages.h",
    "src/document/Messages.cpp",
    "src/document/CKVTDoc.h",
    "src/document/DocumentModes.h",
    "src/algorithms/DispersionImage.cpp",
]
CATALOGUE = "translations/kvt_en.ts"

# Texts that stay Chinese whatever the language: the settings' organisation name (changing it would
# lose every user's stored settings).
ALLOWED = {
    ("src/gui/app/CKVTApp.h", "应用程序向导生成的本地应用程序"),
}

CJK = re.compile("[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]")
# The call or mark whose first text argument is the literal that follows.
TEXT_MARK = re.compile(r"(?:\btr|\bQT_TR_NOOP|\bQT_TR_N_NOOP)\s*\(\s*$")
# The same with a context literal before the text: translate("Context", / QT_TRANSLATE_NOOP("Context",
CONTEXT_MARK = re.compile(r"(?:\btranslate|\bQT_TRANSLATE_NOOP|\bQT_TRANSLATE_N_NOOP)\s*\(\s*$")


def source_paths(root):
    paths = []
    for folder in SOURCE_FOLDERS:
        paths += sorted(p for p in (root / folder).rglob("*") if p.suffix in (".h", ".cpp"))
    paths += [root / f for f in SOURCE_FILES if (root / f).exists()]
    return paths


def tokens(code):
    """Yields (kind, start, end, text) for the string literals of C++ code; comments become spaces."""
    i = 0
    n = len(code)
    while i < n:
        c = code[i]
        if code.startswith("//", i):
            i = code.find("\n", i)
            i = n if i < 0 else i
        elif code.startswith("/*", i):
            end = code.find("*/", i + 2)
            i = n if end < 0 else end + 2
        elif c == '"' or c == "'":
            start = i
            # An encoding prefix (u8, u, U, L) or a raw string's R belongs to the literal.
            prefix = re.search(r"(?:u8|u|U|L)?R?$", code[max(0, i - 3) : i]).group(0)
            if prefix.endswith("R") and c == '"':
                delimiter = code[i + 1 : code.index("(", i)]
                end = code.index(")" + delimiter + '"', i) + len(delimiter) + 2
                yield ("string", start - len(prefix), end, code[code.index("(", i) + 1 : end - len(delimiter) - 2])
                i = end
                continue
            i += 1
            while i < n and code[i] != c:
                i += 2 if code[i] == "\\" else 1
            i += 1
            yield ("string" if c == '"' else "char", start - len(prefix), i, code[start + 1 : i - 1])
        else:
            i += 1


def literal_groups(code):
    """String literals, adjacent ones (concatenated by the compiler) joined: (start, end, text)."""
    groups = []
    for kind, start, end, text in tokens(code):
        if kind != "string":
            continue
        if groups and code[groups[-1][1] : start].strip() == "":
            groups[-1] = (groups[-1][0], end, groups[-1][2] + text)
        else:
            groups.append((start, end, text))
    return groups


def is_marked(code, groups, index):
    before = code[: groups[index][0]]
    if TEXT_MARK.search(before):
        return True
    # translate("Context", "text"): the literal before this one is the context.
    if index > 0:
        previous_start, previous_end, _ = groups[index - 1]
        if re.fullmatch(r"\s*,\s*", code[previous_end : groups[index][0]]):
            return bool(CONTEXT_MARK.search(code[:previous_start]))
    # translate(kMessageContext, "text") and the like: a named context.
    return bool(re.search(r"(?:\btranslate|\bQT_TRANSLATE_NOOP|\bQT_TRANSLATE_N_NOOP)\s*\(\s*[\w:]+\s*,\s*$", before))


def check_wrapped(root):
    problems = []
    for path in source_paths(root):
        relative = path.relative_to(root).as_posix()
        code = path.read_text(encoding="utf-8")
        groups = literal_groups(code)
        for index, (start, _, text) in enumerate(groups):
            if not CJK.search(text) or (relative, text) in ALLOWED or is_marked(code, groups, index):
                continue
            line = code.count("\n", 0, start) + 1
            problems.append(f"{relative}:{line}: not translated: \"{text}\"")
    for problem in problems:
        print(problem)
    print(f"wrapped: {len(problems)} untranslated text(s)")
    return 0 if not problems else 1


def run_lupdate(root, lupdate, catalogue):
    command = [
        lupdate,
        "-silent",
        "-locations",
        "none",
        "-source-language",
        "zh_CN",
        "-target-language",
        "en",
        "-extensions",
        "h,cpp",
    ]
    command += [str(p) for p in source_paths(root)]
    command += ["-ts", str(catalogue)]
    subprocess.run(command, check=True, cwd=root)


def entries(catalogue):
    """(context, source) -> "finished", "empty" or the translation's type (unfinished, vanished, obsolete)."""
    found = {}
    # lupdate writes a carriage return as <byte value="xd"/>, which is no XML text.
    text = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', r"&#x\1;", pathlib.Path(catalogue).read_text(encoding="utf-8"))
    for context in ElementTree.fromstring(text).iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            texts = [translation.text or ""] + [form.text or "" for form in translation.iter("numerusform")]
            empty = not any(t.strip() for t in texts)
            kind = translation.get("type") or ("empty" if empty else "finished")
            found[(name, message.findtext("source"))] = kind
    return found


def check_catalogue(root, lupdate):
    catalogue = root / CATALOGUE
    problems = []
    before = entries(catalogue)
    for (context, source), kind in sorted(before.items()):
        if kind != "finished":
            problems.append(f"{context}: {kind}: \"{source}\"")
    with tempfile.TemporaryDirectory() as folder:
        copy = pathlib.Path(folder) / catalogue.name
        shutil.copyfile(catalogue, copy)
        run_lupdate(root, lupdate, copy)
        after = entries(copy)
    for (context, source), kind in sorted(after.items()):
        if (context, source) not in before:
            problems.append(f"{context}: new text not in the catalogue: \"{source}\"")
        elif kind != before[(context, source)]:
            problems.append(f"{context}: {kind} after lupdate: \"{source}\"")
    for problem in problems:
        print(problem)
    print(f"catalogue: {len(before)} entries, {len(problems)} problem(s)")
    return 0 if not problems else 1


def main(argv):
    if len(argv) < 3 or argv[1] not in ("wrapped", "catalogue", "update"):
        print(__doc__, file=sys.stderr)
        return 2
    root = pathlib.Path(argv[2]).resolve()
    if argv[1] == "wrapped":
        return check_wrapped(root)
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    if argv[1] == "catalogue":
        return check_catalogue(root, argv[3])
    run_lupdate(root, argv[3], root / CATALOGUE)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
