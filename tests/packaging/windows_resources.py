#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The shipped Windows executables' resources: version data, the two icon groups (0: the about
box's 48-pixel icon, 1: every size, each drawn), the manifest as Windows reads it, all in en-US;
and the setup program's."""
import argparse
import json
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from functools import reduce
from pathlib import Path

import pefile
from PIL import Image, ImageChops

RT_ICON, RT_VERSION, RT_MANIFEST = 3, 16, 24
SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
# A drawn size differs from a downscale of the 256 in 1/7 to 1/3 of its pixels; a resampled one <1 %.
CHANNEL_STEP, DRAWN_SHARE = 32, 0.05

V1 = "{urn:schemas-microsoft-com:asm.v1}"
V3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
SETTINGS = V3 + "application/" + V3 + "windowsSettings/{http://schemas.microsoft.com/SMI/"
DPI_AWARE = SETTINGS + "2005/WindowsSettings}dpiAware"
DATA = Path(__file__).resolve().parents[1] / "data"


def rows(name, names):
    """The rows of data/NAME, split at tabs, with the @NAMES@ in them replaced."""
    for line in (DATA / name).read_text(encoding="utf-8").splitlines():
        if not line.startswith("#"):
            yield reduce(lambda t, n: t.replace(n, names[n]), names, line).split("\t")


def read(element, how):
    """An element's text, all its attributes (*) or the attributes named, as the data file says."""
    return (element.text or "").strip() if how == "text" else dict(element.attrib) if how == "*" else [
        element.get(name) for name in how.split(",")]


def resources(pe):
    """{(type, name): (language, payload)} of an executable."""
    found = {}
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE") else []:
        for name in kind.directory.entries:
            for language in name.directory.entries:
                where = language.data.struct
                found[kind.id, name.id if name.name is None else str(name.name)] = (
                    language.id, pe.get_data(where.OffsetToData, where.Size))
    return found


def icon_groups(executable, folder):
    """{group name: Pillow's icon file} of the icon groups, as .ico files."""
    out = Path(folder) / (Path(executable).name + ".icons")
    out.mkdir()
    subprocess.run(["wrestool", "-x", "-t14", "-o", str(out), str(executable)], check=True)
    return {int(ico.stem.split("_")[2]): Image.open(ico) for ico in sorted(out.glob("*.ico"))}


def check_version(pe, program, names, expect):
    """The version data's fields and strings that data/windows-version.tsv names for `program`."""
    fixed = pe.VS_FIXEDFILEINFO[0].dump_dict() if hasattr(pe, "VS_FIXEDFILEINFO") else {}
    found = {name: hex(field["Value"]) for name, field in fixed.items() if name != "Structure"}
    infos = [info for blocks in getattr(pe, "FileInfo", []) for info in blocks]
    tables = [table for info in infos for table in getattr(info, "StringTable", [])]
    found.update((k.decode(), v.decode()) for table in tables for k, v in table.entries.items())
    found.update(StringTables=" ".join(table.LangID.decode() for table in tables),
                 Strings=" ".join(sorted(k.decode() for table in tables for k in table.entries)),
                 Translation=" ".join(value for info in infos for var in getattr(info, "Var", [])
                                      for value in var.entry.values()))
    for field, value in ((f, v) for who, f, v in rows("windows-version.tsv", names) if who == program):
        expect(f"version data's {field}", found.get(field), value)


def off_share(image, other):
    """The share of pixels in which some premultiplied channel differs by more than CHANNEL_STEP."""
    worst = reduce(ImageChops.lighter, ImageChops.difference(image.convert("RGBa"), other).split())
    return worst.point(lambda v: 255 * (v > CHANNEL_STEP)).histogram()[255] / image.width ** 2


