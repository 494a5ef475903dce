# SPDX-License-Identifier: GPL-3.0-or-later
"""What Dialnote's application manifest must say, element by element, read
with an XML parser as Windows reads it: an element in the wrong namespace or
place is one Windows ignores, so each is looked up by its full path."""
import xml.etree.ElementTree as ElementTree

V1 = "{urn:schemas-microsoft-com:asm.v1}"
V3 = "{urn:schemas-microsoft-com:asm.v3}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"
SETTINGS_2005 = "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}"
SETTINGS_2016 = "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}"
SETTINGS_2019 = "{http://schemas.microsoft.com/SMI/2019/WindowsSettings}"

WINDOWS_10_AND_11 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
COMMON_CONTROLS_6 = {
    "type": "win32",
    "name": "Microsoft.Windows.Common-Controls",
    "version": "6.0.0.0",
    "processorArchitecture": "*",
    "publicKeyToken": "6595b64144ccf1df",
    "language": "*",
}


def check_manifest(data, version, expect):
    """Calls expect(what, actual, wanted) for each element of the manifest
    held in the bytes `data`; `version` is the program's, as a.b.c."""
    if data.startswith(b"\xef\xbb\xbf"):
        expect("manifest starts with a byte-order mark", True, False)
    try:
        root = ElementTree.fromstring(data)
    except ElementTree.ParseError as error:
        expect("manifest is well-formed XML", str(error), "well-formed")
        return
    expect("root element", root.tag, V1 + "assembly")
    expect("manifest version", root.get("manifestVersion"), "1.0")

    identity = root.find(V1 + "assemblyIdentity")
    expect("program's identity (type, version, architecture)",
           None if identity is None else (identity.get("type"), identity.get("version"),
                                          identity.get("processorArchitecture")),
           ("win32", version + ".0", "amd64"))

    levels = root.findall(f"{V3}trustInfo/{V3}security/{V3}requestedPrivileges/"
                          f"{V3}requestedExecutionLevel")
    expect("requested execution level", [(e.get("level"), e.get("uiAccess")) for e in levels],
           [("asInvoker", "false")])

    systems = root.findall(f"{COMPATIBILITY}compatibility/{COMPATIBILITY}application/"
                           f"{COMPATIBILITY}supportedOS")
    expect("supported systems", [e.get("Id") for e in systems], [WINDOWS_10_AND_11])

    settings = f"{V3}application/{V3}windowsSettings/"
    for element, wanted in ((SETTINGS_2005 + "dpiAware", "true/pm"),
                            (SETTINGS_2016 + "dpiAwareness", "PerMonitorV2, PerMonitor"),
                            (SETTINGS_2019 + "activeCodePage", "UTF-8")):
        found = root.findall(settings + element)
        expect(element.split("}")[1], [(e.text or "").strip() for e in found], [wanted])

    dependencies = root.findall(f"{V1}dependency/{V1}dependentAssembly/{V1}assemblyIdentity")
    expect("dependencies", [dict(e.attrib) for e in dependencies], [COMMON_CONTROLS_6])
