#!/usr/bin/env python3
"""Checks the shared libraries of an installed reelkit against its headers.

    exported_api.py CLANG PREFIX LIBRARY...

Every function and variable that <reel/reel.h> declares in namespace reel
with a definition in the libraries (not inline, not a template, not defined
in the header) must be exported by one of them; and the libraries export
nothing but reelkit's own names. clang's syntax tree gives the declarations
with their mangled names; nm gives what the libraries export.

The installed headers are checked too: none is private ("*_p.h"), each
compiles alone, and <reel/reel.h> reaches every one, so that what each
declares is among what is checked above.
"""
import json
import os
import shlex
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

FUNCTIONS = {'FunctionDecl', 'CXXMethodDecl', 'CXXConstructorDecl', 'CXXDestructorDecl', 'CXXConversionDecl'}
SKIPPED = {'FunctionTemplateDecl', 'ClassTemplateDecl', 'ClassTemplatePartialSpecializationDecl',
           'TypeAliasTemplateDecl', 'VarTemplateDecl', 'LinkageSpecDecl'}


def qt_flags():
    return shlex.split(subprocess.run(['pkg-config', '--cflags', 'Qt6Widgets'], check=True, capture_output=True,
                                      text=True).stdout)


def installed_headers(prefix):
    root = os.path.join(prefix, 'include')
    found = []
    for folder, _, files in os.walk(os.path.join(root, 'reel')):
        found += [os.path.relpath(os.path.join(folder, f), root) for f in files if f.endswith('.h')]
    return sorted(found)


def header_faults(clang, prefix):
    """The installed headers that are private, do not compile alone, or are
    out of <reel/reel.h>'s reach."""
    include = '-I' + os.path.join(prefix, 'include')
    headers = installed_headers(prefix)
    faults = [f'private header installed: {h}' for h in headers if h.endswith('_p.h')]

    def alone(header):
        command = [clang, '-std=c++20', '-fsyntax-only', '-fPIC', include, *qt_flags(), '-x', 'c++', '-']
        run = subprocess.run(command, input=f'#include <{header}>\n', capture_output=True, text=True)
        return None if run.returncode == 0 else f'does not compile alone: {header}\n{run.stderr}'

    with ThreadPoolExecutor(max_workers=os.cpu_count() or 1) as pool:
        faults += [f for f in pool.map(alone, headers) if f]

    command = [clang, '-std=c++20', '-M', include, *qt_flags(), '-x', 'c++', '-']
    deps = subprocess.run(command, input='#include <reel/reel.h>\n', check=True, capture_output=True,
                          text=True).stdout.replace('\\\n', ' ').split()
    reached = {os.path.normpath(d) for d in deps}
    root = os.path.join(prefix, 'include')
    faults += [f'not reached from reel/reel.h: {h}' for h in headers
               if os.path.normpath(os.path.join(root, h)) not in reached]
    return faults, len(headers)


def declarations(clang, prefix):
    flags = ' '.join(shlex.quote(f) for f in qt_flags())
    with tempfile.TemporaryDirectory() as scratch:
        source = os.path.join(scratch, 'all.cpp')
        with open(source, 'w') as f:
            f.write('#include <reel/reel.h>\n')
        command = [clang, '-std=c++20', '-fsyntax-only', '-fPIC', '-I' + os.path.join(prefix, 'include'),
                   *shlex.split(flags), '-Xclang', '-ast-dump=json', '-Xclang', '-ast-dump-filter=reel::', source]
        dump = subprocess.run(command, check=True, capture_output=True, text=True).stdout
    decoder = json.JSONDecoder()
    at = 0
    while True:
        while at < len(dump) and dump[at].isspace():
            at += 1
        if at >= len(dump):
            return
        node, at = decoder.raw_decode(dump, at)
        yield node


def defined_elsewhere(node):
    """Whether the declaration names a symbol the libraries must define."""
    kind = node.get('kind')
    if node.get('isImplicit') or node.get('inline') or node.get('constexpr'):
        return False
    if kind in FUNCTIONS:
        if node.get('explicitlyDefaulted') or node.get('explicitlyDeleted') or node.get('pure'):
            return False
        if any(child.get('kind') == 'CompoundStmt' for child in node.get('inner', [])):
            return False  # defined in the header
        return node.get('storageClass') != 'static' or kind == 'CXXMethodDecl'
    if kind == 'VarDecl':
        # extern globals and static data members defined in a source file
        return node.get('storageClass') in ('extern', 'static') and 'init' not in node
    return False


def walk(node, out, anonymous=False):
    kind = node.get('kind')
    if kind in SKIPPED:
        return
    if kind == 'NamespaceDecl' and not node.get('name'):
        anonymous = True
    if kind == 'CXXRecordDecl' and node.get('tagUsed') and not node.get('completeDefinition'):
        return  # a forward declaration
    name = node.get('mangledName')
    # Q_OBJECT's qt_static_metacall is hidden on purpose.
    if name and not anonymous and defined_elsewhere(node) and node.get('name') != 'qt_static_metacall':
        out.add(name)
    for child in node.get('inner', []):
        walk(child, out, anonymous)


def exported(libraries):
    """All the names the libraries export, and those they own (not the weak
    copies of inline functions and template instances every user makes)."""
    names, owned = set(), set()
    for library in libraries:
        text = subprocess.run(['nm', '-D', '--defined-only', library], check=True, capture_output=True,
                              text=True).stdout
        for line in text.splitlines():
            parts = line.split()
            if len(parts) == 3:
                name = parts[2].split('@')[0]
                names.add(name)
                if parts[1] in 'TDBRGS':
                    owned.add(name)
    return names, owned


def demangle(names):
    text = subprocess.run(['c++filt'], input='\n'.join(names), check=True, capture_output=True, text=True).stdout
    return text.splitlines()


def main():
    clang, prefix, libraries = sys.argv[1], sys.argv[2], sys.argv[3:]
    wanted = set()
    for node in declarations(clang, prefix):
        walk(node, wanted)
    have, owned = exported(libraries)
    faults = 0

    missing = sorted(wanted - have)
    for name, readable in zip(missing, demangle(missing)):
        print('declared but not exported:', readable, '(' + name + ')')
        faults += 1

    # What the libraries own is reelkit's (namespace reel, its vtables and
    # type information, the widgets library's link anchor), the sanitizers'
    # markers of those, and the linker's: nothing of anyone else.
    ours = ('_ZN4reel', '_ZNK4reel', '_ZTVN4reel', '_ZTIN4reel', '_ZTSN4reel', '__odr_asan.')
    linker = ('_init', '_fini', '__bss_start', '_edata', '_end')
    foreign = sorted(n for n in owned if not n.startswith(ours) and n != 'reelkit_widgets_linked' and n not in linker)
    for name, readable in zip(foreign, demangle(foreign)):
        print('exported but not reelkit\'s:', readable, '(' + name + ')')
        faults += 1

    problems, count = header_faults(clang, prefix)
    for problem in problems:
        print(problem)
    faults += len(problems)

    print(f'{count} headers and {len(wanted)} declarations checked against {len(have)} exported names: '
          f'{faults} faults')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
