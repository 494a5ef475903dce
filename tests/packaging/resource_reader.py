# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the resources of a Windows program: from a compiled .res file, as a
cross windres makes it from the resource script, or from a built executable's
resource section. Either way the result is a list of
(type, name, language, payload) in the order Windows keeps them."""
import struct
import subprocess
import tempfile
from pathlib import Path

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24


def compile_script(windres, preprocessor, script):
    """The .res entries of the resource script `script`."""
    with tempfile.TemporaryDirectory() as folder:
        compiled = Path(folder) / "resources.res"
        subprocess.run([windres, f"--preprocessor={preprocessor}",
                        "--preprocessor-arg=-E", "--preprocessor-arg=-xc",
                        "--preprocessor-arg=-DRC_INVOKED", "-O", "res",
                        script, str(compiled)], check=True)
        return res_entries(compiled.read_bytes())


def res_entries(data):
    """The entries of a .res file."""

    def ident(at):
        if struct.unpack_from("<H", data, at)[0] == 0xFFFF:
            return struct.unpack_from("<H", data, at + 2)[0], at + 4
        end = at
        while struct.unpack_from("<H", data, end)[0] != 0:
            end += 2
        return data[at:end].decode("utf-16-le"), end + 2

    entries = []
    at = 0
    while at < len(data):
        size, header = struct.unpack_from("<II", data, at)
        kind, after = ident(at + 8)
        name, after = ident(after)
        after = (after + 3) & ~3
        language = struct.unpack_from("<H", data, after + 6)[0]
        if kind != 0:  # the file starts with an empty entry that marks it as 32-bit
            entries.append((kind, name, language, data[at + header:at + header + size]))
        at = (at + header + size + 3) & ~3
    return entries


def executable_entries(data):
    """The entries of a PE executable's resource directory (type, name and
    language levels); an empty list when it has none."""
    if data[:2] != b"MZ":
        raise ValueError("not an executable: no MZ header")
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE executable")
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + {0x10B: 96, 0x20B: 112}[magic]
    resource_rva, resource_size = struct.unpack_from("<II", data, directories + 2 * 8)
    if resource_size == 0:
        return []
    table = optional + optional_size
    spans = []
    for i in range(sections):
        virtual_size, virtual_address, raw_size, raw_at = struct.unpack_from(
            "<IIII", data, table + 40 * i + 8)
        spans.append((virtual_address, max(virtual_size, raw_size), raw_at))

    def file_offset(rva):
        for start, length, raw_at in spans:
            if start <= rva < start + length:
                return raw_at + rva - start
        raise ValueError(f"address {rva:#x} lies in no section")

    root = file_offset(resource_rva)

    def ident(value):
        if value & 0x80000000:
            at = root + (value & 0x7FFFFFFF)
            length = struct.unpack_from("<H", data, at)[0]
            return data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
        return value

    def directory(at):
        named, numbered = struct.unpack_from("<12xHH", data, at)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", data, at + 16 + 8 * i)
            yield ident(name), target

    entries = []
    for kind, names in directory(root):
        for name, languages in directory(root + (names & 0x7FFFFFFF)):
            for language, leaf in directory(root + (languages & 0x7FFFFFFF)):
                rva, size = struct.unpack_from("<II", data, root + leaf)
                at = file_offset(rva)
                entries.append((kind, name, language, data[at:at + size]))
    return entries