def check_icons(groups, image, ico, expect):
    """`image` is the resource of id 30001, `ico` the program's .ico file."""
    expect("icon groups, in the order of their indexes", sorted(groups), [1, 2])
    if 1 in groups:
        entry = groups[1].ico.entry
        expect("icon group 1 (width, height, colours, planes, bits, bytes)",
               [(e["width"], e["height"], e["nb_color"], e["planes"], e["bpp"], e["size"]) for e in entry],
               [(48, 48, 0, 1, 8, 3752)])
        at = Image.open(ico).ico.entry[0]
        expect("image 30001 is, byte for byte, the image of the program's .ico",
               image == Path(ico).read_bytes()[at["offset"]:at["offset"] + at["size"]], True)
    entries = groups[2].ico.entry if 2 in groups else []
    expect("icon group 2 (size, planes, bits)",
           sorted((e["width"], e["planes"], e["bpp"]) for e in entries), [(s, 1, 32) for s in SIZES])
    pictures = {}
    for index, width in enumerate(e["width"] for e in entries):
        picture = pictures[width] = groups[2].ico.frame(index)
        expect(f"the {width}-pixel image (format, mode, size)",
               (picture.format == "PNG", picture.mode, picture.size),
               (width == 256, "RGBA", (width, width)))
        alpha = picture.getchannel("A")
        expect(f"the {width}-pixel image has a transparent corner, an opaque middle and "
               "soft edges", (alpha.getpixel((0, 0)), alpha.getpixel((width // 2,) * 2),
                              any(alpha.histogram()[1:255])), (0, 255, True))
    for size, picture in pictures.items() if 256 in pictures else []:
        share = off_share(picture, pictures[256].convert("RGBa").resize((size, size), Image.Resampling.BOX))
        if size < 256 and share < DRAWN_SHARE:
            expect(f"the {size}-pixel image is drawn, not the 256 one resampled: share of pixels off a "
                   "downscale", round(share, 3), f">= {DRAWN_SHARE}")


def check_manifest(data, names, expect):
    expect("manifest starts with a byte-order mark", data.startswith(b"\xef\xbb\xbf"), False)
    try:
        root = ElementTree.fromstring(data)
    except ElementTree.ParseError as error:
        return expect("manifest is well-formed XML", str(error), "well-formed")
    expect("manifest root and version", (root.tag, root.get("manifestVersion")),
           (V1 + "assembly", "1.0"))
    for what, path, how, wanted in rows("manifest.tsv", names):
        expect(what, [read(element, how) for element in root.findall(path)], json.loads(wanted))


def check(executable, groups, names, options, expect):
    pe = pefile.PE(executable)
    found = resources(pe)
    for (kind, name), (language, _) in found.items():
        expect(f"language of resource {kind}/{name}", language, 0x0409)
    ids = {kind: sorted((n for k, n in found if k == kind), key=str) for kind, _ in found}
    expect("version, manifest resources and the program icon's image id",
           (ids.get(RT_VERSION), ids.get(RT_MANIFEST), 30001 in ids.get(RT_ICON, [])), ([1], [1], True))
    check_version(pe, "exe", names, expect)
    check_icons(groups, found.get((RT_ICON, 30001), (0, b""))[1], options.ico, expect)
    if (RT_MANIFEST, 1) in found:
        check_manifest(found[RT_MANIFEST, 1][1], names, expect)


def check_setup(setup, groups, names, expect):
    pe = pefile.PE(setup)
    check_version(pe, "setup", names, expect)
    manifests = [payload for (kind, _), (_, payload) in resources(pe).items() if kind == RT_MANIFEST]
    expect("setup's DPI awareness", [read(e, "text") for m in manifests[:1]
                                     for e in ElementTree.fromstring(m).findall(DPI_AWARE)], ["true"])
    expect("setup's icon (sizes, bits)", [sorted((e["width"], e["bpp"]) for e in group.ico.entry)
                                          for group in groups.values()], [[(s, 32) for s in SIZES]])


def main():
    arguments = argparse.ArgumentParser()
    arguments.add_argument("--executable", action="append", required=True)
    for option in ("ico", "maker", "web", "version", "setup", "copyright"):
        arguments.add_argument("--" + option, required=True)
    options = arguments.parse_args()
    failures = []

    def expecter(where):
        def expect(what, actual, wanted):
            if actual != wanted:
                failures.append(f"{where}: {what}: {actual!r}, wanted {wanted!r}")
        return expect

    major, minor, patch = (int(part) for part in options.version.split("."))
    names = {"@V1@": V1, "@V3@": V3, "@C@": COMPATIBILITY, "@S@": SETTINGS, "@VERSION@": options.version,
             "@MS@": hex(major << 16 | minor), "@LS@": hex(patch << 16), "@MAKER@": options.maker,
             "@WEB@": options.web, "@COPYRIGHT@": options.copyright}
    with tempfile.TemporaryDirectory() as folder:
        for executable in options.executable:
            name = Path(executable).name
            check(executable, icon_groups(executable, folder), {**names, "@FILE@": name}, options,
                  expecter(name))
        check_setup(options.setup, icon_groups(options.setup, folder), names,
                    expecter(Path(options.setup).name))
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    if not failures:
        print("passed:", *options.executable, options.setup)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
