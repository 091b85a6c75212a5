# Writes a GEDCOM family tree for the tree check (awk -v people=100000
# -v families=30000 -f generate.awk): each family a husband, a wife, a
# marriage and children, the dates in the mix of a real tree (most exact,
# some partial or qualified, christenings and burials in place of births
# and deaths), and a few families that break a rule. The same arguments
# give the same file (seed fixed). With -v stated=1 every person is also in
# two censuses with an age, and every marriage states both spouses' ages, as
# a transcribed tree has them.
function pick(low, high) { return low + int(rand() * (high - low + 1)) }
function chance(percent) { return rand() * 100 < percent }
function dateText(day,    y, m, d, r) {
    # day counts from 1 January 1500 in years of 12 months of 28 days,
    # close enough for a benchmark's dates
    y = 1500 + int(day / 336); m = 1 + int((day % 336) / 28); d = 1 + day % 28
    r = rand() * 100
    if (r < 72) return d " " months[m] " " y
    if (r < 82) return months[m] " " y
    if (r < 90) return y
    if (r < 94) return "ABT " y
    if (r < 97) return "BET " (y - 1) " AND " (y + 1)
    return "BEF " d " " months[m] " " y
}
function exactText(day,    y, m, d) {
    y = 1500 + int(day / 336); m = 1 + int((day % 336) / 28); d = 1 + day % 28
    return d " " months[m] " " y
}
function years(from, to) { return int((to - from) / 336) }
function monthLength(m, y) {
    if (m == 2) return (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 29 : 28
    return (m == 4 || m == 6 || m == 9 || m == 11) ? 30 : 31
}
# The age from one day to another as a tombstone states it, field by field,
# a borrowed month of its real length.
function ageText(from, to,    y1, m1, d1, y2, m2, d2) {
    y1 = 1500 + int(from / 336); m1 = 1 + int((from % 336) / 28); d1 = 1 + from % 28
    y2 = 1500 + int(to / 336); m2 = 1 + int((to % 336) / 28); d2 = 1 + to % 28
    if (d2 < d1) { d2 += monthLength(m2 > 1 ? m2 - 1 : 12, m2 > 1 ? y2 : y2 - 1); m2-- }
    if (m2 < m1) { m2 += 12; y2-- }
    return (y2 - y1) "y " (m2 - m1) "m " (d2 - d1) "d"
}
function person(id, sex, born, family, spouseOf,    died, exactDates) {
    printf "0 @I%d@ INDI\n1 NAME %s /%s/\n1 SEX %s\n", id, given[pick(1, 6)], surnames[pick(1, 6)], sex
    printf "1 %s\n2 DATE %s\n2 PLAC Parish %d\n", chance(85) ? "BIRT" : "CHR", dateText(born), pick(1, 500)
    if (chance(70)) {
        # Parents outlive the births of their children.
        died = born + (spouseOf ? pick(45 * 336, 85 * 336) : pick(0, 85 * 336))
        printf "1 %s\n2 DATE %s\n", chance(88) ? "DEAT" : "BURI", dateText(died)
        # A stated age, a few days off in one of ten.
        if (chance(30)) printf "2 AGE %s\n", ageText(born, died + (chance(10) ? pick(1, 3) : 0))
    }
    if (stated) {
        for (k = 1; k <= 2; k++) {
            census = born + pick((k * 10 - 5) * 336, k * 10 * 336)
            printf "1 CENS\n2 DATE %s\n2 AGE %d\n", exactText(census), years(born, census)
        }
    }
    if (spouseOf) printf "1 FAMS @F%d@\n", spouseOf
    if (family) printf "1 FAMC @F%d@\n", family
}
BEGIN {
    if (people == "") people = 100000
    if (families == "") families = 30000
    srand(17)
    split("JAN FEB MAR APR MAY JUN JUL AUG SEP OCT NOV DEC", months, " ")
    split("John Mary William Anna Hans Kirsten", given, " ")
    split("Smith Jones Hansen Nielsen Berg Larsen", surnames, " ")
    printf "0 HEAD\n1 SOUR spanwright-bench\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n"
    id = 0
    children = people - 2 * families
    for (f = 1; f <= families; f++) {
        husbandBorn = pick(0, 350 * 336); wifeBorn = husbandBorn + pick(-5 * 336, 5 * 336)
        husbandBirth[f] = husbandBorn; wifeBirth[f] = wifeBorn
        husband[f] = ++id; person(id, "M", husbandBorn, 0, f)
        wife[f] = ++id; person(id, "F", wifeBorn, 0, f)
        married[f] = wifeBorn + pick(18 * 336, 30 * 336)
        # One family in a hundred has a child born before its mother was 15.
        first = chance(1) ? wifeBorn + pick(10 * 336, 15 * 336) : married[f] + pick(300, 700)
        count[f] = f == families ? children : pick(0, int(2 * children / (families - f + 1)))
        if (count[f] > children) count[f] = children
        children -= count[f]
        for (c = 1; c <= count[f]; c++) {
            child[f, c] = ++id
            person(id, chance(50) ? "M" : "F", first + (c - 1) * pick(300, 900), f, 0)
        }
    }
    for (f = 1; f <= families; f++) {
        printf "0 @F%d@ FAM\n1 HUSB @I%d@\n1 WIFE @I%d@\n1 MARR\n2 DATE %s\n", f, husband[f], wife[f], dateText(married[f])
        if (stated) printf "2 HUSB\n3 AGE %dy\n2 WIFE\n3 AGE %dy\n", years(husbandBirth[f], married[f]), years(wifeBirth[f], married[f])
        for (c = 1; c <= count[f]; c++) printf "1 CHIL @I%d@\n", child[f, c]
    }
    printf "0 TRLR\n"
}
