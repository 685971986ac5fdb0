#!/usr/bin/env python3
"""Static checks of a built Windows program, without running it.

    check_program.py FILE i686|x86_64 VERSION

Checks that FILE is a GUI program of the given machine (PE32 for i686, PE32+ for
x86_64), that it imports only DLLs every Windows has (the runtime is linked in
statically), and that its version resource carries VERSION as file and product
version. Prints one line per check; exits 1 if any fails.
"""
import struct
import sys

# DLLs that ship with every Windows our programs support.
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll",
    "msvcrt.dll", "ntdll.dll", "ole32.dll", "oleaut32.dll", "shell32.dll",
    "shlwapi.dll", "user32.dll", "uxtheme.dll", "version.dll", "winmm.dll",
}
MACHINES = {"i686": (0x014C, 0x10B, "PE32"), "x86_64": (0x8664, 0x20B, "PE32+")}
IMAGE_SUBSYSTEM_WINDOWS_GUI = 2
RT_VERSION = 16
VS_FIXEDFILEINFO_SIGNATURE = 0xFEEF04BD


class Image:
    """The parts of a PE file these checks read: headers, sections, data directories."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("no MZ header")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic, = struct.unpack_from("<H", data, optional)
        self.subsystem, = struct.unpack_from("<H", data, optional + 68)
        directories = optional + (96 if self.magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        table = optional + optional_size
        self.sections = []
        for i in range(sections):
            _, virtual_size, address, raw_size, raw_offset = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((address, max(virtual_size, raw_size), raw_offset))

    def offset(self, rva):
        for address, size, raw_offset in self.sections:
            if address <= rva < address + size:
                return raw_offset + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def c_string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii", "replace")

    def imported_dlls(self):
        rva, size = self.directories[1]
        names, at = [], self.offset(rva) if size else None
        while at is not None:
            fields = struct.unpack_from("<IIIII", self.data, at)
            if not any(fields):
                break
            names.append(self.c_string(fields[3]))
            at += 20
        return names

    def version_resource(self):
        """(file version, product version) from the first RT_VERSION resource."""
        rva, size = self.directories[2]
        if not size:
            return None
        base = self.offset(rva)

        def entries(directory):
            named, numbered = struct.unpack_from("<HH", self.data, base + directory + 12)
            for i in range(named + numbered):
                ident, target = struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)
                yield ident, target

        def first_leaf(target):
            while target & 0x80000000:
                target = next(entries(target & 0x7FFFFFFF))[1]
            return target

        for ident, target in entries(0):
            if ident == RT_VERSION:
                data_rva, data_size = struct.unpack_from("<II", self.data, base + first_leaf(target))
                block = self.data[self.offset(data_rva):self.offset(data_rva) + data_size]
                at = block.find(struct.pack("<I", VS_FIXEDFILEINFO_SIGNATURE))
                if at < 0:
                    return None
                file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIII", block, at + 8)
                return dotted(file_ms, file_ls), dotted(product_ms, product_ls)
        return None


def dotted(ms, ls):
    return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"


def main():
    path, machine, version = sys.argv[1:4]
    expected_machine, expected_magic, kind = MACHINES[machine]
    image = Image(open(path, "rb").read())
    version = ".".join((version.split(".") + ["0"] * 4)[:4])
    failures = 0

    def check(ok, what, found):
        nonlocal failures
        print(f"{'ok' if ok else 'FAIL'}: {what} ({found})")
        failures += not ok

    check(image.machine == expected_machine and image.magic == expected_magic,
          f"a {kind} file for {machine}", f"machine {image.machine:#06x}, magic {image.magic:#05x}")
    check(image.subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI, "a GUI program", f"subsystem {image.subsystem}")
    dlls = image.imported_dlls()
    foreign = [dll for dll in dlls if dll.lower() not in SYSTEM_DLLS]
    check(dlls and not foreign, "imports only system DLLs", ", ".join(dlls))
    versions = image.version_resource()
    check(versions == (version, version), f"file and product version {version}", versions)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
