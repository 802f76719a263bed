"""Reads an `strace -f` record of the program and fails on anything that
writes to the file system or reaches beyond the desktop session: a file
opened for writing or created, a folder made, a file renamed, linked or
removed, a socket connected anywhere but the display, the sound server and
the session and accessibility buses, any network address. Prints a summary.

  trace_audit.py TRACE --display :N --runtime DIR --bus ADDRESS
"""
import argparse
import collections
import re
import sys

WRITE_FLAGS = ("O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND")
CHANGES = ("mkdir", "mkdirat", "rename", "renameat", "renameat2", "link", "linkat", "symlink",
           "symlinkat", "unlink", "unlinkat", "rmdir", "truncate", "creat", "mknod", "mknodat")


def calls(path):
    """Complete calls: (pid, name, arguments, result), joining the halves
    strace splits when threads interleave."""
    pending = {}
    for line in open(path, errors="replace"):
        line = line.rstrip("\n")
        m = re.match(r"(\d+) +(.*)$", line)
        if not m:
            continue
        pid, rest = m.groups()
        if rest.endswith("<unfinished ...>"):
            pending[pid] = rest[: -len("<unfinished ...>")].rstrip()
            continue
        resumed = re.match(r"<\.\.\. (\w+) resumed>(.*)$", rest)
        if resumed:
            rest = pending.pop(pid, resumed.group(1) + "(") + resumed.group(2)
        call = re.match(r"(\w+)\((.*)\) += (.*)$", rest)
        if call:
            yield pid, call.group(1), call.group(2), call.group(3)


def ok(result):
    return not result.startswith("-1") and not result.startswith("?")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("trace")
    parser.add_argument("--display", required=True)
    parser.add_argument("--runtime", required=True)
    parser.add_argument("--bus", default="")
    args = parser.parse_args()

    number = args.display.lstrip(":").split(".")[0]
    allowed = {
        "display": [re.compile(r'^@?"?/tmp/\.X11-unix/X%s"?$' % number)],
        "sound server": [re.compile(r'^"%s/pulse/native"$' % re.escape(args.runtime))],
        "accessibility bus": [re.compile(r'^@?"%s/at-spi/.*"$' % re.escape(args.runtime)),
                              re.compile(r'^@"/tmp/dbus-\w+"$')],
        "session bus": [],
    }
    for part in args.bus.split(";"):
        for key in ("path", "abstract"):
            m = re.search(r"\b%s=([^,]+)" % key, part)
            if m:
                prefix = "@" if key == "abstract" else ""
                allowed["session bus"].append(re.compile(r"^%s\"%s\"$" % (prefix, re.escape(m.group(1)))))

    faults = []
    read_files = set()
    sockets = collections.Counter()
    for pid, name, arguments, result in calls(args.trace):
        if name in ("open", "openat", "openat2"):
            m = re.search(r'"([^"]*)"', arguments)
            target = m.group(1) if m else arguments
            writing = any(flag in arguments for flag in WRITE_FLAGS)
            if writing and ok(result) and not target.startswith("/dev/"):
                faults.append("opened for writing: %s (%s)" % (target, arguments))
            elif ok(result):
                read_files.add(target)
        elif name in CHANGES and ok(result):
            faults.append("%s(%s) = %s" % (name, arguments, result))
        elif name in ("connect", "bind", "sendto", "sendmsg"):
            family = re.search(r"sa_family=(AF_\w+)", arguments)
            if not family:
                continue
            family = family.group(1)
            if family == "AF_UNIX":
                m = re.search(r"sun_path=(@?\"[^\"]*\")", arguments)
                address = m.group(1) if m else "?"
                kind = next((k for k, patterns in allowed.items() if any(p.match(address) for p in patterns)), None)
                if name == "bind" or kind is None:
                    faults.append("%s to %s" % (name, address))
                else:
                    sockets[kind] += 1
            elif family != "AF_NETLINK" or name != "sendto":
                faults.append("%s on the network: %s" % (name, arguments))

    print("files read: %d; sockets connected: %s" % (
        len(read_files), ", ".join("%s %d" % (k, n) for k, n in sorted(sockets.items())) or "none"))
    for fault in faults:
        print("FAULT: " + fault)
    return 1 if faults else 0


sys.exit(main())
