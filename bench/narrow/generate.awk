# Writes census rows for the narrow benchmark (awk -v people=N -v kind=K):
# each person is enumerated in the US censuses of 1850 to 1940 (ten rows a
# person), all the people of one census before those of the next, as a
# transcription project lists them. One row in 200 states an age ten years
# out, so that some people's records conflict.
#   kind=dates    person,date,age   the census day as M/D/YYYY, so that
#                                   `batch --end date --age age` reads the
#                                   same rows
#   kind=census   person,date,age   the census named: "US 1880 census"
#   kind=register person,date,age   records from registers instead: ten a
#                                   person on average, each on any day of
#                                   the life, the people in no order, one
#                                   age in 200 (-v off=0.15: 15 in 100) ten
#                                   years out
# The same rows every time (fixed seed).
function monthLength(m, y) {
    if (m == 2)
        return (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 29 : 28
    return (m == 4 || m == 6 || m == 9 || m == 11) ? 30 : 31
}
BEGIN {
    srand(20261209)
    for (p = 0; p < people; p++) {
        birthYear[p] = 1830 + int(rand() * 20)
        birthMonth[p] = 1 + int(rand() * 12)
        birthDay[p] = 1 + int(rand() * monthLength(birthMonth[p], birthYear[p]))
    }
    if (kind == "register") {
        if (off == "") off = 0.005
        print "person,date,age"
        for (r = 0; r < 10 * people; r++) {
            p = int(rand() * people)
            year = birthYear[p] + int(rand() * 80)
            month = 1 + int(rand() * 12)
            day = 1 + int(rand() * monthLength(month, year))
            age = year - birthYear[p]
            if (month < birthMonth[p] || (month == birthMonth[p] && day < birthDay[p]))
                age--
            if (age < 0) { # before the birth in its year: a year on, aged 0
                year++; age = 0
                if (month == 2 && day == 29) day = 28
            }
            if (rand() < off)
                age += 10
            printf "P%06d,%d/%d/%d,%d\n", p, month, day, year, age
        }
        exit
    }
    # The census days of 1850 to 1940 (1910: 15 April, 1920: 1 January,
    # 1930 and 1940: 1 April; 1890: 2 June; else 1 June).
    print "person,date,age"
    for (k = 0; k < 10; k++) {
        year = 1850 + 10 * k
        month = 6; day = 1
        if (year == 1890) day = 2
        if (year == 1910) { month = 4; day = 15 }
        if (year == 1920) { month = 1; day = 1 }
        if (year >= 1930) { month = 4; day = 1 }
        when = kind == "census" ? "US " year " census" : month "/" day "/" year
        for (p = 0; p < people; p++) {
            age = year - birthYear[p]
            if (month < birthMonth[p] || (month == birthMonth[p] && day < birthDay[p]))
                age--
            if (rand() < 0.005)
                age += 10
            printf "P%06d,%s,%d\n", p, when, age
        }
    }
}
