/* The floor for `spanwright-cli batch --begin 1 --end 2` on ISO rows
 * (generate.awk kind=iso): the least a program can do to write the same
 * bytes: read, parse two YYYY-MM-DD dates, the period rule with a borrowed
 * month, numbers formatted by hand. No validation, no quotes, no fallback:
 * it is right only for clean rows, which is what makes it a floor. */
#include <stdio.h>
#include <string.h>

static int num(const char *s, int n) { int v = 0; while (n--) v = v * 10 + *s++ - '0'; return v; }
static int monthLength(int m, int y)
{
    if (m == 2) return (y % 4 == 0 && (y % 100 != 0 || y % 400 == 0)) ? 29 : 28;
    return (m == 4 || m == 6 || m == 9 || m == 11) ? 30 : 31;
}
static char *put(char *o, int v)
{
    char d[12]; int n = 0;
    do d[n++] = (char)('0' + v % 10); while ((v /= 10) > 0);
    while (n) *o++ = d[--n];
    return o;
}
static char in[1 << 16], out[1 << 18];

int main(void)
{
    size_t have = 0, got, header = 1;
    while ((got = fread(in + have, 1, sizeof in - have, stdin)) > 0 || have > 0) {
        size_t end = have + got, start = 0; char *o = out; char *nl;
        while ((nl = memchr(in + start, '\n', end - start)) != NULL) {
            const char *r = in + start; size_t len = (size_t)(nl - r);
            memcpy(o, r, len); o += len;
            if (header) { memcpy(o, ",years,months,days,span,error", 29); o += 29; header = 0; }
            else {
                int by = num(r, 4), bm = num(r + 5, 2), bd = num(r + 8, 2);
                int ey = num(r + 11, 4), em = num(r + 16, 2), ed = num(r + 19, 2), d;
                if (ed < bd) { int p = em > 1 ? em - 1 : 12, l = monthLength(p, em > 1 ? ey : ey - 1);
                               d = ed + l - (bd < l ? bd : l); em--; } else d = ed - bd;
                if (em < bm) { ey--; em += 12; }
                int y = ey - by, m = em - bm;
                *o++ = ','; o = put(o, y); *o++ = ','; o = put(o, m); *o++ = ','; o = put(o, d);
                *o++ = ','; *o++ = '"'; o = put(o, y); memcpy(o, " Year(s), ", 10); o += 10;
                o = put(o, m); memcpy(o, " month(s), ", 11); o += 11;
                o = put(o, d); memcpy(o, " day(s)\",", 9); o += 9;
            }
            *o++ = '\n'; start += len + 1;
        }
        fwrite(out, 1, (size_t)(o - out), stdout);
        have = end - start; memmove(in, in + start, have);
        if (got == 0) break;
    }
    return 0;
}
