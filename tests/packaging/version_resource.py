#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Windows version resource, compiled with a cross windres and read back.

Compiles the configured dialnote.rc into a .res file and walks the result:
the fixed version data, every string of the string table, the translation
entry, and the icon group with its one 48 x 48 image, which must be the image
of the program's .ico file byte for byte.
"""
import argparse
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

RT_ICON, RT_VERSION, RT_GROUP_ICON = 3, 16, 14
ENGLISH_US = 0x0409


def resources(data):
    """Yields (type, name, language, payload) for each entry of a .res file."""

    def ident(at):
        if struct.unpack_from("<H", data, at)[0] == 0xFFFF:
            return struct.unpack_from("<H", data, at + 2)[0], at + 4
        end = at
        while struct.unpack_from("<H", data, end)[0] != 0:
            end += 2
        return data[at:end].decode("utf-16-le"), end + 2

    at = 0
    while at < len(data):
        size, header = struct.unpack_from("<II", data, at)
        kind, after = ident(at + 8)
        name, after = ident(after)
        after = (after + 3) & ~3
        language = struct.unpack_from("<H", data, after + 6)[0]
        if kind != 0:  # the file starts with an empty entry that marks it as 32-bit
            yield kind, name, language, data[at + header:at + header + size]
        at = (at + header + size + 3) & ~3


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


def main():
    arguments = argparse.ArgumentParser()
    for option in ("windres", "preprocessor", "rc", "ico", "maker", "web"):
        arguments.add_argument("--" + option, required=True)
    options = arguments.parse_args()
    failures = []

    def expect(what, actual, wanted):
        if actual != wanted:
            failures.append(f"{what}: {actual!r}, wanted {wanted!r}")

    with tempfile.TemporaryDirectory() as folder:
        compiled = Path(folder) / "dialnote.res"
        subprocess.run([options.windres, f"--preprocessor={options.preprocessor}",
                        "--preprocessor-arg=-E", "--preprocessor-arg=-xc",
                        "--preprocessor-arg=-DRC_INVOKED", "-O", "res",
                        options.rc, str(compiled)], check=True)
        entries = list(resources(compiled.read_bytes()))

    by_type = {}
    for kind, name, language, payload in entries:
        expect(f"language of resource {kind}/{name}", language, ENGLISH_US)
        by_type.setdefault(kind, []).append((name, payload))

    versions = by_type.get(RT_VERSION, [])
    expect("version resources", [name for name, _ in versions], [1])
    if versions:
        key, fixed, children, _, _ = version_node(versions[0][1])
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
            "OriginalFilename": "Dialnote.exe",
            "ProductName": "دايالنوت",
            "ProductVersion": "2.00",
        })
        variables = blocks.get("VarFileInfo", ("", b"", [], False, 0))[2]
        expect("translation", [(node[0], node[1]) for node in variables],
               [("Translation", struct.pack("<HH", 0x0409, 0x04B0))])

    groups = by_type.get(RT_GROUP_ICON, [])
    expect("icon groups", [name for name, _ in groups], [1])
    if groups:
        group = groups[0][1]
        expect("icon group header", struct.unpack_from("<HHH", group), (0, 1, 1))
        width, height, colours, _, planes, bits, size, image_id = struct.unpack_from(
            "<BBBBHHIH", group, 6)
        expect("icon image (width, height, colours, bits, bytes)",
               (width, height, colours, bits, size), (48, 48, 0, 8, 3752))
        ico = Path(options.ico).read_bytes()
        ico_size, ico_offset = struct.unpack_from("<II", ico, 6 + 8)
        images = dict(by_type.get(RT_ICON, []))
        expect("icon image bytes are the .ico's", images.get(image_id),
               ico[ico_offset:ico_offset + ico_size])

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if not failures:
        print(f"passed: {len(entries)} resources")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
