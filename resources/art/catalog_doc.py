"""catalog.doc: the short catalogue of Orvane Software's programs that the
settings dialog's "Cool Downloads" opens.

It is written as RTF, which Word and LibreOffice both open under a .doc
name.  The file is plain ASCII; anything else would be escaped as \\'hh in
code page 1252.  The version comes from the top-level CMakeLists.txt and the
home page from the catalogue viewer's addresses, so neither is typed twice.
"""

import os
import re

MAKER = "Orvane Software"

# (heading, first paragraph, points, closing line); {version} is filled in.
PRODUCTS = [
    ("Velmora Screen Saver {version}",
     "A seasonal greeting for your screen. A pink greeting glides along one edge "
     "while ten winter photographs pass along the other: snowy hills, a log cabin "
     "at dusk, a lighthouse, a frozen lake, the northern lights and more, with "
     "sparkles twinkling all around.",
     ["Ten carols play while it runs; switch the music on or off.",
      "Three scrolling speeds: Normal, Faster and Fastest.",
      "Password protection, and a preview in the Display Properties dialog."],
     "Open its settings from the Screen Saver page of Display Properties."),
    ("Orvane Products",
     "Our catalogue on your desktop. It lists every Orvane Software program by name; "
     "pick one to read what it does, then visit its web site or download it with "
     "one click.",
     [],
     "Installed with every Orvane Software program."),
]


def project_version(repo):
    """(major, minor, patch) from project(... VERSION x.y.z) in CMakeLists.txt."""
    with open(os.path.join(repo, "CMakeLists.txt"), encoding="utf-8") as f:
        m = re.search(r"^project\(\w+ VERSION (\d+)\.(\d+)\.(\d+)", f.read(), re.M)
    if not m:
        raise RuntimeError("no project(... VERSION x.y.z) in CMakeLists.txt")
    return tuple(int(v) for v in m.groups())


def home_page(repo):
    with open(os.path.join(repo, "catalogue", "addresses.h"), encoding="utf-8") as f:
        m = re.search(r'maker_home_page = "([^"]+)"', f.read())
    if not m:
        raise RuntimeError("no maker_home_page in catalogue/addresses.h")
    return m.group(1)


def text(s):
    """Plain text as RTF: the three special characters escaped, anything
    outside ASCII as a code page 1252 byte."""
    out = []
    for ch in s:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            out.append("\\'%02x" % ch.encode("cp1252")[0])
    return "".join(out)


def link(url):
    """A clickable address (a HYPERLINK field, blue and underlined)."""
    return ('{\\field{\\*\\fldinst HYPERLINK "%s"}{\\fldrslt \\ul\\cf3 %s}}'
            % (text(url), text(url)))


def catalogue_rtf(version, url):
    major, minor, _ = version
    short_version = f"{major}.{minor}"
    lines = [
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033",
        "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}}",
        # 1 pink (the greeting's), 2 grey, 3 link blue
        "{\\colortbl;\\red214\\green40\\blue120;\\red96\\green96\\blue96;\\red0\\green0\\blue192;}",
        "{\\info{\\title %s Product Catalogue}{\\author %s}}" % (text(MAKER), text(MAKER)),
        "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440",
        "\\pard\\qc\\sa60\\f0\\fs44\\b\\cf1 %s\\b0\\par" % text(MAKER),
        "\\pard\\qc\\sa480\\fs24\\cf2 Product Catalogue\\par",
    ]
    for heading, intro, points, closing in PRODUCTS:
        lines.append("\\pard\\sb240\\sa120\\keepn\\f0\\fs30\\b\\cf1 %s\\b0\\par"
                     % text(heading.format(version=short_version)))
        lines.append("\\pard\\sa120\\f1\\fs24\\cf0 %s\\par" % text(intro))
        for p in points:
            lines.append("\\pard\\fi-360\\li720\\sa60\\f1\\fs24\\cf0 \\bullet\\tab %s\\par"
                         % text(p))
        lines.append("\\pard\\sb60\\sa240\\f1\\fs24\\cf0\\i %s\\i0\\par" % text(closing))
    lines += [
        "\\pard\\qc\\sb480\\sa60\\f0\\fs22\\cf2 More programs, news and updates:\\par",
        "\\pard\\qc\\f0\\fs22\\cf0 %s\\par" % link(url),
        "}",
    ]
    return "\n".join(lines) + "\n"


def write_catalogue(path, repo):
    data = catalogue_rtf(project_version(repo), home_page(repo)).encode("ascii")
    with open(path, "wb") as f:
        f.write(data)
    print(f"wrote {path}")
