"""Registers the addon's plugins as Gramps does from its plugin folder and
loads each one's module, so a plugin whose registration or imports fail
(the tool's Gtk code among them) fails here rather than silently in Gramps.

usage: load_plugins.py PLUGIN_FOLDER ID..."""

import sys

from gramps.gen.plug import BasePluginManager


def main(folder, *wanted):
    manager = BasePluginManager.get_instance()
    manager.reg_plugins(folder, None, None)
    found = {plugin.id: plugin for plugin in manager.get_reg_reports() + manager.get_reg_tools()
                                       + manager.get_reg_gramplets()}
    failures = []
    for plugin_id in wanted:
        if plugin_id not in found:
            failures.append("%s is not registered" % plugin_id)
        elif manager.load_plugin(found[plugin_id]) is None:
            failures.append("%s does not load: %s" % (plugin_id, manager.get_fail_list()))
    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main(*sys.argv[1:])
