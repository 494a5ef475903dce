#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows resources of a Dialnote executable, read back and checked.

Reads them from the resource script, compiled with a cross windres (on any
machine), or from a built executable (Dialnote.exe, dialnote.com): the fixed
version data, every string of the string table and the translation entry;
both icon groups (icon_check.py); the application manifest
(manifest_check.py). Every resource is in English (United States).
"""
import argparse
import struct
import sys
from pathlib import Path

import resource_reader
from icon_check import check_icons
from manifest_check import check_manifest
from resource_reader import RT_GROUP_ICON, RT_ICON, RT_MANIFEST, RT_VERSION

ENGLISH_US = 0x0409


def version_node(data, at=0):
    """One node of the version tree: (key, value bytes, children, text)."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, at)
    end = at + 6
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    key = data[at + 6:end].decode("utf-16-le")
    value_at = (end + 2 + 3) & ~3
    value_size = value_length * 2 if is_text else value_length
    value = data[value_at:value_at + value_size]
    children = []
    child = (value_at + value_size + 3) & ~3
    while child < at + length:
        node = version_node(data, child)
        children.append(node)
        child = (child + node[4] + 3) & ~3
    return key, value, children, bool(is_text), length


def text(value):
    return value.decode("utf-16-le").rstrip("\0")


def check_version(payload, file_name, options, expect):
    key, fixed, children, _, _ = version_node(payload)
    expect("version root", key, "VS_VERSION_INFO")
    fields = struct.unpack("<13I", fixed)
    expect("fixed version data (signature, layout, file 2.0.0.0, product 2.0.0.0, flags mask,"
           " flags, OS, type, subtype, date)", fields,
           (0xFEEF04BD, 0x00010000, 0x00020000, 0, 0x00020000, 0, 0, 0, 4, 1, 0, 0, 0))
    blocks = {node[0]: node for node in children}
    tables = blocks.get("StringFileInfo", ("", b"", [], False, 0))[2]
    expect("string tables", [table[0] for table in tables], ["040904B0"])
    strings = {node[0]: text(node[1]) for table in tables for node in table[2]}
    expect("strings", strings, {
        "CompanyName": options.maker,
        "FileDescription": options.web,
        "FileVersion": "2.00",
        "InternalName": "Dialnote",
        "OriginalFilename": file_name,
        "ProductName": "دايالنوت",
        "ProductVersion": "2.00",
    })
    variables = blocks.get("VarFileInfo", ("", b"", [], False, 0))[2]
    expect("translation", [(node[0], node[1]) for node in variables],
           [("Translation", struct.pack("<HH", 0x0409, 0x04B0))])


def check(entries, file_name, options, expect):
    by_type = {}
    for kind, name, language, payload in entries:
        expect(f"language of resource {kind}/{name}", language, ENGLISH_US)
        by_type.setdefault(kind, {})[name] = payload

    versions = by_type.get(RT_VERSION, {})
    expect("version resources", list(versions), [1])
    if 1 in versions:
        check_version(versions[1], file_name, options, expect)

    check_icons(by_type.get(RT_GROUP_ICON, {}), by_type.get(RT_ICON, {}),
                Path(options.ico).read_bytes(), expect)

    manifests = by_type.get(RT_MANIFEST, {})
    expect("manifests", list(manifests), [1])
    if 1 in manifests:
        check_manifest(manifests[1], options.version, expect)


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("--rc", nargs=2, action="append", default=[],
                           metavar=("SCRIPT", "FILE_NAME"),
                           help="a resource script and the file name its executable has")
    arguments.add_argument("--windres")
    arguments.add_argument("--preprocessor")
    arguments.add_argument("--executable", action="append", default=[],
                           help="a built executable, whose own name it must carry")
    for option in ("ico", "maker", "web", "version"):
        arguments.add_argument("--" + option, required=True)
    options = arguments.parse_args()
    if options.rc and not (options.windres and options.preprocessor):
        arguments.error("--rc needs --windres and --preprocessor")
    if not options.rc and not options.executable:
        arguments.error("nothing to check: give --rc or --executable")

    failures = []

    def expecter(where):
        def expect(what, actual, wanted):
            if actual != wanted:
                failures.append(f"{where}: {what}: {actual!r}, wanted {wanted!r}")
        return expect

    for script, file_name in options.rc:
        entries = resource_reader.compile_script(options.windres, options.preprocessor, script)
        check(entries, file_name, options, expecter(f"{file_name} (compiled script)"))
    for executable in options.executable:
        file_name = Path(executable).name
        entries = resource_reader.executable_entries(Path(executable).read_bytes())
        check(entries, file_name, options, expecter(file_name))

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if not failures:
        checked = [file_name for _, file_name in options.rc] + options.executable
        print(f"passed: {', '.join(str(Path(name).name) for name in checked)}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
