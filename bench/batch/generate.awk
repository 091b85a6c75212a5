# Writes ROWS random CSV rows for the batch benchmark (awk -v rows=N -v kind=K):
#   kind=span       begin,end         two M/D/YYYY dates, years 1 to 9999, in order
#   kind=iso        begin,end         the same in ISO 8601 (YYYY-MM-DD), years 1000 to 9999
#   kind=tombstone  death,age         a death date and an age "Ny Nm Nd"
#   kind=mixed      name,begin,end    M/D/YYYY rows among which one in five is
#                                     refused, partial, quoted or has a UTF-8 name
# The same rows every time (fixed seed).
function monthLength(m, y) {
    if (m == 2)
        return (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 29 : 28
    return (m == 4 || m == 6 || m == 9 || m == 11) ? 30 : 31
}
function randomDate(lowYear, highYear,    y, m) {
    y = lowYear + int(rand() * (highYear - lowYear + 1))
    m = 1 + int(rand() * 12)
    dateYear = y; dateMonth = m; dateDay = 1 + int(rand() * monthLength(m, y))
    if (kind == "iso")
        return sprintf("%04d-%02d-%02d", y, m, dateDay)
    return m "/" dateDay "/" y
}
BEGIN {
    srand(20261209)
    if (kind == "span" || kind == "iso") {
        print "begin,end"
        for (i = 0; i < rows; i++) {
            begin = randomDate(kind == "iso" ? 1000 : 1, 9899)
            print begin "," randomDate(dateYear + 1, dateYear + 100)
        }
    } else if (kind == "mixed") {
        # What a real register holds beside its clean rows.
        split("Jørgen Hansen|\"Smith, John\"|Zoë|李|Anne", names, "|")
        split("2/30/1990|abc|ABT 1850|1850|June 1850|13/1/1900|| 5/17/1990 |1/1/50|\"5/17/1990\"", odd, "|")
        print "name,begin,end"
        for (i = 0; i < rows; i++) {
            begin = randomDate(1, 9899)
            end = randomDate(dateYear + 1, dateYear + 100)
            r = int(rand() * 20)
            if (r == 0) begin = odd[1 + int(rand() * 10)]
            else if (r == 1) end = odd[1 + int(rand() * 10)]
            else if (r == 2) { swap = begin; begin = end; end = swap }
            if (r == 3) print names[1 + int(rand() * 5)] "," begin
            else print names[1 + int(rand() * 5)] "," begin "," end
        }
    } else {
        print "death,age"
        for (i = 0; i < rows; i++)
            print randomDate(1000, 9999) "," int(rand() * 100) "y " int(rand() * 12) "m " int(rand() * 31) "d"
    }
}
