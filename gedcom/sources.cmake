# The GEDCOM library's and the tree check's sources, named once for both
# builds: this directory's and the web page's (which has no zip library, and so
# adds gedzip.cpp only here).
set(gedcomLibrarySources
    familyeventages.cpp familyeventages.h
    gedcomage.cpp gedcomage.h
    gedcomagecheck.cpp gedcomagecheck.h
    gedcomansel.cpp gedcomansel.h
    gedcomcalendar.cpp gedcomcalendar.h
    gedcomencoding.cpp gedcomencoding.h
    gedcomdate.cpp gedcomdate.h
    gedcomindividual.cpp gedcomindividual.h
    gedcomline.cpp gedcomline.h
    gedcomlinereader.cpp gedcomlinereader.h
    gedcomlinetally.cpp gedcomlinetally.h
    gedcomreport.cpp gedcomreport.h
    gedcomrow.cpp gedcomrow.h
    gedcomspancalendar.h
    gedcomstart.cpp gedcomstart.h
    gedcomtext.cpp gedcomtext.h
    spouseages.cpp spouseages.h
    statedages.cpp statedages.h
    temporarycopy.cpp temporarycopy.h
)
set(treeCheckLibrarySources
    familytree.cpp familytree.h
    familytreereader.cpp familytreereader.h
    statedagerules.cpp statedagerules.h
    treecheck.cpp treecheck.h
    treecheckfile.cpp treecheckfile.h
    treefindingtext.cpp treefindingtext.h
    treerules.cpp treerules.h
)
