-- The Spanwright SQL functions: each answers one row as spanwright-cli batch
-- does, NULL where the batch leaves the cell empty.
\echo Use "CREATE EXTENSION spanwright" to load this file. \quit

CREATE FUNCTION sw_span(begin text, "end" text) RETURNS text
    AS 'MODULE_PATHNAME', 'sw_span' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION sw_span(begin text, "end" text, notation integer) RETURNS text
    AS 'MODULE_PATHNAME', 'sw_span' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION sw_error(begin text, "end" text) RETURNS text
    AS 'MODULE_PATHNAME', 'sw_error' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION sw_days(begin text, "end" text) RETURNS integer
    AS 'MODULE_PATHNAME', 'sw_days' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION sw_born_earliest("end" text, age text) RETURNS date
    AS 'MODULE_PATHNAME', 'sw_born_earliest' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION sw_born_latest("end" text, age text) RETURNS date
    AS 'MODULE_PATHNAME', 'sw_born_latest' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION sw_born_count("end" text, age text) RETURNS integer
    AS 'MODULE_PATHNAME', 'sw_born_count' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION sw_born_error("end" text, age text) RETURNS text
    AS 'MODULE_PATHNAME', 'sw_born_error' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION sw_died_earliest(begin text, age text) RETURNS date
    AS 'MODULE_PATHNAME', 'sw_died_earliest' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION sw_died_latest(begin text, age text) RETURNS date
    AS 'MODULE_PATHNAME', 'sw_died_latest' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION sw_died_count(begin text, age text) RETURNS integer
    AS 'MODULE_PATHNAME', 'sw_died_count' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
CREATE FUNCTION sw_died_error(begin text, age text) RETURNS text
    AS 'MODULE_PATHNAME', 'sw_died_error' LANGUAGE C IMMUTABLE STRICT PARALLEL SAFE;
