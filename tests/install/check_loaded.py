#!/usr/bin/env python3
"""Checks that every file the running program had mapped (libraries, Qt
plugins, QML modules, fonts) comes from a package that installing the
package brings onto a fresh system, or from the package itself.

    check_loaded.py MAPS_LIST FRESH_CLOSURE PACKAGE_ROOT

MAPS_LIST holds the mapped paths, one a line; FRESH_CLOSURE the packages
apt would install on a system with nothing installed. Packages every Debian
system has (essential or required) count as present. Files no package ships
(caches, the locale archive) are listed and left alone.

Some files are mapped only because they happen to be installed: Qt opens
every image format plugin it finds to learn the formats, and the X11
platform plugin opens libXcursor when present for cursor themes. The
packages of those are listed as optional rather than required.
"""
import os
import subprocess
import sys

IGNORED_PREFIXES = ('/tmp/', '/dev/', '/proc/', '/run/', '/var/cache/', '/memfd:', '/SYSV', '[')
OPTIONAL_PLUGIN_FOLDERS = ('/qt5/plugins/imageformats/',)
OPTIONAL_LIBRARIES = ('/libXcursor.so.',)


def owners(paths):
    out = subprocess.run(['dpkg-query', '-S'] + sorted(paths), capture_output=True, text=True)
    found = {}
    for line in out.stdout.splitlines():
        packages, _, path = line.partition(': ')
        found[path.strip()] = [p.split(':')[0].strip() for p in packages.split(',')]
    return found


def everywhere():
    out = subprocess.run(['dpkg-query', '-W', '-f=${Package}\t${Essential}\t${Priority}\n'],
                         capture_output=True, text=True)
    present = set()
    for line in out.stdout.splitlines():
        package, essential, priority = (line.split('\t') + ['', ''])[:3]
        if essential == 'yes' or priority == 'required':
            present.add(package)
    return present


def usr_merged(path):
    """dpkg knows a file of /lib by that name, the loader reports it in /usr/lib."""
    for merged in ('/usr/lib/', '/usr/bin/', '/usr/sbin/'):
        if path.startswith(merged):
            return path[len('/usr'):]
    return None


def main():
    maps_list, closure_file, root = sys.argv[1], sys.argv[2], os.path.realpath(sys.argv[3])
    with open(maps_list) as f:
        paths = {line.strip() for line in f if line.strip()}
    paths = {p.replace(' (deleted)', '') for p in paths}
    paths = {p for p in paths if not p.startswith(IGNORED_PREFIXES) and not p.startswith(root + '/')
             and '/.cache/' not in p and '/Lumeworks/' not in p}
    with open(closure_file) as f:
        brought = {line.strip() for line in f if line.strip()} | everywhere()

    shipped = owners(paths)
    retry = {usr_merged(p): p for p in paths if p not in shipped and usr_merged(p)}
    for alias, packages in owners(list(retry)).items():
        shipped[retry[alias]] = packages

    optional = set()
    for path, packages in shipped.items():
        if any(folder in path for folder in OPTIONAL_PLUGIN_FOLDERS) or any(lib in path for lib in OPTIONAL_LIBRARIES):
            optional.update(p for p in packages if p not in brought)

    missing, unowned, used, from_brought = [], [], set(), 0
    for path in sorted(paths):
        packages = shipped.get(path)
        if not packages:
            unowned.append(path)
        elif brought.intersection(packages):
            used.update(brought.intersection(packages))
            from_brought += 1
        elif not optional.intersection(packages):
            missing.append('%s (%s)' % (path, ', '.join(packages)))

    if not missing:
        print('%d mapped files from %d packages, all brought by the package on a fresh system'
              % (from_brought, len(used)))
    for package in sorted(optional):
        print('  optional, used because installed here: ' + package)
    for path in unowned:
        print('  not from any package (left alone): ' + path)
    for entry in missing:
        print('PROBLEM: loaded, but not brought by the package: ' + entry)
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main())
