# Spanwright for Gramps: the tree check of spanwright-cli over the open tree.
# Needs the Python package spanwright importable by Gramps' Python.

from gramps.version import major_version

# The same code serves Gramps 5.1 to 6.0, so it registers for the running one.

register(REPORT,
         id="spanwright_check",
         name=_("Spanwright tree check"),
         description=_("Dates that cannot be true and unusual ages, certain or "
                       "possible, read from the tree's dates with their "
                       "calendars, qualifiers and ranges"),
         version="0.1.0",
         gramps_target_version=major_version,
         status=STABLE,
         fname="spanwrightcheck.py",
         authors=["Spanwright"],
         authors_email=[""],
         category=CATEGORY_TEXT,
         reportclass="SpanwrightCheckReport",
         optionclass="SpanwrightCheckOptions",
         report_modes=[REPORT_MODE_GUI, REPORT_MODE_BKI, REPORT_MODE_CLI],
         require_active=False)

register(TOOL,
         id="spanwright_findings",
         name=_("Spanwright findings"),
         description=_("The tree check's findings in a list to sort and filter "
                       "by rule and certainty; a double click opens the person "
                       "or family"),
         version="0.1.0",
         gramps_target_version=major_version,
         status=STABLE,
         fname="spanwrightfindings.py",
         authors=["Spanwright"],
         authors_email=[""],
         category=TOOL_ANAL,
         toolclass="SpanwrightFindings",
         optionclass="SpanwrightFindingsOptions",
         tool_modes=[TOOL_MODE_GUI])

register(GRAMPLET,
         id="spanwright_birth_from_records",
         name=_("Birth from records"),
         description=_("The birth dates the ages stated on the active person's "
                       "events allow, or the records to doubt"),
         version="0.1.0",
         gramps_target_version=major_version,
         status=STABLE,
         fname="birthgramplet.py",
         authors=["Spanwright"],
         authors_email=[""],
         height=200,
         gramplet="BirthFromRecordsGramplet",
         gramplet_title=_("Birth from records"),
         navtypes=["Person"])

register(REPORT,
         id="spanwright_ages",
         name=_("Ages at every event"),
         description=_("Each person's age at each of their events, as an "
                       "interval where the dates are inexact"),
         version="0.1.0",
         gramps_target_version=major_version,
         status=STABLE,
         fname="spanwrightages.py",
         authors=["Spanwright"],
         authors_email=[""],
         category=CATEGORY_TEXT,
         reportclass="SpanwrightAgesReport",
         optionclass="SpanwrightAgesOptions",
         report_modes=[REPORT_MODE_GUI, REPORT_MODE_BKI, REPORT_MODE_CLI],
         require_active=False)

register(GRAMPLET,
         id="spanwright_ages_at_events",
         name=_("Ages at events"),
         description=_("The active person's age at each of their events, as an "
                       "interval where the dates are inexact"),
         version="0.1.0",
         gramps_target_version=major_version,
         status=STABLE,
         fname="agesgramplet.py",
         authors=["Spanwright"],
         authors_email=[""],
         height=200,
         gramplet="AgesAtEventsGramplet",
         gramplet_title=_("Ages at events"),
         navtypes=["Person"])
