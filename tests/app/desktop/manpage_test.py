#!/usr/bin/env python3
"""manpage_test.py <converter> <page>: the manual page formats
without a warning, its OPTIONS are the options --help prints, each with the
same short name and argument word, and its PRESETS are the built-in presets.
Exits 77 (skipped) where man is not installed."""
import atexit
import os
import re
import shutil
import subprocess
import sys
import tempfile

converter, page = sys.argv[1:3]
if not shutil.which("man"):
    print("man is not installed")
    sys.exit(77)

sandbox = tempfile.mkdtemp(prefix="reelkit-manpage-")
atexit.register(shutil.rmtree, sandbox, True)
env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "LANG": "C", "LC_ALL": "C", "LANGUAGE": "",
       "MANWIDTH": "80", "QT_QPA_PLATFORM": "offscreen"}
for name, folder in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"), ("XDG_CACHE_HOME", "cache"),
                     ("XDG_DATA_HOME", "data"), ("TMPDIR", "tmp")):
    env[name] = os.path.join(sandbox, folder)
    os.makedirs(env[name])
for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
    if name in os.environ:
        env[name] = os.environ[name]

problems = []


def run(*command):
    done = subprocess.run(command, env=env, capture_output=True, text=True, timeout=120)
    if done.returncode != 0:
        sys.exit(f"{' '.join(command)} exited {done.returncode}:\n{done.stderr}")
    return done


formatted = run("man", "--warnings", "-l", page)
if formatted.stderr:
    problems.append("man --warnings says:\n" + formatted.stderr)


def section(text, title):
    """The lines of a section of the formatted page."""
    found = re.search(rf"^{title}\n(.*?)(?=^\S)", text, re.S | re.M)
    return found.group(1).splitlines() if found else []


# --help: the option lines define an option's short name and word; an option
# named only inside another's text (--duration T) counts too.
usage = run(converter, "--help").stdout.split("\nPresets:")[0]
help_long, help_short = {}, {}
for line in usage.splitlines():
    defined = re.match(r"(?:  -([A-Za-z]), |      )--([a-z][a-z-]*)(?: ([A-Z]\w*))?", line)
    if defined:
        short, name, word = defined.groups()
        help_long[name] = word or ""
        if short:
            help_short[short] = name
for mention in re.finditer(r"(?<![\w-])--([a-z][a-z-]*)(?: ([A-Z]\w*))?", usage):
    help_long.setdefault(mention.group(1), mention.group(2) or "")

# The page's options are the tags of OPTIONS, read from the source: a short
# tag shares its line with the text once formatted.
with open(page, encoding="utf-8") as source:
    troff = source.read()
options = re.search(r"^\.SH OPTIONS\n(.*?)^\.SH ", troff, re.S | re.M)
page_long, page_short = {}, {}
for tagged in re.findall(r"^\.TP\n(.*)$", options.group(1) if options else "", re.M):
    plain = re.sub(r"\\f[BIRP]", "", tagged).replace("\\-", "-")
    tag = re.fullmatch(r"(?:-([A-Za-z]), )?--([a-z][a-z-]*)(?: (\S+))?", plain)
    if not tag:
        problems.append(f"a tag of OPTIONS that names no option: {tagged}")
    else:
        short, name, word = tag.groups()
        if name in page_long:
            problems.append(f"--{name} is described twice")
        page_long[name] = word or ""
        if short:
            page_short[short] = name

for name in sorted(help_long.keys() | page_long.keys()):
    if name not in page_long:
        problems.append(f"--{name} is in --help, not in the page's OPTIONS")
    elif name not in help_long:
        problems.append(f"--{name} is in the page's OPTIONS, not in --help")
    elif help_long[name] != page_long[name]:
        problems.append(f"--{name} takes {help_long[name] or 'nothing'} in --help, "
                        f"{page_long[name] or 'nothing'} in the page")
for short in sorted(help_short.keys() | page_short.keys()):
    if help_short.get(short) != page_short.get(short):
        problems.append(f"-{short} is --{help_short.get(short)} in --help, --{page_short.get(short)} in the page")
if len(help_long) < 30:
    problems.append(f"only {len(help_long)} options read from --help:\n{usage}")

# The built-in presets: the lines of --list-presets before the user's.
listed = [line.split()[0] for line in run(converter, "--list-presets").stdout.split("\n\n")[0].splitlines()]
tags = []
for line in section(formatted.stdout, "PRESETS"):
    if not line.strip():
        break
    if re.match(r" {7}\S", line):
        tags.append(line.split()[0])
if listed != tags:
    problems.append(f"presets: the program lists {listed}, the page {tags}")

print(f"{len(help_long)} options, {len(listed)} presets")
if problems:
    sys.exit("\n".join(problems))
