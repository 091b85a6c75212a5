# Writes a GEDCOM file of n individuals (awk -v n=100000 -f generate.awk),
# with the mix of a real tree: most dates exact, some partial or qualified,
# christenings and burials in place of births and deaths, stated ages that
# agree or are a few days off, places, notes with continuations, families.
# The same n gives the same file (seed fixed).
function pick(low, high) { return low + int(rand() * (high - low + 1)) }
function chance(percent) { return rand() * 100 < percent }
function monthLength(m, y) {
    if (m == 2) return (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 29 : 28
    return (m == 4 || m == 6 || m == 9 || m == 11) ? 30 : 31
}
function exact(d, m, y) { return d " " months[m] " " y }
# A date of the year y, in one of the forms genealogists write.
function dateText(d, m, y,    r) {
    r = rand() * 100
    if (r < 72) return exact(d, m, y)
    if (r < 82) return months[m] " " y
    if (r < 90) return y
    if (r < 94) return "ABT " y
    if (r < 97) return "BET " (y - 1) " AND " (y + 1)
    return "BEF " exact(d, m, y)
}
BEGIN {
    if (n == "") n = 100000
    srand(12)
    split("JAN FEB MAR APR MAY JUN JUL AUG SEP OCT NOV DEC", months, " ")
    split("John Mary William Anna James Elizabeth Peter Sarah Hans Kirsten Carl Ingrid", given, " ")
    split("Smith Jones Hansen Nielsen Miller Brown Berg Larsen Taylor Olsen", surnames, " ")
    printf "0 HEAD\n1 SOUR spanwright-bench\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n"
    for (i = 1; i <= n; i++) {
        by = pick(1600, 1990); bm = pick(1, 12); bd = pick(1, monthLength(bm, by))
        printf "0 @I%d@ INDI\n1 NAME %s /%s/\n1 SEX %s\n", i, given[pick(1, 12)], surnames[pick(1, 10)], chance(50) ? "M" : "F"
        printf "1 %s\n2 DATE %s\n2 PLAC Parish %d, County %d\n", chance(85) ? "BIRT" : "CHR", dateText(bd, bm, by), pick(1, 500), pick(1, 40)
        if (by < 1930 && chance(70)) {
            years = pick(0, 95); ms = pick(0, 11); ds = pick(0, 27)
            dm = bm + ms; dy = by + years; if (dm > 12) { dm -= 12; dy++ }
            dd = bd + ds; if (dd > monthLength(dm, dy)) { dd -= monthLength(dm, dy); dm++; if (dm > 12) { dm = 1; dy++ } }
            printf "1 %s\n2 DATE %s\n", chance(88) ? "DEAT" : "BURI", dateText(dd, dm, dy)
            if (chance(35)) {
                r = rand() * 100
                if (r < 70) printf "2 AGE %dy %dm %dd\n", years, ms, ds + (chance(80) ? 0 : pick(1, 3))
                else if (r < 90) printf "2 AGE %dy\n", years
                else if (years == 0) printf "2 AGE INFANT\n"
                else printf "2 AGE > %dy\n", years - 1
            }
            printf "2 PLAC Parish %d, County %d\n", pick(1, 500), pick(1, 40)
        }
        if (chance(20))
            printf "1 NOTE Transcribed from the parish register, with the spelling of the\n2 CONC  original and the clerk's remarks kept as written.\n"
        printf "1 FAMC @F%d@\n", int((i + 1) / 2)
    }
    for (f = 1; f <= n / 2; f++)
        printf "0 @F%d@ FAM\n1 HUSB @I%d@\n1 WIFE @I%d@\n", f, pick(1, n), pick(1, n)
    printf "0 TRLR\n"
}
