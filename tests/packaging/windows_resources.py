#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows resources of a Dialnote executable, read back and checked.

Reads them from the resource script, compiled with a cross windres (on any
machine), or from a built executable (Dialnote.exe, dialnote.com): the fixed
version data, every string of the string table and the translation entry;
both icon groups (icon_check.py); the application manifest
(manifest_check.py). Every resource is in English (United States).

With --setup, also the setup program's: its version data, its DPI awareness,
and its icon in every size.
"""
import argparse
import struct
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import resource_reader
from icon_check import SIZES, check_icons, group_entries
from manifest_check import SETTINGS_2005, V3, check_manifest
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


def strings_of(payload):
    """Every string of a version resource's string tables."""
    _, _, children, _, _ = version_node(payload)
    return {node[0]: text(node[1]) for block in children if block[0] == "StringFileInfo"
            for table in block[2] for node in table[2]}


def check_setup(entries, options, expect):
    by_type = {}
    for kind, name, _, payload in entries:
        by_type.setdefault(kind, {})[name] = payload
    versions = list(by_type.get(RT_VERSION, {}).values())
    expect("setup version resources", len(versions), 1)
    if versions:
        fixed = struct.unpack("<13I", version_node(versions[0])[1])
        major, minor, patch = (int(part) for part in options.version.split("."))
        expect("setup's fixed file and product versions", fixed[2:6],
               ((major << 16) | minor, patch << 16) * 2)
        strings = strings_of(versions[0])
        wanted = {
            "ProductName": "Dialnote",
            "ProductVersion": options.version,
            "FileVersion": options.version,
            "FileDescription": f"Dialnote {options.version} Setup",
            "CompanyName": options.maker,
            "LegalCopyright": options.copyright,
        }
        expect("setup's version strings", {key: strings.get(key) for key in wanted}, wanted)
    manifests = list(by_type.get(RT_MANIFEST, {}).values())
    dpi_aware = []
    if manifests:
        root = ElementTree.fromstring(manifests[0])
        dpi_aware = [(e.text or "").strip() for e in root.findall(
            f"{V3}application/{V3}windowsSettings/{SETTINGS_2005}dpiAware")]
    expect("setup's DPI awareness", dpi_aware, ["true"])
    groups = [group_entries(group) or [] for group in by_type.get(RT_GROUP_ICON, {}).values()]
    expect("setup's icon (sizes, bits)", [sorted((w, bits) for w, _, _, _, bits, _, _ in group)
                                          for group in groups], [[(s, 32) for s in SIZES]])


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("--rc", nargs=2, action="append", default=[],
                           metavar=("SCRIPT", "FILE_NAME"),
                           help="a resource script and the file name its executable has")
    arguments.add_argument("--windres")
    arguments.add_argument("--preprocessor")
    arguments.add_argument("--executable", action="append", default=[],
                           help="a built executable, whose own name it must carry")
    arguments.add_argument("--setup", help="the setup program")
    arguments.add_argument("--copyright", help="the copyright line, as the setup carries it")
    for option in ("ico", "maker", "web", "version"):
        arguments.add_argument("--" + option, required=True)
    options = arguments.parse_args()
    if options.rc and not (options.windres and options.preprocessor):
        arguments.error("--rc needs --windres and --preprocessor")
    if options.setup and not options.copyright:
        arguments.error("--setup needs --copyright")
    if not options.rc and not options.executable and not options.setup:
        arguments.error("nothing to check: give --rc, --executable or --setup")

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
    if options.setup:
        entries = resource_reader.executable_entries(Path(options.setup).read_bytes())
        check_setup(entries, options, expecter(Path(options.setup).name))

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if not failures:
        checked = [file_name for _, file_name in options.rc] + options.executable
        checked += [options.setup] if options.setup else []
        print(f"passed: {', '.join(str(Path(name).name) for name in checked)}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
