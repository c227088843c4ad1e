#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later
"""The notices and the SBOM of Velmora.exe name everything compiled into it.
The reference is the static Qt's own record of the files its compiler saw
(compiled-sources.txt), not the attribution records they were made from: each
third-party folder of Qt's that was compiled must be a component of the SBOM
and in the notices, and every licence expression must be valid SPDX.

    notices_test.py QT_PREFIX THIRD-PARTY-NOTICES.txt Velmora.exe.spdx.json
"""
import datetime
import json
import os
import sys
import unittest

from license_expression import get_spdx_licensing

PREFIX, NOTICES, SBOM = (os.path.abspath(arg) for arg in sys.argv[1:4])
del sys.argv[1:4]


class Notices(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(SBOM, encoding="utf-8") as f:
            cls.sbom = json.load(f)
        with open(NOTICES, encoding="utf-8") as f:
            cls.notices = f.read()
        with open(os.path.join(PREFIX, "licenses", "compiled-sources.txt"), encoding="utf-8") as f:
            cls.compiled = [line.strip() for line in f if line.strip()]

    def test_every_compiled_third_party_folder_is_a_component(self):
        # src/3rdparty/<name>/..., and Qt Test's, which only test programs link.
        folders = {"/".join(path.split("/")[:3]) for path in self.compiled
                   if path.startswith("src/3rdparty/")}
        self.assertGreater(len(folders), 5)
        sources = [p.get("sourceInfo", "") for p in self.sbom["packages"]]
        for folder in sorted(folders):
            with self.subTest(folder=folder):
                self.assertTrue(any(s == folder or s.startswith(folder + "/") for s in sources),
                                "%s is compiled in but not in the SBOM" % folder)
        for name in ("sha1", "md5", "md4", "sha3", "blake2"):
            with self.subTest(hash=name):
                self.assertIn("src/3rdparty/" + name, folders,
                              "qcryptographichash.cpp's #included code is not recorded")

    def test_every_component_is_in_the_notices(self):
        for package in self.sbom["packages"][1:]:
            with self.subTest(package=package["name"]):
                version = package["versionInfo"]
                heading = package["name"] + ("" if version == "NOASSERTION" else " " + version)
                self.assertIn(heading, self.notices.splitlines())

    def test_every_licence_is_valid_spdx(self):
        licensing = get_spdx_licensing()
        known = {info["licenseId"] for info in self.sbom.get("hasExtractedLicensingInfos", [])}
        for package in self.sbom["packages"]:
            with self.subTest(package=package["name"]):
                expression = package["licenseDeclared"]
                for ref in [s for s in expression.replace("(", " ").replace(")", " ").split()
                            if s.startswith("LicenseRef-")]:
                    self.assertIn(ref, known)
                info = licensing.validate(expression)
                # LicenseRef- ids are the document's own, declared above.
                unknown = [k for k in info.invalid_symbols if not k.startswith("LicenseRef-")]
                errors = [e for e in info.errors if not e.startswith("Unknown license key")]
                self.assertEqual((errors, unknown), ([], []), expression)

    def test_the_document_is_spdx_2_3_and_the_same_in_every_build(self):
        self.assertEqual(self.sbom["spdxVersion"], "SPDX-2.3")
        self.assertEqual(self.sbom["packages"][0]["licenseDeclared"], "GPL-3.0-or-later")
        epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "0"))
        created = datetime.datetime.fromtimestamp(epoch, datetime.timezone.utc)
        self.assertEqual(self.sbom["creationInfo"]["created"], created.strftime("%Y-%m-%dT%H:%M:%SZ"))
        self.assertNotIn("unknown", self.sbom["documentNamespace"])


if __name__ == "__main__":
    unittest.main(verbosity=2)
