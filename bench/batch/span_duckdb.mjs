// The same span work as `spanwright-cli batch --begin 1 --end 2` in DuckDB,
// for comparison: read_csv types the two ISO date columns as DATE, age()
// gives the span, and the rows go out with years, months, days and the
// worded span appended. Reads standard input, writes standard output.
//   node span_duckdb.mjs < iso.csv > out.csv   (with @duckdb/node-api installed)
import { DuckDBInstance } from '@duckdb/node-api';

const instance = await DuckDBInstance.create(':memory:');
const connection = await instance.connect();
await connection.run(`
  COPY (
    SELECT "begin", "end", y AS years, m AS months, d AS days,
           y || ' Year(s), ' || m || ' month(s), ' || d || ' day(s)' AS span, '' AS error
    FROM (
      SELECT "begin", "end", date_part('year', a) AS y, date_part('month', a) AS m, date_part('day', a) AS d
      FROM (
        SELECT "begin", "end", age("end", "begin") AS a
        FROM read_csv('/dev/stdin', header = true, columns = {'begin': 'DATE', 'end': 'DATE'})
      )
    )
  ) TO '/dev/stdout' (HEADER, DELIMITER ',')`);
