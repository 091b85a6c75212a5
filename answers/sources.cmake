# What the command line and the web page share: the CSV reader, the batch
# job and its rows, the reading and printing of dates under a date order, and
# the answers of span, days, born and died. Named once for both builds.
set(answersLibrarySources
    ageanswer.cpp ageanswer.h
    agematchtext.cpp agematchtext.h
    batchjob.cpp batchjob.h
    batchrows.cpp batchrows.h
    batchrowstage.cpp batchrowstage.h
    calendarlines.cpp calendarlines.h
    convertanswer.cpp convertanswer.h
    narrowanswer.cpp narrowanswer.h
    narrowcsvjob.cpp narrowcsvjob.h
    narrowrecord.cpp narrowrecord.h
    narrowsvg.cpp narrowsvg.h
    csvreader.cpp csvreader.h
    dateorder.cpp dateorder.h
    dateprinting.cpp dateprinting.h
    daysanswer.cpp daysanswer.h
    datereading.cpp datereading.h
    outcome.h
    spancalculation.cpp spancalculation.h
    textbuffer.h
    textdecoding.cpp textdecoding.h
)
