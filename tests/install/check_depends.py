#!/usr/bin/env python3
"""Checks that a package's Depends line brings every QML module the
documents need at run time.

    check_depends.py QML_FOLDER SOURCE_FOLDER "DEPENDS LINE"

Every import in the documents, and every module the imported modules'
qmldir files declare they depend on, is traced to the installed module
folder and the Debian package that ships it. Each such package must be named
in Depends or be a firm (non-alternative) dependency of something named
there. What a module's own documents import is that module package's
business; which of them the program really loads is checked by running it
(check_loaded.py). Imports the program registers from C++ need no folder.
"""
import functools
import os
import re
import subprocess
import sys

IMPORT = re.compile(r'^\s*(?:\.?import)\s+("[^"]+"|\'[^\']+\'|[A-Za-z_][\w.]*)(?:\s+(\d+)(?:\.\d+)?)?', re.M)
QMLDIR_DEPENDS = re.compile(r'^\s*(?:depends|import)\s+([A-Za-z_][\w.]*)(?:\s+(\d+))?', re.M)


def qml_root():
    out = subprocess.run(['dpkg-architecture', '-qDEB_HOST_MULTIARCH'], capture_output=True, text=True)
    multiarch = out.stdout.strip() or 'x86_64-linux-gnu'
    return '/usr/lib/%s/qt5/qml' % multiarch


def module_dirs(root, module, major):
    """The folders Qt would try for 'import module major', most specific first."""
    parts = module.split('.')
    candidates = []
    if major:
        for i in range(len(parts) - 1, -1, -1):
            versioned = parts[:i] + [parts[i] + '.' + major] + parts[i + 1:]
            candidates.append(os.path.join(root, *versioned))
    candidates.append(os.path.join(root, *parts))
    return [c for c in candidates if os.path.isfile(os.path.join(c, 'qmldir'))]


@functools.lru_cache(maxsize=None)
def registered_in_sources(source, module):
    needle = '"%s"' % module
    for folder, _, files in os.walk(os.path.join(source, 'src')):
        for name in files:
            if name.endswith(('.cpp', '.h')):
                with open(os.path.join(folder, name), encoding='utf-8', errors='replace') as f:
                    text = f.read()
                if needle in text and 'qmlRegister' in text:
                    return True
    return False


def imports_in(path):
    with open(path, encoding='utf-8', errors='replace') as f:
        text = f.read()
    pattern = QMLDIR_DEPENDS if os.path.basename(path) == 'qmldir' else IMPORT
    return pattern.findall(text)


def documents(folder):
    for base, _, files in os.walk(folder):
        for name in files:
            if name.endswith(('.qml', '.js')) or name == 'qmldir':
                yield os.path.join(base, name)


def owners(paths):
    """The installed package of each path (None when no package ships it)."""
    out = subprocess.run(['dpkg-query', '-S'] + sorted(paths), capture_output=True, text=True)
    found = {}
    for line in out.stdout.splitlines():
        packages, _, path = line.partition(': ')
        found[path.strip()] = packages.split(',')[0].split(':')[0].strip()
    return {path: found.get(path) for path in paths}


def firm_dependencies():
    """For every installed package, what it depends on without alternatives."""
    out = subprocess.run(['dpkg-query', '-W', '-f=${Package}\t${Depends}, ${Pre-Depends}\n'],
                         capture_output=True, text=True)
    graph = {}
    for line in out.stdout.splitlines():
        package, _, clauses = line.partition('\t')
        names = graph.setdefault(package, set())
        for clause in clauses.split(','):
            clause = clause.strip()
            if clause and '|' not in clause:
                names.add(re.sub(r'\s*\(.*\)', '', clause).split(':')[0].strip())
    return graph


def reach(graph, start):
    seen, stack = set(), [start]
    while stack:
        package = stack.pop()
        if package not in seen:
            seen.add(package)
            stack.extend(graph.get(package, ()))
    return seen


def main():
    qml, source, depends = sys.argv[1], sys.argv[2], sys.argv[3]
    root = qml_root()
    named = set()
    for clause in depends.split(','):
        for alternative in clause.split('|'):
            named.add(re.sub(r'\s*\(.*\)', '', alternative).strip())

    problems = []
    modules = {}  # module folder -> module name
    # (file, whether the modules it names are followed to their qmldir)
    queue = [(path, True) for path in documents(qml)]
    while queue:
        path, follow = queue.pop()
        for module, major in imports_in(path):
            if module[0] in '"\'':
                continue  # a folder import inside our resources
            found = module_dirs(root, module, major)
            if not found:
                if follow and not registered_in_sources(source, module):
                    problems.append('qml/%s imports %s %s, which no installed module provides'
                                    % (os.path.relpath(path, qml), module, major))
                continue
            folder = found[0]
            if follow and folder not in modules:
                queue.append((os.path.join(folder, 'qmldir'), False))
            modules.setdefault(folder, module)

    needed = {}  # package -> first module that needs it
    shipped = owners([os.path.join(folder, 'qmldir') for folder in modules])
    for folder, module in sorted(modules.items(), key=lambda item: item[1]):
        package = shipped[os.path.join(folder, 'qmldir')]
        if package is None:
            problems.append('%s: no installed package ships %s' % (module, folder))
        else:
            needed.setdefault(package, module)

    graph = firm_dependencies()
    satisfied = {}
    for name in sorted(named):
        for package in reach(graph, name):
            satisfied.setdefault(package, name)

    for package in sorted(needed, key=lambda p: needed[p]):
        if package in named:
            how = 'listed'
        elif package in satisfied:
            how = 'via ' + satisfied[package]
        else:
            problems.append('%s (for %s) is neither in Depends nor brought by it' % (package, needed[package]))
            continue
        print('  %-28s %-36s %s' % (needed[package], package, how))

    for problem in sorted(set(problems)):
        print('PROBLEM: ' + problem)
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
