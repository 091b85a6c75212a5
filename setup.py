"""Builds the extension spanwright._spanwright with the project's CMake build
(the window program left out), and the SQLite extension where the tree has
it, and puts the built files into the package."""

import os
import pathlib
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).resolve().parent


class CMakeExtension(Extension):
    """An extension CMake builds: no sources for setuptools to compile."""

    def __init__(self, name):
        super().__init__(name, sources=[])


class CMakeBuild(build_ext):
    def build_extension(self, extension):
        build_dir = pathlib.Path(self.build_temp).resolve() / "cmake"
        sqlite = (ROOT / "sql" / "sqlite" / "CMakeLists.txt").exists()
        configure = [
            "cmake", "-S", str(ROOT), "-B", str(build_dir), "-DCMAKE_BUILD_TYPE=Release",
            "-DSPANWRIGHT_WINDOW=OFF", "-DBUILD_TESTING=OFF", "-DSPANWRIGHT_PYTHON=ON",
            f"-DPython_EXECUTABLE={sys.executable}",
        ]
        targets = ["spanwright_python"]
        if sqlite:
            configure.append("-DSPANWRIGHT_SQLITE=ON")
            targets.append("spanwright_sqlite")
        subprocess.run(configure, check=True, stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", str(build_dir), "--parallel", str(os.cpu_count() or 1),
                        "--target", *targets], check=True)
        # The built package's compiled files: the extension, and the SQLite
        # one under its own name (SQLite finds its entry point from it).
        package = pathlib.Path(self.get_ext_fullpath(extension.name)).resolve().parent
        package.mkdir(parents=True, exist_ok=True)
        built = build_dir / "python" / "package" / "spanwright"
        for module in built.glob("*.so"):
            shutil.copy2(module, package / module.name)


setup(ext_modules=[CMakeExtension("spanwright._spanwright")],
      cmdclass={"build_ext": CMakeBuild})
