#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the notices that Velmora.exe owes, and its SBOM, from what was
really compiled into it: the static Qt's record of every source file its
compiler saw (compiled-sources.txt, kept by scripts/windows with the cached
Qt), joined with Qt's attribution records, plus the MinGW-w64 runtime and the
code Velmora itself compiles in.

    make_notices.py QT_PREFIX VERSION COMMIT NOTICES SBOM

QT_PREFIX is the cached Qt, with its licenses/ folder and the source package
it was built from (source/), whose licence texts are quoted. The SBOM's time
is SOURCE_DATE_EPOCH's, so that two builds write the same bytes.
"""
import datetime
import glob
import json
import os
import re
import subprocess
import sys
import tarfile

# Velmora.exe links Qt Core, Gui and Widgets and the windows platform plugin;
# Qt Test goes only into the test programs.
NOT_IN_THE_PROGRAM = ("src/testlib/",)

# Qt's LicenseId values that are not SPDX expressions, reviewed one by one.
# md4, md5 and sha1 name none: their files say they are in the public domain.
SPDX_FOR_QT_LICENSE_ID = {
    "FTL OR GPL-2.0": "FTL OR GPL-2.0-or-later",
    "FTL or GPL-2.0": "FTL OR GPL-2.0-or-later",
    "ICC License": "LicenseRef-ICC-sRGB-profile",
    "GPL-2.0 WITH Linux-syscall-note": "GPL-2.0-only WITH Linux-syscall-note",
    None: "LicenseRef-public-domain",
}

# What else is compiled into the exe, with the Debian package whose copyright
# file holds its licence text.
HOST_COMPONENTS = [
    {"Id": "qttranslations-de", "Name": "Qt's German translation (qtbase_de.qm)",
     "Package": "qt6-translations-l10n",
     "LicenseId": "GPL-3.0-only WITH Qt-GPL-exception-1.0"},
    {"Id": "mingw-w64-runtime", "Name": "MinGW-w64 runtime (CRT and winpthreads)",
     "Package": "mingw-w64-x86-64-dev", "LicenseId": "ZPL-2.1 AND MIT"},
    {"Id": "libstdcxx-libgcc", "Name": "GCC's C++ library and runtime (libstdc++, libgcc)",
     "Package": "gcc-mingw-w64-x86-64-posix-runtime",
     "LicenseId": "GPL-3.0-or-later WITH GCC-exception-3.1"},
    {"Id": "fast-float", "Name": "fast_float (Velmora's number reader)",
     "Package": "libfast-float-dev", "LicenseId": "Apache-2.0 OR MIT"},
]


def attribution_records(licenses):
    for path in sorted(glob.glob(os.path.join(licenses, "**", "qt_attribution.json"),
                                 recursive=True)):
        folder = os.path.relpath(os.path.dirname(path), licenses)
        with open(path, encoding="utf-8") as f:
            records = json.loads(f.read(), strict=False)
        for record in records if isinstance(records, list) else [records]:
            yield folder, record


def compiled(folder, record, sources):
    """Whether any compiled source file belongs to the record."""
    base = os.path.normpath(os.path.join(folder, record.get("Path", "")))
    files = re.split(r"[,\s]+", record.get("Files", "").strip())
    if files != [""]:
        wanted = {os.path.normpath(os.path.join(base, name)) for name in files}
        return any(source in wanted for source in sources)
    return any(source == base or source.startswith(base + "/") for source in sources)


def read(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read().strip()


def texts_from_source(prefix, paths):
    """The files at `paths` (relative to Qt's source tree) from the source
    package Qt was built from, in one pass over the archive."""
    archive = glob.glob(os.path.join(prefix, "source", "qt6-base_*.orig.tar.*"))[0]
    texts = {}
    with tarfile.open(archive) as tar:
        for member in tar:
            relative = member.name.partition("/")[2]
            if relative in paths and member.isfile():
                texts[relative] = tar.extractfile(member).read().decode("utf-8", "replace").strip()
    missing = set(paths) - set(texts)
    if missing:
        raise SystemExit("licence texts missing from %s: %s" % (archive, sorted(missing)))
    return texts


def host_version(package):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], check=True,
                          capture_output=True, text=True).stdout


def components(prefix):
    licenses = os.path.join(prefix, "licenses")
    with open(os.path.join(licenses, "compiled-sources.txt"), encoding="utf-8") as f:
        sources = [line.strip() for line in f
                   if line.strip() and not line.startswith(NOT_IN_THE_PROGRAM)]
    records = [(folder, record) for folder, record in attribution_records(licenses)
               if not folder.startswith(NOT_IN_THE_PROGRAM) and compiled(folder, record, sources)]
    qt_licences = ["LICENSES/%s.txt" % name
                   for name in ("LGPL-3.0-only", "GPL-2.0-only", "GPL-3.0-only")]
    texts = texts_from_source(prefix, set(qt_licences) | {
        os.path.normpath(os.path.join(folder, record["LicenseFile"]))
        for folder, record in records if record.get("LicenseFile")})
    found = [{"Id": "qtbase", "Name": "Qt (Core, Gui, Widgets, windows platform plugin)",
              "Version": host_version("qt6-base-dev").split("+")[0],
              "License": "LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only",
              "Copyright": "Copyright (C) The Qt Company Ltd. and other contributors.",
              "Source": "Qt's source package, qt6-base",
              "Text": "\n\n".join(texts[path] for path in qt_licences)}]
    for folder, record in records:
        licence_id = record.get("LicenseId")
        text_file = record.get("LicenseFile")
        found.append({
            "Id": record["Id"], "Name": record["Name"],
            "Version": record.get("Version", "NOASSERTION"),
            "License": SPDX_FOR_QT_LICENSE_ID.get(licence_id, licence_id),
            "Copyright": record.get("Copyright", "NOASSERTION").strip(),
            # Where in Qt's source it lies: the notices test checks by it.
            "Source": os.path.normpath(os.path.join(folder, record.get("Path", ""))),
            "Text": texts[os.path.normpath(os.path.join(folder, text_file))] if text_file else
            "Public domain: no licence is needed, as the files themselves say.",
        })
    for host in HOST_COMPONENTS:
        found.append({
            "Id": host["Id"], "Name": host["Name"], "Version": host_version(host["Package"]),
            "License": host["LicenseId"], "Copyright": "See the licence text below.",
            "Source": "Debian package " + host["Package"],
            "Text": read("/usr/share/doc/%s/copyright" % host["Package"]),
        })
    return found


def notices(found, version):
    rule = "=" * 78
    parts = ["Velmora %s: Hinweise zu eingebundener Software / third-party notices" % version,
             "",
             "Velmora.exe enthält die folgenden Teile anderer Projekte, jeweils unter",
             "der genannten Lizenz. Velmora selbst steht unter der GPL-3.0-or-later.",
             "Velmora.exe contains the following parts of other projects, each under",
             "the licence named. Velmora itself is licensed GPL-3.0-or-later.", ""]
    # NOASSERTION is the SBOM's word for "not recorded"; a reader gets nothing.
    said = lambda text: "" if text == "NOASSERTION" else text
    for part in found:
        parts += [rule, ("%s %s" % (part["Name"], said(part["Version"]))).rstrip(),
                  "Licence: %s" % part["License"], "", said(part["Copyright"]), "", part["Text"], ""]
    return "\n".join(parts) + "\n"


def sbom(found, version, commit, epoch):
    created = datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc)

    def package(spdx_id, name, package_version, licence, copyright_text, source):
        return {"SPDXID": spdx_id, "name": name, "versionInfo": package_version,
                "downloadLocation": "NOASSERTION", "filesAnalyzed": False,
                "licenseConcluded": licence, "licenseDeclared": licence,
                "copyrightText": copyright_text or "NOASSERTION", "sourceInfo": source}

    packages = [package("SPDXRef-Velmora", "Velmora", version, "GPL-3.0-or-later",
                        "2026 Velmora-Projekt", "Velmora's own source")]
    relationships = [{"spdxElementId": "SPDXRef-DOCUMENT", "relationshipType": "DESCRIBES",
                      "relatedSpdxElement": "SPDXRef-Velmora"}]
    for part in found:
        spdx_id = "SPDXRef-" + re.sub(r"[^A-Za-z0-9.-]", "-", part["Id"])
        packages.append(package(spdx_id, part["Name"], part["Version"], part["License"],
                                part["Copyright"], part["Source"]))
        relationships.append({"spdxElementId": "SPDXRef-Velmora",
                              "relationshipType": "CONTAINS", "relatedSpdxElement": spdx_id})
    refs = sorted({token for part in found for token in
                   re.findall(r"LicenseRef-[A-Za-z0-9.-]+", part["License"])})
    return {
        "spdxVersion": "SPDX-2.3", "dataLicense": "CC0-1.0", "SPDXID": "SPDXRef-DOCUMENT",
        "name": "Velmora.exe " + version,
        "documentNamespace": "urn:velmora:spdx:velmora-exe:" + commit,
        "creationInfo": {"created": created.strftime("%Y-%m-%dT%H:%M:%SZ"),
                         "creators": ["Organization: Velmora-Projekt",
                                      "Tool: resources/make_notices.py"]},
        "hasExtractedLicensingInfos": [
            {"licenseId": ref, "extractedText": "See THIRD-PARTY-NOTICES.txt.",
             "name": ref[len("LicenseRef-"):]} for ref in refs],
        "packages": packages,
        "relationships": relationships,
    }


def main(prefix, version, commit, notices_file, sbom_file):
    epoch = os.environ.get("SOURCE_DATE_EPOCH", "0")
    found = components(prefix)
    with open(notices_file, "w", encoding="utf-8", newline="\r\n") as f:
        f.write(notices(found, version))
    with open(sbom_file, "w", encoding="utf-8") as f:
        json.dump(sbom(found, version, commit, epoch), f, indent=2, ensure_ascii=False)
        f.write("\n")


if __name__ == "__main__":
    main(*sys.argv[1:])
