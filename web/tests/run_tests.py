#!/usr/bin/python3
"""The page's browser tests, those of each part (test_page.py) and those of
the page as an app (test_app.py), in one run.

usage: run_tests.py SITE_FOLDER CLI [SHOTS_FOLDER]
"""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import test_app  # noqa: E402
import test_page  # noqa: E402

loader = unittest.TestLoader()
suite = unittest.TestSuite([loader.loadTestsFromModule(test_page), loader.loadTestsFromModule(test_app)])
result = unittest.TextTestRunner(verbosity=2).run(suite)
sys.exit(0 if result.wasSuccessful() else 1)
