// The same span work as `spanwright-cli batch --begin 1 --end 2` in plain
// java.time, for comparison: read two M/d/y dates per CSV row (with the
// argument "iso", two ISO dates by LocalDate.parse), take Period.between, and
// write the row with the four notations appended.
import java.io.BufferedReader;
import java.io.BufferedWriter;
import java.io.InputStreamReader;
import java.io.OutputStreamWriter;
import java.nio.charset.StandardCharsets;
import java.time.LocalDate;
import java.time.Period;

public final class SpanBatch {
    private static boolean iso;

    private static LocalDate date(String text) {
        if (iso)
            return LocalDate.parse(text);
        int first = text.indexOf('/');
        int second = text.indexOf('/', first + 1);
        return LocalDate.of(Integer.parseInt(text.substring(second + 1)),
                Integer.parseInt(text.substring(0, first)),
                Integer.parseInt(text.substring(first + 1, second)));
    }

    public static void main(String[] args) throws Exception {
        iso = args.length > 0 && args[0].equals("iso");
        BufferedReader in = new BufferedReader(new InputStreamReader(System.in, StandardCharsets.UTF_8), 1 << 16);
        BufferedWriter out = new BufferedWriter(new OutputStreamWriter(System.out, StandardCharsets.UTF_8), 1 << 16);
        String header = in.readLine();
        out.write(header + ",slash,dash,dot,worded\n");
        StringBuilder row = new StringBuilder();
        for (String line = in.readLine(); line != null; line = in.readLine()) {
            int comma = line.indexOf(',');
            int next = line.indexOf(',', comma + 1);
            String end = next < 0 ? line.substring(comma + 1) : line.substring(comma + 1, next);
            Period p = Period.between(date(line.substring(0, comma)), date(end));
            int y = p.getYears(), m = p.getMonths(), d = p.getDays();
            row.setLength(0);
            row.append(line).append(',')
               .append(m).append('/').append(d).append('/').append(y).append(',')
               .append(m).append('-').append(d).append('-').append(y).append(',')
               .append(m).append('.').append(d).append('.').append(y).append(",\"")
               .append(y).append(" Year(s), ").append(m).append(" month(s), ").append(d).append(" day(s)\"\n");
            out.append(row);
        }
        out.flush();
    }
}
