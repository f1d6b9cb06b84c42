#!/usr/bin/env python3
"""Installs the build into a temporary prefix and runs what was installed from there,
so that a file missing from the install rules fails:
    install_test.py CMAKE BUILD_DIR CHARACTER_FILE"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

CMAKE = BUILD = CHARACTER = None


def run(*args, **kwargs):
    return subprocess.run(list(args), capture_output=True, text=True, timeout=120, **kwargs)


class InstallTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.prefix = os.path.join(cls.folder.name, "prefix")
        result = run(CMAKE, "--install", BUILD, "--prefix", cls.prefix)
        assert result.returncode == 0, result.stderr

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def path(self, *parts):
        return os.path.join(self.prefix, *parts)

    def test_every_file_a_desktop_needs_is_installed(self):
        share = ("share",)
        for parts in [("bin", "quillmar"), ("bin", "quillmar-cli"), share + ("quillmar", "calc.lua"),
                      share + ("quillmar", "de", "classes.dat"), share + ("quillmar", "en", "classes.dat"),
                      share + ("applications", "quillmar.desktop"), share + ("mime", "packages", "quillmar.xml"),
                      share + ("metainfo", "io.github.quillmar.Quillmar.metainfo.xml"),
                      share + ("icons", "hicolor", "scalable", "apps", "quillmar.svg"),
                      share + ("man", "man1", "quillmar-cli.1")] + \
                     [share + ("icons", "hicolor", "%dx%d" % (s, s), "apps", "quillmar.png")
                      for s in (16, 24, 32, 48, 64, 128, 256)]:
            self.assertTrue(os.path.isfile(self.path(*parts)), os.path.join(*parts))

    def test_validators_pass(self):
        desktop = run("desktop-file-validate", self.path("share", "applications", "quillmar.desktop"))
        self.assertEqual(desktop.returncode, 0, desktop.stdout + desktop.stderr)
        self.assertEqual(desktop.stdout.strip(), "")
        metainfo = run("appstreamcli", "validate", "--no-net",
                       self.path("share", "metainfo", "io.github.quillmar.Quillmar.metainfo.xml"))
        self.assertEqual(metainfo.returncode, 0, metainfo.stdout + metainfo.stderr)
        mime = os.path.join(self.folder.name, "mime")
        shutil.copytree(self.path("share", "mime"), mime)
        update = run("update-mime-database", mime)
        self.assertEqual(update.returncode, 0, update.stderr)
        with open(os.path.join(mime, "globs2")) as globs:
            self.assertIn("application/x-quillmar-character:*.chr", globs.read())

    def test_installed_programs_find_their_data_without_options(self):
        env = {k: v for k, v in os.environ.items() if k not in ("QUILLMAR_DATA_ROOT", "DISPLAY")}
        work = os.path.join(self.folder.name, "work")
        os.makedirs(work, exist_ok=True)
        for program, name in (("quillmar", "Quillmar"), ("quillmar-cli", "quillmar-cli")):
            version = run(self.path("bin", program), "--version", cwd=work, env=env)
            self.assertEqual(version.returncode, 0, version.stderr)
            self.assertRegex(version.stdout.strip(), r"^%s \d+\.\d+\.\d+$" % name)
        check = run(self.path("bin", "quillmar-cli"), "check-data", "de", cwd=work, env=env)
        self.assertEqual(check.returncode, 0, check.stdout + check.stderr)
        pdf = os.path.join(work, "sheet.pdf")
        env["HOME"] = work
        export = run(self.path("bin", "quillmar"), "--export-pdf", pdf, CHARACTER, "--data", "en", cwd=work, env=env)
        self.assertEqual(export.returncode, 0, export.stderr)
        with open(pdf, "rb") as f:
            self.assertEqual(f.read(5), b"%PDF-")
        # Installed, nothing is written beside the programs.
        self.assertEqual(sorted(os.listdir(self.path("bin"))), ["quillmar", "quillmar-cli"])

    def test_the_debian_package_holds_the_installed_files_and_runs_from_a_scratch_root(self):
        cpack = os.path.join(os.path.dirname(CMAKE), "cpack")
        out = os.path.join(self.folder.name, "package")
        built = run(cpack, "-G", "DEB", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-B", out)
        self.assertEqual(built.returncode, 0, built.stdout + built.stderr)
        package = next(os.path.join(out, name) for name in os.listdir(out) if name.endswith(".deb"))
        info = run("dpkg-deb", "--info", package).stdout
        self.assertIn("Section: games", info)
        self.assertRegex(info, r"Depends:.*libqt6widgets6.*")
        self.assertRegex(info, r"Depends:.*liblua5\.1-0")
        self.assertRegex(info, r"Depends:.*qt6-qpa-plugins")
        contents = run("dpkg-deb", "--contents", package).stdout
        for path in ("./usr/bin/quillmar", "./usr/bin/quillmar-cli", "./usr/share/applications/quillmar.desktop",
                     "./usr/share/quillmar/en/classes.dat"):
            self.assertIn(path, contents)
        root = os.path.join(self.folder.name, "root")
        self.assertEqual(run("dpkg", "-x", package, root).returncode, 0)
        env = {k: v for k, v in os.environ.items() if k != "QUILLMAR_DATA_ROOT"}
        check = run(os.path.join(root, "usr", "bin", "quillmar-cli"), "check-data", "de", cwd=root, env=env)
        self.assertEqual(check.returncode, 0, check.stdout + check.stderr)


if __name__ == "__main__":
    CMAKE, BUILD, CHARACTER = sys.argv[1:4]
    del sys.argv[1:4]
    unittest.main()
