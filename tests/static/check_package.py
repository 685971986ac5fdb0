#!/usr/bin/env python3
"""Static checks of a built Windows Installer package, without installing it.

    check_package.py FILE.msi i686|x86_64 VERSION SAVER

Reads the package's tables with msiinfo (msitools) and checks what Wine cannot
show on every host: that the package is marked for its bitness and its
components are of that bitness (a 32-bit component in a 64-bit package lands in
SysWOW64 and Program Files (x86)), where the program folder and the system
folder's saver go, the version, the icon, install_path, and that the x86
package refuses 64-bit Windows. SAVER is the built saver that both copies in the
package must equal. Prints one line per check; exits 1 if any fails, 77 when
msitools is not installed.
"""
import os
import shutil
import subprocess
import sys
import tempfile

BITNESS = {
    # machine: (template platform, program files folder, system folder, 64-bit components)
    "i686": ("Intel", "ProgramFilesFolder", "SystemFolder", False),
    "x86_64": ("x64", "ProgramFiles64Folder", "System64Folder", True),
}
PROGRAM_FOLDER_FILES = {
    "Velmora.scr", "Orvane_Products.exe", "pid.txt", "orvane_products.txt", "catalog.doc",
    "LICENSE.txt", "DancingScript-LICENSE.txt", *(f"ravlo{n}.mid" for n in range(1, 11)),
}
SETTINGS_KEY = r"Software\VB and VBA Program Settings\Orvane Velmora Screen Saver\Config"
HKCU = "1"
COMPONENT_64BIT = 256


def table(package, name):
    """The rows of one table as lists of fields (the three header lines left out).
    msiinfo writes a table's binary fields (the icons) as files into its working
    folder: it works in a scratch folder."""
    with tempfile.TemporaryDirectory() as scratch:
        text = subprocess.run(["msiinfo", "export", os.path.abspath(package), name], check=True,
                              capture_output=True, text=True, cwd=scratch).stdout
    return [line.split("\t") for line in text.splitlines()[3:] if line]


def summary_template(package):
    text = subprocess.run(["msiinfo", "suminfo", package], check=True, capture_output=True, text=True).stdout
    for line in text.splitlines():
        if line.startswith("Template:"):
            return line.split(":", 1)[1].strip()
    return None


def main():
    package, machine, version, saver = sys.argv[1:5]
    if not shutil.which("msiinfo") or not shutil.which("msiextract"):
        print("skipped: msiinfo and msiextract (Debian package msitools) are not installed")
        return 77
    platform, program_files, system_folder, is_64bit = BITNESS[machine]
    failures = 0

    def check(ok, what, found):
        nonlocal failures
        print(f"{'ok' if ok else 'FAIL'}: {what} ({found})")
        failures += not ok

    template = summary_template(package)
    check(template is not None and template.split(";")[0] == platform, f"marked for {platform}", template)

    properties = {row[0]: row[1] for row in table(package, "Property")}
    check(properties.get("ProductVersion") == version, f"product version {version}", properties.get("ProductVersion"))
    icons = {row[0] for row in table(package, "Icon")}
    check(properties.get("ARPPRODUCTICON") in icons, "an icon for the Apps list", properties.get("ARPPRODUCTICON"))

    # Each component's folder as a path of folder names from the root.
    directories = {row[0]: (row[1], row[2]) for row in table(package, "Directory")}

    def folder_path(directory):
        names = []
        while directory in directories and directories[directory][0]:
            parent, default = directories[directory]
            names.append(directory if default == "." else default.split("|")[-1])
            directory = parent
        return "/".join(reversed(names))

    components = {row[0]: (folder_path(row[2]), int(row[3])) for row in table(package, "Component")}
    wrong_bitness = sorted(name for name, (_, attributes) in components.items()
                           if bool(attributes & COMPONENT_64BIT) != is_64bit)
    check(not wrong_bitness, f"every component {'64' if is_64bit else '32'}-bit", ", ".join(wrong_bitness) or "all")

    placed = {}
    for row in table(package, "File"):
        placed.setdefault(components[row[1]][0], set()).add(row[2].split("|")[-1])
    program_folder = f"{program_files}/Velmora"
    check(placed.get(program_folder) == PROGRAM_FOLDER_FILES, f"the program folder {program_folder}",
          ", ".join(sorted(placed.get(program_folder, ()))))
    check(placed.get(system_folder) == {"Velmora.scr"}, f"the saver in {system_folder}",
          ", ".join(f"{folder}: {', '.join(sorted(names))}" for folder, names in sorted(placed.items())
                    if folder != program_folder))

    install_path = [row[4] for row in table(package, "Registry")
                    if row[1] == HKCU and row[2] == SETTINGS_KEY and row[3] == "install_path"]
    check(install_path == ["[INSTALLDIR]"], "install_path = [INSTALLDIR] in HKCU", ", ".join(install_path))

    conditions = [row[0] for row in table(package, "LaunchCondition")]
    refuses_64bit = any("NOT VersionNT64" in condition for condition in conditions)
    check(refuses_64bit != is_64bit, "refuses 64-bit Windows" if not is_64bit else "installs on 64-bit Windows",
          "; ".join(conditions))

    # Both copies of the saver are this build's.
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["msiextract", "-C", folder, package], check=True, capture_output=True)
        built = open(saver, "rb").read()
        copies = [os.path.join(root, name) for root, _, names in os.walk(folder)
                  for name in names if name == "Velmora.scr"]
        same = [copy for copy in copies if open(copy, "rb").read() == built]
        check(len(copies) == 2 and len(same) == 2, "both saver copies are the built saver",
              f"{len(same)} of {len(copies)}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
